// SPDX-License-Identifier: MIT
#include "projects/AddTimeDialog.h"

#include "common/Text.h"
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
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>

namespace {

// How the start is shown, and so stored.
const QString StartFormat = QStringLiteral("HH:mm:ss");

// One to `most` decimal digits at `at`, moving past them; nothing otherwise.
std::optional<int> digitsAt(const std::string &text, size_t &at, size_t least, size_t most) {
    size_t end = at;
    while (end < text.size() && end - at < most &&
           std::isdigit(static_cast<unsigned char>(text[end])))
        ++end;
    if (end - at < least)
        return std::nullopt;
    const int value = std::stoi(text.substr(at, end - at));
    at = end;
    return value;
}

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

std::optional<QTime> parseStartTime(const std::string &typed) {
    std::string text = trimText(typed);
    // The half of the day, when named, ends the text: "2:00 PM", "2pm".
    std::optional<bool> afternoon;
    if (text.size() >= 2) {
        const std::string half = upperAscii(text.substr(text.size() - 2));
        if (half == "AM" || half == "PM") {
            afternoon = half == "PM";
            text = trimText(text.substr(0, text.size() - 2));
        }
    }
    size_t at = 0;
    const std::optional<int> hours = digitsAt(text, at, 1, 2);
    if (!hours)
        return std::nullopt;
    int minutes = 0;
    int seconds = 0;
    // Hours alone only with the half of the day: "2 PM" is a time, "14" may
    // be minutes typed into the wrong field.
    if (at < text.size() || !afternoon) {
        if (at >= text.size() || text[at++] != ':')
            return std::nullopt;
        const std::optional<int> typedMinutes = digitsAt(text, at, 2, 2);
        if (!typedMinutes)
            return std::nullopt;
        minutes = *typedMinutes;
        if (at < text.size()) {
            if (text[at++] != ':')
                return std::nullopt;
            const std::optional<int> typedSeconds = digitsAt(text, at, 2, 2);
            if (!typedSeconds || at != text.size())
                return std::nullopt;
            seconds = *typedSeconds;
        }
    }
    int hour = *hours;
    if (afternoon) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (*afternoon ? 12 : 0);
    }
    if (hour > 23 || minutes > 59 || seconds > 59)
        return std::nullopt;
    return QTime(hour, minutes, seconds);
}

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
    setWindowTitle(tr("Add Time"));
    setModal(true);

    m_project = new QComboBox(this);
    m_project->setObjectName("AddTimeProject");
    m_project->setEditable(true);
    // Enter means OK, not "add the typed name to the list".
    m_project->setInsertPolicy(QComboBox::NoInsert);
    m_project->addItems(projectNames);
    m_project->setCurrentIndex(m_project->findText(currentProject, Qt::MatchExactly));
    m_project->setEditText(currentProject);
    m_project->setAccessibleName(tr("Project"));

    m_date = new QDateEdit(this);
    m_date->setObjectName("AddTimeDate");
    m_date->setDisplayFormat("yyyy-MM-dd");
    m_date->setCalendarPopup(true);
    m_date->setAccessibleName(tr("Date"));

    // A line rather than a time field: a time field takes keys section by
    // section, so "14:00" or "2:00 PM" typed over a selection would not read.
    m_start = new QLineEdit(this);
    m_start->setObjectName("AddTimeStart");
    m_start->setAccessibleName(tr("Start time"));
    m_start->setAccessibleDescription(tr("A time of day such as 14:00, 14:00:00 or 2:00 PM"));

    m_minutes = new MinutesBox(this);
    m_minutes->setObjectName("AddTimeMinutes");
    m_minutes->setRange(1, MaximumMinutes);
    m_minutes->setValue(DefaultMinutes);
    m_minutes->setAccessibleName(tr("Minutes"));

    auto *form = new QFormLayout;
    form->addRow(tr("&Project:"), m_project);
    form->addRow(tr("&Date:"), m_date);
    form->addRow(tr("&Start time:"), m_start);
    form->addRow(tr("&Minutes:"), m_minutes);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("AddTimeButtons");
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    ok->setAccessibleName(ok->text().remove(QLatin1Char('&')));
    QPushButton *cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setAccessibleName(cancel->text().remove(QLatin1Char('&')));
    connect(buttons, &QDialogButtonBox::accepted, this, guarded([this] { storeAndClose(); }));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_project->setFocus();
}

// Closing the dialog takes the focus from the start field, and the field's
// end of editing would then reach a dialog already half gone.
AddTimeDialog::~AddTimeDialog() {
    disconnect(m_start, nullptr, this, nullptr);
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
    connect(m_start, &QLineEdit::textEdited, this, guarded(chosen));
    connect(m_start, &QLineEdit::editingFinished, this, guarded([this] { showStartAsStored(); }));
}

void AddTimeDialog::editTime(const AddedTime &recording) {
    setWindowTitle(tr("Edit Time"));
    m_startChosen = true;
    const QString project = QString::fromStdString(recording.project);
    m_project->setCurrentIndex(m_project->findText(project, Qt::MatchExactly));
    m_project->setEditText(project);
    const TimeDate &start = recording.start;
    m_settingStart = true;
    m_date->setDate(QDate(start.Year(), start.Month(), start.Day()));
    m_start->setText(QTime(start.Hour(), start.Minute(), start.Second()).toString(StartFormat));
    m_minutes->setValue(static_cast<int>(
        std::clamp<int64_t>(recording.minutes, m_minutes->minimum(), m_minutes->maximum())));
    m_settingStart = false;
}

// A start that reads is rewritten as it will be stored; one that does not is
// left as typed, for OK to refuse.
void AddTimeDialog::showStartAsStored() {
    if (const std::optional<QTime> time = parseStartTime(m_start->text().toStdString()))
        m_start->setText(time->toString(StartFormat));
}

// The day may be the one before: an hour worked at half past midnight started
// yesterday.
void AddTimeDialog::startBeforeNow() {
    const QDateTime opened(QDate(m_opened.Year(), m_opened.Month(), m_opened.Day()),
                           QTime(m_opened.Hour(), m_opened.Minute(), m_opened.Second()));
    const QDateTime start = opened.addSecs(-60 * static_cast<qint64>(m_minutes->value()));
    m_settingStart = true;
    m_date->setDate(start.date());
    m_start->setText(start.time().toString(StartFormat));
    m_settingStart = false;
}

AddedTime AddTimeDialog::addedTime() const {
    const QDate day = m_date->date();
    const QTime time = parseStartTime(m_start->text().toStdString()).value_or(QTime(0, 0));
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
        showMessage(tr("The minutes must be a whole number from %1 to %2.")
                        .arg(m_minutes->minimum())
                        .arg(m_minutes->maximum())
                        .toStdString(),
                    tr("Oops").toStdString());
        m_minutes->setFocus();
        return;
    }
    if (!parseStartTime(m_start->text().toStdString())) {
        showMessage(tr("The start time must be a time of day, such as 14:00, 14:00:00 or 2:00 PM.")
                        .toStdString(),
                    tr("Oops").toStdString());
        m_start->setFocus();
        return;
    }
    showStartAsStored();
    if (!endsInThePast())
        return;
    if (m_store && m_store(addedTime()))
        accept();
}

// Compared on the local clock's seconds, as the start is typed; a recording
// may end this very second.
bool AddTimeDialog::endsInThePast() {
    const AddedTime added = addedTime();
    const QDateTime start(m_date->date(),
                          QTime(added.start.Hour(), added.start.Minute(), added.start.Second()));
    const QDateTime end = start.addSecs(60 * added.minutes);
    TimeDate now;
    now.SetNow();
    const QDateTime current(QDate(now.Year(), now.Month(), now.Day()),
                            QTime(now.Hour(), now.Minute(), now.Second()));
    if (end <= current)
        return true;
    showMessage(tr("A recording cannot end in the future: this one would end at %1. Choose an "
                   "earlier start or fewer minutes.")
                    .arg(end.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                    .toStdString(),
                tr("Oops").toStdString());
    return false;
}
