// SPDX-License-Identifier: MIT
#include "projects/HistoryWindow.h"

#include "common/Text.h"
#include "platform/Dialogs.h"
#include "platform/Widgets.h"
#include "projects/AddTimeDialog.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <map>
#include <optional>

namespace {

enum Column { ProjectColumn, DateColumn, StartColumn, MinutesColumn, ColumnCount };
const char *const ColumnTitles[ColumnCount] = {
    QT_TRANSLATE_NOOP("HistoryWindow", "Project"), QT_TRANSLATE_NOOP("HistoryWindow", "Date"),
    QT_TRANSLATE_NOOP("HistoryWindow", "Start"), QT_TRANSLATE_NOOP("HistoryWindow", "Minutes")};
// The period box's entries, in the order of Period.
const char *const PeriodNames[PeriodCount] = {QT_TRANSLATE_NOOP("HistoryWindow", "Today"),
                                              QT_TRANSLATE_NOOP("HistoryWindow", "This week"),
                                              QT_TRANSLATE_NOOP("HistoryWindow", "This month"),
                                              QT_TRANSLATE_NOOP("HistoryWindow", "All time")};

std::string dateText(const HistoryRow &row) {
    return std::to_string(row.year) + "-" + twoDigits(row.month) + "-" + twoDigits(row.day);
}

std::string startText(const HistoryRow &row) {
    return twoDigits(row.hours) + ":" + twoDigits(row.minutes) + ":" + twoDigits(row.seconds);
}

QString columnTitle(int column) {
    return QCoreApplication::translate("HistoryWindow", ColumnTitles[column]);
}

} // namespace

// The filtered rows, read a page at a time as the view asks for them: the
// count once per reset, then only the pages on screen, a few of them kept.
// So a million rows open as fast as a hundred, and a jump of the scroll bar
// reads one or two pages.
class HistoryModel : public QAbstractTableModel {
public:
    static constexpr int64_t PageRows = 100;
    static constexpr size_t KeptPages = 16;

    HistoryModel(ProjectStore &store, QObject *parent)
        : QAbstractTableModel(parent), m_store(store) {}

    // Reads the count through the filter anew and forgets every page.
    StoreOutcome<int64_t> reset(HistoryFilter filter) {
        beginResetModel();
        m_filter = std::move(filter);
        m_pages.clear();
        const StoreOutcome<int64_t> count = m_store.historyCount(m_filter);
        m_count = count ? std::min<int64_t>(*count, INT_MAX) : 0;
        endResetModel();
        return count;
    }

    // The row, read when it is not kept; nullptr when it cannot be read.
    const HistoryRow *row(int64_t index) const {
        if (index < 0 || index >= m_count)
            return nullptr;
        const int64_t page = index / PageRows;
        auto kept = m_pages.find(page);
        if (kept == m_pages.end()) {
            readFrom(page);
            kept = m_pages.find(page);
        }
        const size_t at = static_cast<size_t>(index - page * PageRows);
        return at < kept->second.size() ? &kept->second[at] : nullptr;
    }

    // Reads the page and the one after it in one query: a view painted from
    // this page on reaches into the next one at most, and a page deep down
    // costs mostly the rows skipped to reach it, which are skipped once.
    void readFrom(int64_t page) const {
        const bool nextKept = m_pages.count(page + 1) > 0;
        const int64_t pages = nextKept ? 1 : 2;
        while (m_pages.size() + static_cast<size_t>(pages) > KeptPages) {
            // The page farthest from this one is the least likely to be shown
            // again soon.
            auto farthest = std::max_element(
                m_pages.begin(), m_pages.end(), [page](const auto &a, const auto &b) {
                    return std::llabs(a.first - page) < std::llabs(b.first - page);
                });
            m_pages.erase(farthest);
        }
        // A page that cannot be read is kept empty, so painting does not ask
        // for it again and again.
        StoreOutcome<std::vector<HistoryRow>> rows =
            m_store.history(m_filter, page * PageRows, pages * PageRows);
        std::vector<HistoryRow> read = rows ? *rows : std::vector<HistoryRow>{};
        const auto split = read.begin() + std::min<ptrdiff_t>(PageRows, std::ssize(read));
        if (!nextKept)
            m_pages[page + 1] = std::vector<HistoryRow>(split, read.end());
        read.erase(split, read.end());
        m_pages[page] = std::move(read);
    }

    int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_count);
    }
    int columnCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : ColumnCount;
    }

    QVariant data(const QModelIndex &index, int role) const override {
        if (!index.isValid())
            return {};
        if (role == Qt::TextAlignmentRole)
            return index.column() == MinutesColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return {};
        const HistoryRow *shown = row(index.row());
        if (!shown)
            return {};
        switch (index.column()) {
        case ProjectColumn:
            return oneLineText(shown->project);
        case DateColumn:
            return QString::fromStdString(dateText(*shown));
        case StartColumn:
            return QString::fromStdString(startText(*shown));
        case MinutesColumn:
            return QString::number(shown->minutesWorked);
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

private:
    ProjectStore &m_store;
    HistoryFilter m_filter;
    int64_t m_count = 0;
    mutable std::map<int64_t, std::vector<HistoryRow>> m_pages;
};

HistoryWindow::HistoryWindow(ProjectStore &store, QWidget *parent)
    : QDialog(parent), m_store(store), m_firstDayOfWeek(QLocale().firstDayOfWeek()) {
    createWidgets();
    bindHandlers();
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::createWidgets() {
    setWindowTitle(tr("History"));
    setModal(false);
    resize(520, 480);

    m_project = new QComboBox(this);
    m_project->setObjectName("HistoryProject");
    m_project->setAccessibleName(tr("Project"));
    m_project->addItem(tr("All projects"));
    m_period = new QComboBox(this);
    m_period->setObjectName("HistoryPeriod");
    m_period->setAccessibleName(tr("Period"));
    for (const char *name : PeriodNames)
        m_period->addItem(tr(name));
    m_period->setCurrentIndex(AllTime);

    auto *projectLabel = new QLabel(tr("&Project:"), this);
    projectLabel->setBuddy(m_project);
    auto *periodLabel = new QLabel(tr("P&eriod:"), this);
    periodLabel->setBuddy(m_period);
    auto *filters = new QHBoxLayout;
    filters->addWidget(projectLabel);
    filters->addWidget(m_project, 1);
    filters->addSpacing(12);
    filters->addWidget(periodLabel);
    filters->addWidget(m_period);

    m_message = new QLabel(this);
    m_message->setObjectName("HistoryMessage");
    m_message->setWordWrap(true);
    m_message->hide();

    m_model = new HistoryModel(m_store, this);
    m_table = new QTableView(this);
    m_table->setObjectName("HistoryTable");
    m_table->setAccessibleName(tr("Recordings"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    m_table->installEventFilter(this);
    // Every row is one line high, so the view never measures a row: it
    // reads only the rows it paints.
    QHeaderView *rows = m_table->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    // Fixed widths for the same reason: fitting a column to its contents
    // would read every row.
    QHeaderView *columns = m_table->horizontalHeader();
    const QFontMetrics metrics = fontMetrics();
    const int padding = 3 * metrics.horizontalAdvance(u' ') + 8;
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setSectionResizeMode(ProjectColumn, QHeaderView::Stretch);
    // As wide as the widest value or the title, whichever the language makes
    // wider.
    const auto fit = [&](int column, const char *widest) {
        columns->resizeSection(column, std::max(metrics.horizontalAdvance(widest),
                                                metrics.horizontalAdvance(columnTitle(column))) +
                                           padding);
    };
    fit(DateColumn, "0000-00-00");
    fit(StartColumn, "00:00:00");
    fit(MinutesColumn, "");

    m_edit = new QPushButton(tr("Edit..."), this);
    m_edit->setObjectName("HistoryEdit");
    m_edit->setAccessibleDescription(tr("Edits the selected recording"));
    m_delete = new QPushButton(tr("Delete"), this);
    m_delete->setObjectName("HistoryDelete");
    m_delete->setAccessibleDescription(tr("Deletes the selected recordings"));
    m_close = new QPushButton(tr("Close"), this);
    m_close->setObjectName("HistoryClose");
    // Enter in the table edits its row; no button acts on a stray Enter.
    for (QPushButton *button : {m_edit, m_delete, m_close})
        button->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_edit);
    buttons->addWidget(m_delete);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_message);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
    updateButtons();
}

void HistoryWindow::bindHandlers() {
    bindHandler(this, m_edit, &HistoryWindow::editCurrent);
    bindHandler(this, m_delete, &HistoryWindow::deleteSelected);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_table, &QTableView::doubleClicked, this, guarded([this] { editCurrent(); }));
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            guarded([this] { updateButtons(); }));
    connect(m_project, &QComboBox::activated, this, guarded([this] { projectChosen(); }));
    connect(m_period, &QComboBox::activated, this, guarded([this] { refresh(); }));
    connect(&m_store, &ProjectStore::projectsChanged, this, guarded([this] { fillProjects(); }));
    connect(&m_store, &ProjectStore::recordsChanged, this, guarded([this] { refresh(); }));
}

void HistoryWindow::setFirstDayOfWeek(int day) {
    m_firstDayOfWeek = day;
    refresh();
}

void HistoryWindow::showAndRaise() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void HistoryWindow::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        fillProjects();
        refresh();
    }
}

// Enter edits the current row and Delete deletes the selected ones, as the
// buttons do.
bool HistoryWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            runGuarded([this] { editCurrent(); });
            return true;
        }
        if (key == Qt::Key_Delete) {
            runGuarded([this] { deleteSelected(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The chosen project stays chosen by its name; one that is gone (renamed,
// merged, deleted) gives way to all projects.
void HistoryWindow::fillProjects() {
    const int chosenIndex = m_project->currentIndex();
    const QString chosen = m_project->currentText();
    const StoreOutcome<std::vector<std::string>> names = m_store.projectsByName();
    m_project->clear();
    m_project->addItem(tr("All projects"));
    if (names)
        for (const std::string &name : *names)
            m_project->addItem(QString::fromStdString(name));
    const int found = chosenIndex > 0 ? m_project->findText(chosen, Qt::MatchExactly) : -1;
    m_project->setCurrentIndex(found > 0 ? found : 0);
    if (chosenIndex > 0 && found <= 0)
        refresh();
}

void HistoryWindow::projectChosen() {
    if (m_project->currentIndex() > 0 && !m_prepared) {
        // Without the index a project's rows are read all the same, only
        // slower, as from a file that cannot be written.
        m_prepared = true;
        (void)m_store.prepareHistory();
    }
    refresh();
}

HistoryFilter HistoryWindow::filter() const {
    TimeDate now;
    now.SetNow();
    std::optional<std::string> project;
    // By index: "All projects" may be a project's name too.
    if (m_project->currentIndex() > 0)
        project = m_project->currentText().toStdString();
    return HistoryFilter::ofPeriod(
        static_cast<Period>(std::clamp(m_period->currentIndex(), 0, static_cast<int>(AllTime))),
        {now.Year(), now.Month(), now.Day()}, m_firstDayOfWeek, std::move(project));
}

// Read anew while shown; a hidden window reads when it is shown again. The
// current row and the scrolling stay where they were, as far as the rows
// still reach.
void HistoryWindow::refresh() {
    if (!isVisible())
        return;
    const int current = m_table->currentIndex().row();
    const int scrolled = m_table->verticalScrollBar()->value();
    const StoreOutcome<int64_t> count = m_model->reset(filter());
    if (count) {
        m_message->hide();
    } else {
        m_message->setText(tr("The time records cannot be read: %1")
                               .arg(QString::fromStdString(count.error().message())));
        m_message->show();
    }
    m_table->verticalScrollBar()->setValue(scrolled);
    if (current >= 0 && m_model->rowCount() > 0)
        m_table->setCurrentIndex(m_model->index(std::min(current, m_model->rowCount() - 1), 0));
    updateButtons();
}

std::vector<HistoryRow> HistoryWindow::selectedRows() const {
    std::vector<HistoryRow> rows;
    QModelIndexList selected = m_table->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end());
    for (const QModelIndex &index : selected)
        if (const HistoryRow *row = m_model->row(index.row()))
            rows.push_back(*row);
    return rows;
}

void HistoryWindow::updateButtons() {
    const bool any = m_table->selectionModel()->hasSelection();
    m_edit->setEnabled(any);
    m_delete->setEnabled(any);
}

// The current row, one of the selected ones; the dialog stores through the
// store, which refuses a row changed meanwhile.
void HistoryWindow::editCurrent() {
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || !m_table->selectionModel()->isRowSelected(current.row()))
        return;
    const HistoryRow *shown = m_model->row(current.row());
    if (!shown)
        return;
    const HistoryRow row = *shown;
    QStringList names;
    if (const StoreOutcome<ProjectStore::ProjectNames> stored = m_store.projectNames())
        for (const std::string &name : stored->names)
            names << QString::fromStdString(name);
    auto store = [this, row](const AddedTime &edited) {
        const StoreOutcome<TimesRow> replaced =
            m_store.editRow(row, edited.project, edited.start, edited.minutes);
        if (!replaced)
            showMessage(replaced.error().message(), replaced.error().caption);
        return replaced.ok();
    };
    auto *dialog = new AddTimeDialog(names, QString::fromStdString(row.project), store, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->editTime(
        {row.project,
         TimeDate(static_cast<int16_t>(row.year), static_cast<int16_t>(row.month),
                  static_cast<int16_t>(row.day), static_cast<int16_t>(row.hours),
                  static_cast<int16_t>(row.minutes), static_cast<int16_t>(row.seconds), 0),
         row.minutesWorked});
    dialog->open();
}

void HistoryWindow::deleteSelected() {
    const std::vector<HistoryRow> rows = selectedRows();
    if (rows.empty())
        return;
    RowsSummary going{static_cast<int64_t>(rows.size()), 0};
    for (const HistoryRow &row : rows)
        going.minutes += row.minutesWorked;
    const QString question = tr("Delete %1?").arg(QString::fromStdString(recordingsText(going)));
    if (!askYesNo(question.toStdString(), tr("History").toStdString()))
        return;
    const StoreOutcome<RowsSummary> deleted = m_store.deleteRows(rows);
    if (!deleted)
        showMessage(deleted.error().message(), deleted.error().caption);
}
