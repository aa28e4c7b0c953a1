// SPDX-License-Identifier: MIT
#include "projects/TotalsWindow.h"

#include "common/Text.h"
#include "common/TimeDate.h"
#include "platform/Dialogs.h"
#include "platform/Widgets.h"
#include "projects/ProjectSql.h"
#include "projects/ProjectStore.h"
#include "projects/StoreBoxes.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>
#include <strings.h>

namespace {

const char *const ColumnTitles[] = {QT_TRANSLATE_NOOP("TotalsWindow", "Project"),
                                    QT_TRANSLATE_NOOP("TotalsWindow", "Today (h:mm)"),
                                    QT_TRANSLATE_NOOP("TotalsWindow", "This week (h:mm)"),
                                    QT_TRANSLATE_NOOP("TotalsWindow", "This month (h:mm)"),
                                    QT_TRANSLATE_NOOP("TotalsWindow", "All time (h:mm)")};
constexpr int ColumnCount = 5;

QString columnTitle(int column) {
    return QCoreApplication::translate("TotalsWindow", ColumnTitles[column]);
}

} // namespace

// The projects' rows, kept in the order shown, and the All projects row, which
// stays last whatever the order. Sorting orders the projects by the minutes,
// not by their text.
class TotalsModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTotals(std::vector<ProjectTotal> projects, ProjectTotal all) {
        beginResetModel();
        m_projects = std::move(projects);
        m_all = std::move(all);
        m_all.name = QCoreApplication::translate("TotalsWindow", "All projects").toStdString();
        endResetModel();
    }

    int projectCount() const { return static_cast<int>(m_projects.size()); }
    // The stored name of a project's row; none for the All projects row.
    std::optional<std::string> projectName(int row) const {
        if (row < 0 || row >= projectCount())
            return std::nullopt;
        return m_projects[row].name;
    }

    int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : projectCount() + 1;
    }
    int columnCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : ColumnCount;
    }

    QString text(int row, int column) const {
        const ProjectTotal &total = rowTotal(row);
        return column == 0 ? QString::fromStdString(oneLine(total.name))
                           : QString::fromStdString(hoursMinutesText(total.minutes[column - 1]));
    }

    QVariant data(const QModelIndex &index, int role) const override {
        if (!index.isValid())
            return {};
        switch (role) {
        case Qt::DisplayRole:
            return text(index.row(), index.column());
        case Qt::TextAlignmentRole:
            return index.column() == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                       : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::FontRole:
            if (index.row() == projectCount()) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < ColumnCount)
            return columnTitle(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    void sort(int column, Qt::SortOrder order) override {
        if (column < 0 || column >= ColumnCount)
            return;
        std::vector<int> shown(m_projects.size());
        std::iota(shown.begin(), shown.end(), 0);
        auto less = [this, column](int a, int b) {
            const ProjectTotal &left = m_projects[a];
            const ProjectTotal &right = m_projects[b];
            if (column > 0)
                return left.minutes[column - 1] < right.minutes[column - 1];
            const int folded = strcasecmp(left.name.c_str(), right.name.c_str());
            return folded != 0 ? folded < 0 : left.name < right.name;
        };
        // Equal rows keep their order, so a second click on a column or a
        // sort by another one leaves ties as they were.
        if (order == Qt::AscendingOrder)
            std::stable_sort(shown.begin(), shown.end(), less);
        else
            std::stable_sort(shown.begin(), shown.end(),
                             [&less](int a, int b) { return less(b, a); });

        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        std::vector<int> newRow(m_projects.size());
        std::vector<ProjectTotal> sorted;
        sorted.reserve(m_projects.size());
        for (int row : shown) {
            newRow[row] = static_cast<int>(sorted.size());
            sorted.push_back(std::move(m_projects[row]));
        }
        m_projects = std::move(sorted);
        const QModelIndexList before = persistentIndexList();
        QModelIndexList after;
        for (const QModelIndex &index : before)
            after << (index.row() < projectCount()
                          ? createIndex(newRow[index.row()], index.column())
                          : index);
        changePersistentIndexList(before, after);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

private:
    const ProjectTotal &rowTotal(int row) const {
        return row < projectCount() ? m_projects[row] : m_all;
    }

    std::vector<ProjectTotal> m_projects;
    ProjectTotal m_all;
};

TotalsWindow::TotalsWindow(ProjectStore &store, QWidget *parent)
    : QDialog(parent), m_store(store), m_firstDayOfWeek(QLocale().firstDayOfWeek()) {
    createWidgets();
    bindHandlers();
}

TotalsWindow::~TotalsWindow() = default;

void TotalsWindow::createWidgets() {
    setWindowTitle(tr("Totals"));
    setModal(false);
    // Wide enough for the project names and all four columns of figures.
    resize(720, 420);

    m_message = new QLabel(this);
    m_message->setObjectName("TotalsMessage");
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);

    m_model = new TotalsModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName("TotalsTable");
    m_table->setAccessibleName(tr("Totals per project"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    // Largest first at the start; the rows come read in that order.
    header->setSortIndicator(AllTime + 1, Qt::DescendingOrder);
    m_table->setSortingEnabled(true);

    m_copy = new QPushButton(tr("Copy"), this);
    m_copy->setObjectName("CopyButton");
    m_copy->setAccessibleName(tr("Copy"));
    m_copy->setAccessibleDescription(tr("Copies the table as tab-separated text"));
    m_rename = new QPushButton(tr("Rename..."), this);
    m_rename->setObjectName("TotalsRename");
    m_rename->setAccessibleDescription(tr("Renames the selected project"));
    m_delete = new QPushButton(tr("Delete..."), this);
    m_delete->setObjectName("TotalsDelete");
    m_delete->setAccessibleDescription(tr("Deletes the selected project and its recordings"));
    // Enter in the table must not copy, rename or delete.
    for (QPushButton *button : {m_copy, m_rename, m_delete})
        button->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_rename);
    buttons->addWidget(m_delete);
    buttons->addStretch();
    buttons->addWidget(m_copy);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_message);
    layout->addWidget(m_table);
    layout->addLayout(buttons);

    m_midnight.setSingleShot(true);
    m_midnight.setTimerType(Qt::PreciseTimer);
    showOnlyText(tr("No project database is open"));
}

void TotalsWindow::bindHandlers() {
    connect(m_copy, &QPushButton::clicked, this, guarded([this] { copyTable(); }));
    bindHandler(this, m_rename, &TotalsWindow::renameSelected);
    bindHandler(this, m_delete, &TotalsWindow::deleteSelected);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            guarded([this] { updateButtons(); }));
    connect(&m_midnight, &QTimer::timeout, this, guarded([this] { refresh(); }));
    connect(&m_store, &ProjectStore::recordsChanged, this, guarded([this] { refresh(); }));
}

void TotalsWindow::setFirstDayOfWeek(int day) {
    m_firstDayOfWeek = day;
    refresh();
}

void TotalsWindow::showAndRaise() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TotalsWindow::refresh() {
    if (!isVisible())
        return;
    TimeDate now;
    now.SetNow();
    const PeriodCalendar calendar({now.Year(), now.Month(), now.Day()}, m_firstDayOfWeek);
    const RecordTotals totals = m_store.totals(calendar);
    switch (totals.status) {
    case RecordTotals::NotOpen:
        showOnlyText(tr("No project database is open"));
        break;
    case RecordTotals::Failed:
        showOnlyText(
            tr("The time records cannot be read: %1").arg(QString::fromStdString(totals.error)));
        break;
    case RecordTotals::Read:
        showTotals(totals);
        break;
    }
    armMidnightTimer();
}

void TotalsWindow::showTotals(const RecordTotals &totals) {
    m_model->setTotals(totals.projects, totals.all);
    const QHeaderView *header = m_table->horizontalHeader();
    // The rows come largest first; another order the user chose stays.
    if (header->sortIndicatorSection() != AllTime + 1 ||
        header->sortIndicatorOrder() != Qt::DescendingOrder)
        m_model->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    m_message->hide();
    m_table->show();
    for (QPushButton *button : {m_copy, m_rename, m_delete})
        button->show();
    updateButtons();
}

void TotalsWindow::showOnlyText(const QString &text) {
    m_model->setTotals({}, {});
    m_message->setText(text);
    m_message->setAccessibleName(text);
    m_message->show();
    m_table->hide();
    for (QPushButton *button : {m_copy, m_rename, m_delete})
        button->hide();
}

// A timer rather than a watch on the date: it costs nothing between midnights.
// The next day is found again after each read, so a timer that fires early
// only reads once more.
void TotalsWindow::armMidnightTimer() {
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 untilMidnight = now.msecsTo(now.date().addDays(1).startOfDay());
    m_midnight.start(static_cast<int>(std::clamp<qint64>(untilMidnight + 1, 1, 25 * 3600 * 1000)));
}

QString TotalsWindow::tableText() const {
    if (m_table->isHidden())
        return {};
    QStringList lines;
    QStringList titles;
    for (int column = 0; column < ColumnCount; ++column)
        titles << columnTitle(column);
    lines << titles.join('\t');
    for (int row = 0; row < m_model->rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < ColumnCount; ++column)
            fields << m_model->text(row, column).replace('\t', ' ');
        lines << fields.join('\t');
    }
    return lines.join('\n') + '\n';
}

void TotalsWindow::copyTable() {
    QApplication::clipboard()->setText(tableText());
}

void TotalsWindow::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        refresh();
}

void TotalsWindow::hideEvent(QHideEvent *event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        m_midnight.stop();
}

void TotalsWindow::setRecordedProject(std::function<std::string()> recorded) {
    m_recorded = std::move(recorded);
}

// The selected row's project, when it is one the store has by that name: the
// rows of an ID without a name ("#7") or without a project, and the All
// projects row, are no project that can be renamed or deleted.
std::optional<std::string> TotalsWindow::selectedProject() const {
    const QModelIndexList selected = m_table->selectionModel()->selectedRows();
    if (selected.size() != 1)
        return std::nullopt;
    std::optional<std::string> name = m_model->projectName(selected.front().row());
    if (!name)
        return std::nullopt;
    const StoreOutcome<int32_t> stored = m_store.findProject(*name);
    if (!stored || *stored < 1)
        return std::nullopt;
    return name;
}

void TotalsWindow::updateButtons() {
    const bool project = selectedProject().has_value();
    m_rename->setEnabled(project);
    m_delete->setEnabled(project);
}

// Its journal and the row Stop stores name the project by its ID and name.
bool TotalsWindow::refusedWhileRecorded(const std::string &name) const {
    if (!m_recorded || m_recorded() != name)
        return false;
    showMessage(tr("Stop the recording of %1 first.")
                    .arg(QString::fromStdString(oneLine(name)))
                    .toStdString(),
                tr("Totals").toStdString());
    return true;
}

// The new name, as the project box takes one: any characters, not empty
// once cleaned as the box's names are. None when the user cancelled.
std::optional<std::string> TotalsWindow::askNewName(const std::string &name) {
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Totals"));
    // An ampersand in the name is shown, not taken for the label's shortcut.
    auto *label = new QLabel(
        tr("&New name for %1:").arg(QString::fromStdString(oneLine(name)).replace('&', "&&")));
    auto *field = new QLineEdit(QString::fromStdString(name));
    label->setBuddy(field);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(field);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    connect(field, &QLineEdit::textChanged, buttons, [buttons](const QString &text) {
        buttons->button(QDialogButtonBox::Ok)
            ->setEnabled(!projectNameOf(text.toStdString()).empty());
    });
    field->selectAll();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const std::string typed = projectNameOf(field->text().toStdString());
    if (typed.empty())
        return std::nullopt;
    return typed;
}

// A name another project has merges the two after a question: the selected
// project's recordings go to the other, and the selected project goes.
void TotalsWindow::renameSelected() {
    const std::optional<std::string> name = selectedProject();
    if (!name || refusedWhileRecorded(*name))
        return;
    const std::optional<std::string> newName = askNewName(*name);
    if (!newName || *newName == *name || refusedWhileRecorded(*name))
        return;
    const StoreOutcome<int32_t> taken = m_store.findProject(*newName);
    if (!taken) {
        showStoreError(taken.error());
        return;
    }
    if (*taken < 1) {
        if (const StoreStatus renamed = m_store.renameProject(*name, *newName); !renamed) {
            showStoreError(renamed.error());
            return;
        }
    } else {
        const StoreOutcome<RowsSummary> moving = m_store.projectSummary(*name);
        if (!moving) {
            showStoreError(moving.error());
            return;
        }
        const QString into = QString::fromStdString(oneLine(*newName));
        const QString question = tr("%1 already exists. Move its %2 to %1 and remove %3?")
                                     .arg(into, QString::fromStdString(recordingsText(*moving)),
                                          QString::fromStdString(oneLine(*name)));
        if (!askYesNo(question.toStdString(), tr("Totals").toStdString()) ||
            refusedWhileRecorded(*name))
            return;
        if (const StoreOutcome<RowsSummary> merged = m_store.mergeProject(*name, *newName);
            !merged) {
            showStoreError(merged.error());
            return;
        }
    }
    emit projectRenamed(QString::fromStdString(*name), QString::fromStdString(*newName));
}

void TotalsWindow::deleteSelected() {
    const std::optional<std::string> name = selectedProject();
    if (!name || refusedWhileRecorded(*name))
        return;
    const StoreOutcome<RowsSummary> going = m_store.projectSummary(*name);
    if (!going) {
        showStoreError(going.error());
        return;
    }
    const QString question = tr("Delete %1 and its %2?")
                                 .arg(QString::fromStdString(oneLine(*name)),
                                      QString::fromStdString(recordingsText(*going)));
    if (!askYesNo(question.toStdString(), tr("Totals").toStdString()) ||
        refusedWhileRecorded(*name))
        return;
    if (const StoreOutcome<RowsSummary> deleted = m_store.deleteProject(*name); !deleted)
        showStoreError(deleted.error());
}
