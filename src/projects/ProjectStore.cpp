// SPDX-License-Identifier: MIT
#include "projects/ProjectStore.h"

#include "platform/FileChecks.h"
#include "projects/ProjectSql.h"
#include "projects/RecordingJournal.h"
#include "projects/SQLite.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <limits>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The index History reads one project's rows by, newest first. SQL sees no
// difference with or without it, so a file that has it is read and written as
// before by any program.
constexpr char HistoryIndexSql[] = "create index if not exists times_by_project on times "
                                   "(project, year, month, day, hours, minutes, seconds)";
// How far on a row may move from the start second another row holds.
constexpr int FreeSecondTries = 60;
// SQLite's result code for a broken constraint: the key is taken.
constexpr int ConstraintFailed = 19;

StoreError errorOf(StoreError::Kind kind, const QString &text, const QString &caption) {
    StoreError error;
    error.kind = kind;
    error.text = text.toStdString();
    error.caption = caption.toStdString();
    return error;
}

std::string idList(const std::vector<int32_t> &ids) {
    std::string list;
    for (const int32_t id : ids)
        list += (list.empty() ? "" : ", ") + std::to_string(id);
    return "(" + list + ")";
}

std::string quoted(const std::string &name) {
    return "'" + sqlQuoteText(name) + "'";
}

// The row History showed, as long as it is still the same: its row ID and
// its start as History read it.
std::string historyRowSql(const HistoryRow &row) {
    std::string sql = "rowid = " + std::to_string(row.rowId);
    const std::pair<const char *, int64_t> fields[] = {
        {"year", row.year},   {"month", row.month},     {"day", row.day},
        {"hours", row.hours}, {"minutes", row.minutes}, {"seconds", row.seconds}};
    for (const auto &[column, value] : fields)
        sql += std::string(" and coalesce(cast(") + column +
               " as integer), 0) = " + std::to_string(value);
    return sql;
}

std::string dayCondition(const RecordDay &day, const char *comparison) {
    return std::string("(t.year, t.month, t.day) ") + comparison + " (" + std::to_string(day.year) +
           ", " + std::to_string(day.month) + ", " + std::to_string(day.day) + ")";
}

// Rolls back unless committed, so no failure leaves the database locked.
class ImmediateTransaction {
public:
    explicit ImmediateTransaction(SQLite &db) : m_db(db), m_open(db.Execute("begin immediate")) {}
    ~ImmediateTransaction() {
        if (m_open)
            m_db.Execute("rollback");
    }
    ImmediateTransaction(const ImmediateTransaction &) = delete;
    ImmediateTransaction &operator=(const ImmediateTransaction &) = delete;
    bool open() const { return m_open; }
    // A commit that fails (still busy) is rolled back with the rest.
    bool commit() {
        m_open = !m_db.Execute("commit");
        return !m_open;
    }

private:
    SQLite &m_db;
    bool m_open;
};

} // namespace

std::string StoreError::message(const std::string &note) const {
    if (note.empty())
        return text;
    const bool ended = text.empty() || text.back() == '.';
    return text + (ended ? " " : ". ") + note;
}

HistoryFilter HistoryFilter::ofPeriod(Period period, RecordDay today, int firstDayOfWeek,
                                      std::optional<std::string> project) {
    HistoryFilter filter;
    filter.project = std::move(project);
    if (const auto days = PeriodCalendar(today, firstDayOfWeek).daysOf(period)) {
        filter.from = days->first;
        filter.until = days->second;
    }
    return filter;
}

void ProjectStore::CloseDatabase::operator()(SQLite *database) const {
    delete database;
}

ProjectStore::ProjectStore(QObject *parent) : QObject(parent) {}

ProjectStore::~ProjectStore() = default;

std::string ProjectStore::pathOf(const std::string &name) {
    std::error_code noPath;
    const std::string absolute = std::filesystem::absolute(name, noPath).string();
    return noPath || name.empty() ? name : absolute;
}

StoreStatus ProjectStore::open(const std::string &path, OpenMode mode) {
    close();
    const std::string absolute = pathOf(path);
    // Looked at without opening it: opening a pipe waits for a writer.
    if (const std::string notRegular = notRegularFileReason(absolute); !notRegular.empty())
        return errorOf(StoreError::NotRegularFile,
                       tr("Could not open database file. %1 %2.")
                           .arg(QString::fromStdString(path), QString::fromStdString(notRegular)),
                       tr("Oops"));
    // The file is made before the library is loaded, as start-up always did.
    const bool isNew = mode == OpenMode::Create && createDatabaseFileIfMissing(absolute);
    auto database = std::unique_ptr<SQLite, CloseDatabase>(new SQLite());
    if (database->Status() != 0) {
        StoreError error = errorOf(StoreError::NoLibrary,
                                   tr("Could not attach to SQLite DLL. %1")
                                       .arg(QString::fromStdString(database->ErrorText())),
                                   tr("Oops"));
        error.status = database->Status();
        error.reason = database->ErrorText();
        return error;
    }
    const bool opened = mode == OpenMode::ReadOnly
                            ? database->OpenForReading(absolute)
                            : database->Open(SQLite::uriPath(absolute), false);
    if (!opened) {
        StoreError error = errorOf(StoreError::OpenFailed,
                                   tr("Could not open database file. %1")
                                       .arg(QString::fromStdString(database->ErrorText())),
                                   tr("Oops"));
        error.status = database->Status();
        error.reason = database->ErrorText();
        return error;
    }
    m_database = std::move(database);
    m_path = absolute;
    m_readOnly = mode == OpenMode::ReadOnly;
    if (isNew) {
        if (StoreStatus made = createTables(); !made) {
            close();
            return made;
        }
    }
    return StoreDone{};
}

// A second window started at the same moment may have made them first.
StoreStatus ProjectStore::createTables() {
    const std::pair<const char *, const char *> tables[] = {{CreateProjectsTableSql, "projects"},
                                                            {CreateTimesTableSql, "times"}};
    for (const auto &[sql, name] : tables) {
        if (m_database->Execute(sql))
            continue;
        const StoreOutcome<int64_t> there =
            queryNumber(std::string("select count(*) from sqlite_master where type = 'table' "
                                    "and name = '") +
                        name + "'");
        if (!there || *there != 1)
            return errorOf(StoreError::CreateFailed,
                           tr("Could not create %1 table. ").arg(QLatin1String(name)),
                           tr("Initialization error"));
    }
    return StoreDone{};
}

void ProjectStore::close() {
    m_database.reset();
    m_path.clear();
    m_readOnly = false;
}

bool ProjectStore::isOpen() const {
    return m_database != nullptr;
}

bool ProjectStore::isWritable() const {
    if (!isOpen() || m_readOnly)
        return false;
    const std::string folder = std::filesystem::path(m_path).parent_path().string();
    return faccessat(AT_FDCWD, m_path.c_str(), W_OK, AT_EACCESS) == 0 &&
           faccessat(AT_FDCWD, folder.empty() ? "." : folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

StoreError ProjectStore::notOpen() const {
    return errorOf(StoreError::NotOpen,
                   tr("No project database is open, so no time can be recorded or summed."),
                   tr("Oops"));
}

StoreError ProjectStore::queryFailed(const std::string &sql) const {
    StoreError error = errorOf(
        StoreError::Query,
        tr("Error in query. %1").arg(QString::fromStdString(m_database->ErrorText())), tr("Oops"));
    error.status = m_database->Status();
    error.sql = sql;
    error.reason = m_database->ErrorText();
    return error;
}

StoreError ProjectStore::sqlFailed(const std::string &sql) const {
    StoreError error = errorOf(
        StoreError::Sql,
        tr("Error in SQL command: %1 %2")
            .arg(QString::fromStdString(sql), QString::fromStdString(m_database->ErrorText())),
        tr("SQL error"));
    error.status = m_database->Status();
    error.sql = sql;
    error.reason = m_database->ErrorText();
    return error;
}

StoreOutcome<int64_t> ProjectStore::queryNumber(const std::string &sql) const {
    std::unique_ptr<SQLite_Cursor> cursor(m_database->Query(sql));
    if (!cursor || !cursor->Next())
        return queryFailed(sql);
    if (cursor->ColumnType(0) != SQLite_Cursor::Integer)
        return errorOf(StoreError::UnexpectedResult, tr("Unexpected result from query"),
                       tr("Houston we have a problem"));
    return cursor->ColumnInt64(0, 0);
}

void ProjectStore::changed(bool projects) {
    if (projects)
        emit projectsChanged();
    emit recordsChanged();
}

StoreOutcome<ProjectStore::ProjectNames> ProjectStore::projectNames() const {
    if (!isOpen())
        return notOpen();
    std::unique_ptr<SQLite_Cursor> rows(m_database->Query(ListProjectNamesSql));
    if (!rows)
        return queryFailed(ListProjectNamesSql);
    ProjectNames list;
    while (rows->MoreRows() && rows->Next()) {
        if (rows->ColumnType(0) != SQLite_Cursor::Text) {
            list.complete = false;
            break;
        }
        list.names.push_back(rows->ColumnText(0));
    }
    if (m_database->Status() != 0 && list.complete)
        return queryFailed(ListProjectNamesSql);
    return list;
}

StoreOutcome<std::vector<std::string>> ProjectStore::projectsByName() const {
    if (!isOpen())
        return notOpen();
    const std::string sql =
        "select distinct name from projects where typeof(name) = 'text' order by name";
    std::unique_ptr<SQLite_Cursor> rows(m_database->Query(sql));
    if (!rows)
        return queryFailed(sql);
    std::vector<std::string> names;
    while (rows->MoreRows() && rows->Next())
        names.push_back(rows->ColumnText(0));
    if (m_database->Status() != 0)
        return queryFailed(sql);
    return names;
}

StoreOutcome<int32_t> ProjectStore::findProject(const std::string &name) const {
    if (!isOpen())
        return notOpen();
    const std::string sql = projectIdSql(name);
    std::unique_ptr<SQLite_Cursor> cursor(m_database->Query(sql));
    if (!cursor)
        return queryFailed(sql);
    if (!cursor->Next())
        return cursor->MoreRows() ? StoreOutcome<int32_t>(queryFailed(sql))
                                  : StoreOutcome<int32_t>(0);
    return cursor->ColumnInt(0, 0);
}

StoreOutcome<std::vector<int32_t>> ProjectStore::projectIds(const std::string &name) const {
    const std::string sql = projectIdSql(name);
    std::unique_ptr<SQLite_Cursor> cursor(m_database->Query(sql));
    if (!cursor)
        return queryFailed(sql);
    std::vector<int32_t> ids;
    while (cursor->MoreRows() && cursor->Next())
        if (cursor->ColumnType(0) == SQLite_Cursor::Integer)
            ids.push_back(cursor->ColumnInt(0, 0));
    if (m_database->Status() != 0)
        return queryFailed(sql);
    return ids;
}

// A stored name that is not an integer ID, or a name that finds none, gives
// no ID, so time can never land on the project of an earlier lookup.
StoreOutcome<ProjectLookup> ProjectStore::projectIdFor(const std::string &name) {
    if (!isOpen())
        return notOpen();
    const std::string sql = projectIdSql(name);
    std::unique_ptr<SQLite_Cursor> cursor(m_database->Query(sql));
    if (!cursor)
        return queryFailed(sql);
    const bool found = cursor->Next();
    const int type = found ? cursor->ColumnType(0) : SQLite_Cursor::Null;
    const int32_t id = found ? cursor->ColumnInt(0, 0) : 0;
    cursor.reset();
    if (type == SQLite_Cursor::Null) {
        ImmediateTransaction transaction(*m_database);
        if (!transaction.open())
            return errorOf(StoreError::Query,
                           tr("Error in maximum ID query. %1")
                               .arg(QString::fromStdString(m_database->ErrorText())),
                           tr("Oops"));
        StoreOutcome<ProjectLookup> added = findOrAddProject(name);
        if (!added)
            return added;
        if (!transaction.commit())
            return sqlFailed("commit");
        if (added->created)
            changed(true);
        return added;
    }
    if (type != SQLite_Cursor::Integer)
        return errorOf(StoreError::UnexpectedResult, tr("Unexpected result from query"),
                       tr("Houston we have a problem"));
    if (id < 1)
        return errorOf(StoreError::InvalidProject, tr("Invalid project number"),
                       tr("Houston we have a problem"));
    return ProjectLookup{id, false};
}

// Inside a write transaction: the largest ID is read and the new one written
// under one write lock, so two windows adding a name at the same moment end
// with one project: the second finds the first's row once it gets the lock.
StoreOutcome<ProjectLookup> ProjectStore::findOrAddProject(const std::string &name) {
    const StoreOutcome<int32_t> stored = findProject(name);
    if (!stored)
        return errorOf(StoreError::Query,
                       tr("Error in maximum ID query. %1")
                           .arg(QString::fromStdString(m_database->ErrorText())),
                       tr("Oops"));
    if (*stored > 0)
        return ProjectLookup{*stored, false};
    const StoreError invalid = errorOf(StoreError::InvalidProject, tr("Invalid project number"),
                                       tr("Houston we have a problem"));
    std::unique_ptr<SQLite_Cursor> ids(m_database->Query(AllProjectIdsSql));
    if (!ids)
        return errorOf(StoreError::Query,
                       tr("Error in maximum ID query. %1")
                           .arg(QString::fromStdString(m_database->ErrorText())),
                       tr("Oops"));
    int32_t max = 0;
    while (ids->MoreRows() && ids->Next()) {
        if (ids->ColumnType(0) != SQLite_Cursor::Integer)
            return invalid;
        max = std::max(max, ids->ColumnInt(0, 0));
    }
    if (m_database->Status() != 0)
        return errorOf(StoreError::Query,
                       tr("Error in maximum ID query. %1")
                           .arg(QString::fromStdString(m_database->ErrorText())),
                       tr("Oops"));
    ids.reset();
    // No ID is left above the largest one.
    if (max == std::numeric_limits<int32_t>::max())
        return invalid;
    const std::string sql = newProjectSql(max + 1, name);
    if (!m_database->Execute(sql))
        return sqlFailed(sql);
    return ProjectLookup{max + 1, true};
}

// Inside a write transaction, so nothing takes the second before the insert,
// and no journal chooses one: the seconds journals chose are read once the
// write lock is held.
StoreOutcome<TimesRow> ProjectStore::insertRow(const TimesRow &row,
                                               const BeforeInsert &beforeInsert, int ownJournal) {
    const std::vector<TimeDate> chosen = rowSecondsChosenByJournals(m_path, ownJournal);
    TimesRow stored = row;
    // The row holds whole seconds, as do the seconds journals chose.
    stored.start.millisecond = 0;
    const TimeDate start = stored.start;
    for (int tries = 0; tries < FreeSecondTries;
         ++tries, stored.start = secondAfter(stored.start)) {
        if (std::find(chosen.begin(), chosen.end(), stored.start) != chosen.end())
            continue;
        const StoreOutcome<int64_t> rows = queryNumber(rowsAtSecondSql(stored.start));
        if (!rows)
            return rows.error();
        if (*rows > 0)
            continue;
        const std::string sql = recordTimeSql(stored.project, stored.minutes, stored.start);
        if (beforeInsert && !beforeInsert(stored)) {
            StoreError error = errorOf(StoreError::NotStoredNow, tr("The time was not stored."),
                                       tr("Time Record"));
            error.sql = sql;
            return error;
        }
        if (m_database->Execute(sql))
            return stored;
        if (m_database->Status() != ConstraintFailed)
            return sqlFailed(sql);
    }
    // Every second of the minute is taken: the insert says so in SQLite's
    // words, unless the start is a journal's, which no insert may take.
    const std::string sql = recordTimeSql(stored.project, stored.minutes, start);
    if (std::find(chosen.begin(), chosen.end(), start) == chosen.end() && !m_database->Execute(sql))
        return sqlFailed(sql);
    StoreError error =
        errorOf(StoreError::Sql,
                tr("Error in SQL command: %1 No second is free in the minute from the start.")
                    .arg(QString::fromStdString(sql)),
                tr("SQL error"));
    error.sql = sql;
    return error;
}

StoreOutcome<TimesRow> ProjectStore::storeTime(const TimesRow &row,
                                               const BeforeInsert &beforeInsert, int ownJournal) {
    if (!isOpen())
        return notOpen();
    if (row.minutes <= 0 || row.project <= 0)
        return errorOf(StoreError::TooShort, tr("Not worth recording less than a minute"),
                       tr("Seriously?"));
    ImmediateTransaction transaction(*m_database);
    // Said as the insert that could not be run, as Stop always said it.
    if (!transaction.open())
        return sqlFailed(recordTimeSql(row.project, row.minutes, row.start));
    StoreOutcome<TimesRow> stored = insertRow(row, beforeInsert, ownJournal);
    if (!stored)
        return stored;
    if (!transaction.commit())
        return sqlFailed("commit");
    changed(false);
    return stored;
}

StoreOutcome<TimesRow> ProjectStore::addTime(const std::string &projectName, const TimeDate &start,
                                             int64_t minutes) {
    const std::string name = projectNameOf(projectName);
    if (std::optional<StoreError> refused = typedRowRefused(name, minutes))
        return *refused;
    if (!isOpen())
        return notOpen();
    ImmediateTransaction transaction(*m_database);
    if (!transaction.open())
        return errorOf(StoreError::Query,
                       tr("Error in maximum ID query. %1")
                           .arg(QString::fromStdString(m_database->ErrorText())),
                       tr("Oops"));
    return commitTypedRow(name, start, minutes, [&transaction] { return transaction.commit(); });
}

std::optional<StoreError> ProjectStore::typedRowRefused(const std::string &name, int64_t minutes) {
    if (name.empty())
        return errorOf(StoreError::EmptyName, tr("You must have a project selected!"), tr("Oops"));
    if (minutes <= 0)
        return errorOf(StoreError::TooShort, tr("Not worth recording less than a minute"),
                       tr("Seriously?"));
    return std::nullopt;
}

// Inside a write transaction: the project is found or made, then the row goes
// in at the first free second from its start, and the change is committed.
StoreOutcome<TimesRow> ProjectStore::commitTypedRow(const std::string &name, const TimeDate &start,
                                                    int64_t minutes,
                                                    const std::function<bool()> &commit) {
    const StoreOutcome<ProjectLookup> project = findOrAddProject(name);
    if (!project)
        return project.error();
    const StoreOutcome<TimesRow> stored = insertRow({project->id, start, minutes}, {}, -1);
    if (!stored)
        return stored;
    if (!commit())
        return sqlFailed("commit");
    changed(project->created);
    return stored;
}

StoreOutcome<bool> ProjectStore::hasRow(const TimesRow &row) const {
    if (!isOpen())
        return notOpen();
    const StoreOutcome<int64_t> rows =
        queryNumber(storedRowCountSql(row.project, row.start) +
                    " and minutes_worked = " + std::to_string(row.minutes));
    if (!rows)
        return rows.error();
    return *rows > 0;
}

StoreOutcome<int64_t> ProjectStore::rowsAt(int32_t project, const TimeDate &start) const {
    if (!isOpen())
        return notOpen();
    return queryNumber(storedRowCountSql(project, start));
}

StoreOutcome<int64_t> ProjectStore::minutesSince(int32_t project, int year, int month,
                                                 int day) const {
    if (!isOpen())
        return notOpen();
    const std::string sql = minutesSinceSql(project, year, month, day);
    std::unique_ptr<SQLite_Cursor> sum(m_database->Query(sql));
    if (!sum || !sum->Next())
        return queryFailed(sql);
    // The sum over no row is null: nothing collected.
    if (sum->ColumnType(0) == SQLite_Cursor::Null)
        return int64_t{0};
    if (sum->ColumnType(0) != SQLite_Cursor::Integer)
        return errorOf(StoreError::UnexpectedResult, tr("Unexpected result from query"),
                       tr("Houston we have a problem"));
    return sum->ColumnInt64(0, 0);
}

StoreStatus ProjectStore::eachRow(const std::string &sql,
                                  const std::function<void(SQLite_Cursor &)> &row) const {
    if (!isOpen())
        return notOpen();
    std::unique_ptr<SQLite_Cursor> rows(m_database->Query(sql));
    if (!rows)
        return queryFailed(sql);
    while (rows->MoreRows() && rows->Next())
        row(*rows);
    if (m_database->Status() != 0) {
        StoreError error = queryFailed(sql);
        error.kind = StoreError::ReadFailed;
        return error;
    }
    return StoreDone{};
}

namespace {
// Values other than the whole numbers the program stores (edited in an SQL
// client) become numbers as the report makes them; a missing project stays
// NULL and a missing minute count counts nothing.
constexpr char TotalsRowsSql[] = "select cast(project as integer), year, month, day, "
                                 "cast(minutes_worked as integer) from times";
constexpr char ProjectNamesSql[] = "select ID, cast(name as text) from projects";
} // namespace

// The `times` rows are streamed, so memory grows with the projects, not the
// rows; the sums go per project ID first, as most rows meet an ID met before.
RecordTotals ProjectStore::totals(const PeriodCalendar &calendar) const {
    if (!isOpen())
        return {};
    TotalsCollector sums(calendar);
    StoreStatus read = eachRow(TotalsRowsSql, [&sums](SQLite_Cursor &row) {
        sums.addRow(row.ColumnType(0) == SQLite_Cursor::Integer
                        ? std::optional<int64_t>(row.ColumnInt64(0, 0))
                        : std::nullopt,
                    row.ColumnInt64(1, 0), row.ColumnInt64(2, 0), row.ColumnInt64(3, 0),
                    row.ColumnInt64(4, 0));
    });
    if (read)
        read = eachRow(ProjectNamesSql, [&sums](SQLite_Cursor &row) {
            if (row.ColumnType(0) == SQLite_Cursor::Integer)
                sums.nameProject(row.ColumnInt64(0, 0), row.ColumnText(1));
        });
    if (!read) {
        RecordTotals failed;
        failed.status = RecordTotals::Failed;
        failed.error = read.error().reason;
        return failed;
    }
    return sums.totals();
}

namespace {

// The rows a filter lets through. The filter values are numbers checked by
// parseRecordDay and a name whose quotes are doubled, so no text of the user
// can end the literal it stands in. The project is matched through a list of
// IDs, which keeps `times` the outer loop: rows then come in the order of its
// key with nothing to sort.
std::string recordWhere(const RecordFilter &filter) {
    std::string where;
    auto add = [&where](const std::string &condition) {
        where += (where.empty() ? " where " : " and ") + condition;
    };
    if (filter.since)
        add(dayCondition(*filter.since, ">="));
    if (filter.project)
        add("t.project in (select ID from projects where name = " + quoted(*filter.project) + ")");
    return where;
}

} // namespace

// Rows whose values are not what the program stores (edited by hand in an SQL
// client) still give a line: SQLite's own conversions make them numbers.
StoreStatus ProjectStore::eachRecord(const RecordFilter &filter,
                                     const std::function<void(const RecordLine &)> &line) const {
    const std::string sql = "select cast(coalesce(p.name, '') as text), "
                            "printf('%04d-%02d-%02d', t.year, t.month, t.day), "
                            "printf('%02d:%02d:%02d', t.hours, t.minutes, t.seconds), "
                            "printf('%d', t.minutes_worked) "
                            "from times t left join projects p on p.ID = t.project" +
                            recordWhere(filter) +
                            " order by t.year, t.month, t.day, t.hours, t.minutes, t.seconds";
    return eachRow(sql, [&line](SQLite_Cursor &row) {
        line({row.ColumnText(0), row.ColumnText(1), row.ColumnText(2), row.ColumnText(3)});
    });
}

StoreStatus
ProjectStore::eachProjectSum(const RecordFilter &filter,
                             const std::function<void(const NamedMinutes &)> &sum) const {
    const std::string sql = "select cast(coalesce(p.name, '') as text) as name, "
                            "printf('%d', sum(cast(t.minutes_worked as integer))) "
                            "from times t left join projects p on p.ID = t.project" +
                            recordWhere(filter) + " group by name order by name";
    return eachRow(sql, [&sum](SQLite_Cursor &row) {
        sum({row.ColumnText(0), std::strtoll(row.ColumnText(1).c_str(), nullptr, 10)});
    });
}

namespace {

// The filter as a condition on `times t`; the project's IDs are looked up
// first, so that a single project is read from the key's order with nothing
// to sort.
std::string historyWhere(const HistoryFilter &filter, const std::vector<int32_t> &ids) {
    std::string where;
    auto add = [&where](const std::string &condition) {
        where += (where.empty() ? " where " : " and ") + condition;
    };
    if (filter.project)
        add(ids.size() == 1 ? "t.project = " + std::to_string(ids[0])
                            : "t.project in " + idList(ids));
    if (filter.from)
        add(dayCondition(*filter.from, ">="));
    if (filter.until)
        add(dayCondition(*filter.until, "<="));
    return where;
}

} // namespace

StoreOutcome<int64_t> ProjectStore::historyCount(const HistoryFilter &filter) const {
    if (!isOpen())
        return notOpen();
    std::vector<int32_t> ids;
    if (filter.project) {
        const StoreOutcome<std::vector<int32_t>> found = projectIds(*filter.project);
        if (!found)
            return found.error();
        if (found->empty())
            return int64_t{0};
        ids = *found;
    }
    return queryNumber("select count(*) from times t" + historyWhere(filter, ids));
}

StoreOutcome<std::vector<HistoryRow>> ProjectStore::history(const HistoryFilter &filter,
                                                            int64_t offset, int64_t limit) const {
    if (!isOpen())
        return notOpen();
    std::vector<int32_t> ids;
    if (filter.project) {
        const StoreOutcome<std::vector<int32_t>> found = projectIds(*filter.project);
        if (!found)
            return found.error();
        if (found->empty())
            return std::vector<HistoryRow>{};
        ids = *found;
    }
    // The page's row IDs come from an index alone (the key's, or the
    // project's), so the rows skipped to reach it cost no reads of the table.
    const std::string order = " order by t.year desc, t.month desc, t.day desc, t.hours desc, "
                              "t.minutes desc, t.seconds desc";
    const std::string sql =
        "select t.rowid, p.ID, cast(p.name as text), cast(t.project as integer), "
        "cast(t.year as integer), cast(t.month as integer), cast(t.day as integer), "
        "cast(t.hours as integer), cast(t.minutes as integer), cast(t.seconds as integer), "
        "cast(t.minutes_worked as integer) "
        "from (select t.rowid as shown from times t" +
        historyWhere(filter, ids) + order + " limit " +
        std::to_string(std::max<int64_t>(limit, 0)) + " offset " +
        std::to_string(std::max<int64_t>(offset, 0)) +
        ") page join times t on t.rowid = page.shown left join projects p on p.ID = t.project" +
        order;
    std::unique_ptr<SQLite_Cursor> rows(m_database->Query(sql));
    if (!rows)
        return queryFailed(sql);
    std::vector<HistoryRow> page;
    while (rows->MoreRows() && rows->Next()) {
        HistoryRow row;
        row.rowId = rows->ColumnInt64(0, 0);
        if (rows->ColumnType(1) != SQLite_Cursor::Null)
            row.project = rows->ColumnText(2);
        else if (rows->ColumnType(3) == SQLite_Cursor::Integer)
            row.project = unknownProjectName(rows->ColumnInt64(3, 0));
        else
            row.project = NoProjectName;
        int64_t *fields[] = {&row.year,    &row.month,   &row.day,          &row.hours,
                             &row.minutes, &row.seconds, &row.minutesWorked};
        for (int i = 0; i < 7; ++i)
            *fields[i] = rows->ColumnInt64(4 + i, 0);
        page.push_back(std::move(row));
    }
    if (m_database->Status() != 0)
        return queryFailed(sql);
    return page;
}

StoreStatus ProjectStore::prepareHistory() {
    if (!isOpen())
        return notOpen();
    if (!m_database->Execute(HistoryIndexSql))
        return sqlFailed(HistoryIndexSql);
    return StoreDone{};
}

StoreOutcome<TimesRow> ProjectStore::editRow(const HistoryRow &row, const std::string &projectName,
                                             const TimeDate &start, int64_t minutes) {
    if (!isOpen())
        return notOpen();
    const std::string name = projectNameOf(projectName);
    if (std::optional<StoreError> refused = typedRowRefused(name, minutes))
        return *refused;
    const std::string remove = "delete from times where " + historyRowSql(row);
    ImmediateTransaction transaction(*m_database);
    if (!transaction.open())
        return sqlFailed(remove);
    // The row's project as SQLite writes the value in SQL, whatever its type.
    const std::string projectSql = "select quote(project) from times where " + historyRowSql(row);
    std::unique_ptr<SQLite_Cursor> project(m_database->Query(projectSql));
    if (!project)
        return queryFailed(projectSql);
    if (!project->Next()) {
        if (m_database->Status() != 0)
            return queryFailed(projectSql);
        return errorOf(StoreError::NoSuchRow, tr("The recording was changed or deleted meanwhile."),
                       tr("Oops"));
    }
    const std::string storedProject = project->ColumnText(0);
    project.reset();
    if (!m_database->Execute(remove))
        return sqlFailed(remove);
    // The row's own second is free again, so a start left as it was stays.
    if (name != projectNameOf(row.project))
        return commitTypedRow(name, start, minutes,
                              [&transaction] { return transaction.commit(); });
    int32_t id = 0;
    const char *end = storedProject.data() + storedProject.size();
    const auto [parsed, error] = std::from_chars(storedProject.data(), end, id);
    const bool isId = error == std::errc() && parsed == end;
    const StoreOutcome<TimesRow> stored = insertRow({isId ? id : 0, start, minutes}, {}, -1);
    if (!stored)
        return stored;
    // No project, or a value of another type (a hand edit), is put back as it was.
    const std::string keep =
        "update times set project = " + storedProject + " where rowid = last_insert_rowid()";
    if (!isId && !m_database->Execute(keep))
        return sqlFailed(keep);
    if (!transaction.commit())
        return sqlFailed("commit");
    changed(false);
    return stored;
}

StoreOutcome<RowsSummary> ProjectStore::deleteRows(const std::vector<HistoryRow> &rows) {
    if (!isOpen())
        return notOpen();
    if (rows.empty())
        return RowsSummary{};
    ImmediateTransaction transaction(*m_database);
    if (!transaction.open())
        return sqlFailed("delete from times where " + historyRowSql(rows.front()));
    RowsSummary deleted;
    for (const HistoryRow &row : rows) {
        const std::string where = historyRowSql(row);
        std::unique_ptr<SQLite_Cursor> minutes(m_database->Query(
            "select coalesce(cast(minutes_worked as integer), 0) from times where " + where));
        if (!minutes)
            return queryFailed("select minutes_worked from times where " + where);
        if (!minutes->Next()) {
            if (m_database->Status() != 0)
                return queryFailed("select minutes_worked from times where " + where);
            continue;
        }
        deleted.minutes += minutes->ColumnInt64(0, 0);
        minutes.reset();
        const std::string sql = "delete from times where " + where;
        if (!m_database->Execute(sql))
            return sqlFailed(sql);
        ++deleted.rows;
    }
    if (!transaction.commit())
        return sqlFailed("commit");
    if (deleted.rows > 0)
        changed(false);
    return deleted;
}

// One count per text, each with its language's plural forms; English says
// "1 recording" where the plural form would read "1 recordings".
std::string recordingsText(const RowsSummary &summary) {
    const auto shown = [](int64_t count) {
        return static_cast<int>(std::clamp<int64_t>(count, INT_MIN, INT_MAX));
    };
    const int rows = shown(summary.rows);
    const int minutes = shown(summary.minutes);
    const QString recordings = rows == 1 ? ProjectStore::tr("1 recording")
                                         : ProjectStore::tr("%n recordings", nullptr, rows);
    const QString minutesText = minutes == 1 ? ProjectStore::tr("1 minute")
                                             : ProjectStore::tr("%n minutes", nullptr, minutes);
    return QStringLiteral("%1 (%2)").arg(recordings, minutesText).toStdString();
}

StoreOutcome<RowsSummary> ProjectStore::projectSummary(const std::string &name) const {
    if (!isOpen())
        return notOpen();
    const StoreOutcome<std::vector<int32_t>> ids = projectIds(name);
    if (!ids)
        return ids.error();
    if (ids->empty())
        return errorOf(StoreError::NoSuchProject,
                       tr("There is no project named %1.").arg(QString::fromStdString(name)),
                       tr("Oops"));
    const std::string sql = "select count(*), coalesce(sum(cast(minutes_worked as integer)), 0) "
                            "from times where project in " +
                            idList(*ids);
    std::unique_ptr<SQLite_Cursor> sums(m_database->Query(sql));
    if (!sums || !sums->Next())
        return queryFailed(sql);
    return RowsSummary{sums->ColumnInt64(0, 0), sums->ColumnInt64(1, 0)};
}

StoreStatus ProjectStore::renameProject(const std::string &name, const std::string &newName) {
    if (!isOpen())
        return notOpen();
    const std::string renamed = projectNameOf(newName);
    if (renamed.empty())
        return errorOf(StoreError::EmptyName, tr("You must have a project selected!"), tr("Oops"));
    const std::string sql =
        "update projects set name = " + quoted(renamed) + " where name = " + quoted(name);
    ImmediateTransaction transaction(*m_database);
    if (!transaction.open())
        return sqlFailed(sql);
    const StoreOutcome<std::vector<int32_t>> ids = projectIds(name);
    if (!ids)
        return ids.error();
    if (ids->empty())
        return errorOf(StoreError::NoSuchProject,
                       tr("There is no project named %1.").arg(QString::fromStdString(name)),
                       tr("Oops"));
    if (renamed == name)
        return StoreDone{};
    const StoreOutcome<int32_t> taken = findProject(renamed);
    if (!taken)
        return taken.error();
    if (*taken != 0)
        return errorOf(StoreError::ProjectExists,
                       tr("%1 already exists.").arg(QString::fromStdString(renamed)), tr("Oops"));
    if (!m_database->Execute(sql))
        return sqlFailed(sql);
    if (!transaction.commit())
        return sqlFailed("commit");
    changed(true);
    return StoreDone{};
}

StoreOutcome<RowsSummary> ProjectStore::mergeProject(const std::string &name,
                                                     const std::string &into) {
    if (!isOpen())
        return notOpen();
    ImmediateTransaction transaction(*m_database);
    if (!transaction.open())
        return sqlFailed("begin immediate");
    const StoreOutcome<RowsSummary> moved = projectSummary(name);
    if (!moved)
        return moved;
    const StoreOutcome<std::vector<int32_t>> from = projectIds(name);
    const StoreOutcome<int32_t> target = findProject(into);
    if (!from)
        return from.error();
    if (!target)
        return target.error();
    if (*target < 1)
        return errorOf(StoreError::NoSuchProject,
                       tr("There is no project named %1.").arg(QString::fromStdString(into)),
                       tr("Oops"));
    // A project merged into itself stays as it is.
    if (name == into)
        return RowsSummary{};
    for (const std::string &sql : {"update times set project = " + std::to_string(*target) +
                                       " where project in " + idList(*from),
                                   "delete from projects where name = " + quoted(name)})
        if (!m_database->Execute(sql))
            return sqlFailed(sql);
    if (!transaction.commit())
        return sqlFailed("commit");
    changed(true);
    return moved;
}

StoreOutcome<RowsSummary> ProjectStore::deleteProject(const std::string &name) {
    if (!isOpen())
        return notOpen();
    ImmediateTransaction transaction(*m_database);
    if (!transaction.open())
        return sqlFailed("begin immediate");
    const StoreOutcome<RowsSummary> deleted = projectSummary(name);
    if (!deleted)
        return deleted;
    const StoreOutcome<std::vector<int32_t>> ids = projectIds(name);
    if (!ids)
        return ids.error();
    for (const std::string &sql : {"delete from times where project in " + idList(*ids),
                                   "delete from projects where name = " + quoted(name)})
        if (!m_database->Execute(sql))
            return sqlFailed(sql);
    if (!transaction.commit())
        return sqlFailed("commit");
    changed(true);
    return deleted;
}
