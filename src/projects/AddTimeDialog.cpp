// SPDX-License-Identifier: MIT
#include "projects/AddTimeDialog.h"

#include "platform/Dialogs.h"
#include "projects/ProjectStore.h"
#include "projects/StoreBoxes.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

// The minutes field keeps the text typed into it, acceptable or not, until OK
// reads it. A plain spin box puts its previous value back when Enter is
// pressed or the focus leaves, so OK would store a number nobody saw.
class MinutesBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    void keyPressEvent(QKeyEvent *event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && !hasAcceptableInput()) {
            event->ignore(); // on to the dialog's OK, which refuses it
            return;
        }
        QSpinBox::keyPressEvent(event);
    }
    void focusOutEvent(QFocusEvent *event) override {
        if (hasAcceptableInput()) {
            QSpinBox::focusOutEvent(event);
            return;
        }
        QCoreApplication::sendEvent(lineEdit(), event);
        QWidget::focusOutEvent(event);
    }
};

} // namespace

AddTimeDialog::AddTimeDialog(const QStringList &projectNames, const QString &currentProject,
                             StoreAddedTime store, QWidget *parent)
    : QDialog(parent), m_store(std::move(store)) {
    m_opened.SetNow();
    createWidgets(projectNames, currentProject);
    startBeforeNow();
    bindHandlers();
}

namespace {
QStringList storedNames(const ProjectStore &store) {
    QStringList names;
    if (const auto stored = store.projectNames())
        for (const std::string &name : stored->names)
            names.append(QString::fromStdString(name));
    return names;
}
} // namespace

AddTimeDialog::AddTimeDialog(ProjectStore &store, const QString &currentProject, QWidget *parent)
    : AddTimeDialog(
          storedNames(store), currentProject,
          [&store](const AddedTime &added) {
              const StoreOutcome<TimesRow> stored =
                  store.addTime(added.project, added.start, added.minutes);
              if (!stored)
                  showStoreError(stored.error());
              return stored.ok();
          },
          parent) {}

void AddTimeDialog::createWidgets(const QStringList &projectNames, const QString &currentProject) {
    setWindowTitle("Add Time");
    setModal(true);

    m_project = new QComboBox(this);
    m_project->setObjectName("AddTimeProject");
    m_project->setEditable(true);
    // Enter means OK, not "add the typed name to the list".
    m_project->setInsertPolicy(QComboBox::NoInsert);
    m_project->addItems(projectNames);
    m_project->setCurrentIndex(m_project->findText(currentProject, Qt::MatchExactly));
    m_project->setEditText(currentProject);
    m_project->setAccessibleName("Project");

    m_date = new QDateEdit(this);
    m_date->setObjectName("AddTimeDate");
    m_date->setDisplayFormat("yyyy-MM-dd");
    m_date->setCalendarPopup(true);
    m_date->setAccessibleName("Date");

    m_start = new QTimeEdit(this);
    m_start->setObjectName("AddTimeStart");
    m_start->setDisplayFormat("HH:mm:ss");
    m_start->setAccessibleName("Start time");

    m_minutes = new MinutesBox(this);
    m_minutes->setObjectName("AddTimeMinutes");
    m_minutes->setRange(1, MaximumMinutes);
    m_minutes->setValue(DefaultMinutes);
    m_minutes->setAccessibleName("Minutes");

    auto *form = new QFormLayout;
    form->addRow("&Project:", m_project);
    form->addRow("&Date:", m_date);
    form->addRow("&Start time:", m_start);
    form->addRow("&Minutes:", m_minutes);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("AddTimeButtons");
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    ok->setAccessibleName("OK");
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName("Cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, guarded([this] { storeAndClose(); }));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_project->setFocus();
}

void AddTimeDialog::bindHandlers() {
    connect(m_minutes, &QSpinBox::valueChanged, this, guarded([this] {
                if (!m_startChosen)
                    startBeforeNow();
            }));
    auto chosen = [this] {
        if (!m_settingStart)
            m_startChosen = true;
    };
    connect(m_date, &QDateEdit::dateChanged, this, guarded(chosen));
    connect(m_start, &QTimeEdit::timeChanged, this, guarded(chosen));
}

// The day may be the one before: an hour worked at half past midnight started
// yesterday.
void AddTimeDialog::startBeforeNow() {
    const QDateTime opened(QDate(m_opened.Year(), m_opened.Month(), m_opened.Day()),
                           QTime(m_opened.Hour(), m_opened.Minute(), m_opened.Second()));
    const QDateTime start = opened.addSecs(-60 * static_cast<qint64>(m_minutes->value()));
    m_settingStart = true;
    m_date->setDate(start.date());
    m_start->setTime(start.time());
    m_settingStart = false;
}

AddedTime AddTimeDialog::addedTime() const {
    const QDate day = m_date->date();
    const QTime time = m_start->time();
    AddedTime added;
    added.project = m_project->currentText().toStdString();
    added.start =
        TimeDate(static_cast<int16_t>(day.year()), static_cast<int16_t>(day.month()),
                 static_cast<int16_t>(day.day()), static_cast<int16_t>(time.hour()),
                 static_cast<int16_t>(time.minute()), static_cast<int16_t>(time.second()), 0);
    added.minutes = m_minutes->value();
    return added;
}

// OK stores only what the dialog shows.
void AddTimeDialog::storeAndClose() {
    if (!m_minutes->hasAcceptableInput()) {
        showMessage("The minutes must be a whole number from " +
                        std::to_string(m_minutes->minimum()) + " to " +
                        std::to_string(m_minutes->maximum()) + ".",
                    "Oops");
        m_minutes->setFocus();
        return;
    }
    if (m_store && m_store(addedTime()))
        accept();
}
