// SPDX-License-Identifier: MIT
#pragma once

#include "common/TimeDate.h"
#include "projects/RecordExport.h"
#include "projects/RecordTotals.h"
#include "projects/TimesRow.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

class SQLite;
class SQLite_Cursor;

// Why the store did not do what it was asked, in the words the program's
// boxes use. The store shows nothing: the caller shows message() under
// caption(), or tells the user in its own way.
struct StoreError {
    enum Kind {
        NoLibrary,      // the SQLite library could not be loaded
        NotRegularFile, // the path names a folder, a pipe, a device or a socket
        OpenFailed,     // SQLite could not open the file
        CreateFailed,   // a new file's tables could not be made
        NotOpen,        // nothing is open
        Query,          // a query failed
        Sql,            // a statement that changes something failed
        UnexpectedResult,
        InvalidProject, // no project ID can be had for the name
        EmptyName,
        NoSuchProject,
        ProjectExists,
        NoSuchRow,    // the row was changed or removed meanwhile
        TooShort,     // less than a minute
        NotStoredNow, // the caller's callback turned the row down
        ReadFailed,   // a query failed while its rows were read
    };
    Kind kind = Sql;
    // SQLite's result code, 0 when SQLite had no part in it.
    int status = 0;
    // The statement that failed, for Sql.
    std::string sql;
    // SQLite's words for the failure (SQLite::ErrorText), or empty.
    std::string reason;
    std::string text;
    std::string caption;

    // The box's text; a note after it ("The time is kept ...") follows as a
    // sentence of its own.
    std::string message(const std::string &note = {}) const;
};

// A value, or the error that stands in its place.
template <typename T> class StoreOutcome {
public:
    StoreOutcome(T value) : m_value(std::move(value)) {}
    StoreOutcome(StoreError error) : m_value(std::move(error)) {}

    bool ok() const { return m_value.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T &value() const { return std::get<0>(m_value); }
    const T &operator*() const { return value(); }
    const T *operator->() const { return &value(); }
    const StoreError &error() const { return std::get<1>(m_value); }

private:
    std::variant<T, StoreError> m_value;
};

struct StoreDone {};
using StoreStatus = StoreOutcome<StoreDone>;

// A project as a lookup found or made it.
struct ProjectLookup {
    int32_t id = 0;
    bool created = false;
};

// How many rows and minutes a change takes in, for its question and its
// answer ("12 recordings (340 minutes)").
struct RowsSummary {
    int64_t rows = 0;
    int64_t minutes = 0;

    bool operator==(const RowsSummary &) const = default;
};

// The summary as the questions say it: "12 recordings (340 minutes)",
// "1 recording (5 minutes)".
std::string recordingsText(const RowsSummary &summary);

// One row as History shows it, newest first. Values a hand edit left in
// another type are read as numbers, as the report reads them.
struct HistoryRow {
    // Which row it is; the start is checked too, so a database rebuilt
    // meanwhile (new row IDs) cannot make a change hit another row.
    int64_t rowId = 0;
    // As Totals names it: the project's name, "#<ID>" or "(no project)".
    std::string project;
    int64_t year = 0, month = 0, day = 0, hours = 0, minutes = 0, seconds = 0;
    int64_t minutesWorked = 0;

    bool operator==(const HistoryRow &) const = default;
};

// Which rows History shows: those of the projects named exactly `project`
// (all when unset) that started on a day from `from` to `until`, both
// included (no limit when unset).
struct HistoryFilter {
    std::optional<std::string> project;
    std::optional<RecordDay> from;
    std::optional<RecordDay> until;

    // The days of a period around `today`, as Totals counts them.
    static HistoryFilter ofPeriod(Period period, RecordDay today, int firstDayOfWeek,
                                  std::optional<std::string> project = std::nullopt);
};

// The project database: the one owner of the file and of the connection to
// it. It opens and creates the file, finds and creates projects, stores,
// edits and deletes `times` rows, renames, merges and deletes projects (each
// change in one write transaction, so another window or a failure never sees
// or leaves half of it), and reads sums, totals and history. It knows no
// widget and shows no box: every call returns its value or a StoreError, and
// recordsChanged() follows every change that was committed. Single-threaded,
// like the connection under it.
class ProjectStore : public QObject {
    Q_OBJECT
public:
    enum class OpenMode {
        // Creates the file and its two tables when nothing of that name exists
        // yet (or it is empty, as a start without the library leaves it).
        Create,
        // Reads and writes a file that exists.
        Existing,
        // Reads only: nothing in the file can change through the store.
        ReadOnly,
    };

    explicit ProjectStore(QObject *parent = nullptr);
    ~ProjectStore() override;

    // The absolute path of the database file named `name` (chimeral.db in the
    // current folder unless told otherwise); the name itself when no absolute
    // path can be made of it.
    static std::string pathOf(const std::string &name);

    // Opens `path` (closing what was open). A path that exists but is no
    // regular file is refused before anything opens it, so a pipe cannot hang
    // the caller.
    StoreStatus open(const std::string &path, OpenMode mode = OpenMode::Create);
    void close();
    bool isOpen() const;
    // Open for writing, and the file and its folder (where SQLite keeps its
    // rollback journal) writable with the process's rights.
    bool isWritable() const;
    // The absolute path of the open file; empty when none is.
    const std::string &path() const { return m_path; }

    // Projects. Names are compared exactly, as typed into the project box and
    // cleaned by projectNameOf().
    // The stored names in the table's order; `complete` is false when a name
    // that is not text ended the list there.
    struct ProjectNames {
        std::vector<std::string> names;
        bool complete = true;
    };
    StoreOutcome<ProjectNames> projectNames() const;
    // Each text name once, sorted bytewise.
    StoreOutcome<std::vector<std::string>> projectsByName() const;
    // The ID of the first project of that name, 0 when there is none.
    StoreOutcome<int32_t> findProject(const std::string &name) const;
    // The project's ID, made under the next free ID when the name is not
    // stored (the lookup and the insert under one write lock, so two windows
    // adding a name at once make one project).
    StoreOutcome<ProjectLookup> projectIdFor(const std::string &name);

    // The row is stored at its start second, or when another recording took
    // that second, at the next free one (up to a minute on): the minutes are
    // what matters. `beforeInsert` is handed the exact row inside the write
    // transaction, just before the insert, so a journal can hold it; the row
    // is stored only when it returns true. Gives the row as stored.
    // Seconds that the journals beside the file chose for a store that never
    // finished are passed over too (all but `ownJournal`'s, the open journal
    // of the recording being stored), as their rows may be in the file.
    using BeforeInsert = std::function<bool(const TimesRow &)>;
    StoreOutcome<TimesRow> storeTime(const TimesRow &row, const BeforeInsert &beforeInsert = {},
                                     int ownJournal = -1);
    // Time typed in by hand, by the rules editRow() follows: the project is
    // made when the name is new, in the same transaction as the row.
    StoreOutcome<TimesRow> addTime(const std::string &projectName, const TimeDate &start,
                                   int64_t minutes);
    // Whether exactly this row (project, start second and minutes) is stored.
    StoreOutcome<bool> hasRow(const TimesRow &row) const;
    // How many rows of the project start at that second.
    StoreOutcome<int64_t> rowsAt(int32_t project, const TimeDate &start) const;

    // The project's minutes over the rows that started on or after the day
    // (whatever the time of day); 0 when there are none. The day is not
    // checked, as the Time Record tab's fields are not.
    StoreOutcome<int64_t> minutesSince(int32_t project, int year, int month, int day) const;
    // The Totals window's figures, over the store's own connection.
    RecordTotals totals(const PeriodCalendar &calendar) const;

    // The rows the filter lets through for the command line, oldest first,
    // handed one at a time as text: project name ("" for none), date
    // "YYYY-MM-DD", start "hh:mm:ss" and minutes. A failure while the rows are
    // read comes as ReadFailed, after the rows read until then.
    using RecordLine = std::array<std::string, 4>;
    StoreStatus eachRecord(const RecordFilter &filter,
                           const std::function<void(const RecordLine &)> &line) const;
    // The minutes per project name ("" for rows without one), sorted by name.
    struct NamedMinutes {
        std::string name;
        int64_t minutes = 0;
    };
    StoreStatus eachProjectSum(const RecordFilter &filter,
                               const std::function<void(const NamedMinutes &)> &sum) const;

    // History: how many rows the filter lets through, and `limit` of them
    // from `offset` on, newest first. The rows are read from the key's index,
    // so a page costs what it shows plus the rows it skips over in the index.
    // prepareHistory() makes the index by which one project's rows are read
    // (once per file; it takes a while on a large one). Without it, as on a
    // file that cannot be written, a project's rows are read all the same,
    // only slower.
    StoreStatus prepareHistory();
    StoreOutcome<int64_t> historyCount(const HistoryFilter &filter) const;
    StoreOutcome<std::vector<HistoryRow>> history(const HistoryFilter &filter, int64_t offset,
                                                  int64_t limit) const;

    // Replaces a row by the recording typed for it, with Add Time's rules:
    // a project name (made when new), at least a minute, and the start moved
    // on to the next free second when another row has it. A name left as the
    // row shows it keeps the row's project as stored, so a row of a project
    // ID without a name ("#7") or of none ("(no project)") stays so and no
    // project is made of that text. Gives the new row (its project 0 when
    // it has none).
    StoreOutcome<TimesRow> editRow(const HistoryRow &row, const std::string &projectName,
                                   const TimeDate &start, int64_t minutes);
    // Removes the rows that are still stored; gives how many and their minutes.
    StoreOutcome<RowsSummary> deleteRows(const std::vector<HistoryRow> &rows);

    // The rows and minutes of the projects of that name, for the questions.
    StoreOutcome<RowsSummary> projectSummary(const std::string &name) const;
    // Gives the project a name no other project has.
    StoreStatus renameProject(const std::string &name, const std::string &newName);
    // Moves the rows of the projects named `name` to the project `into` and
    // removes them. Rows are keyed by their start alone, so no moved row
    // meets another; gives what was moved.
    StoreOutcome<RowsSummary> mergeProject(const std::string &name, const std::string &into);
    // Removes the projects of that name and their rows; gives what went.
    StoreOutcome<RowsSummary> deleteProject(const std::string &name);

signals:
    // A change was committed: a row stored, edited or deleted, or a project
    // made, renamed, merged or deleted.
    void recordsChanged();
    // ... and of these, one that changed the project names.
    void projectsChanged();

private:
    StoreError notOpen() const;
    StoreError queryFailed(const std::string &sql) const;
    StoreError sqlFailed(const std::string &sql) const;
    StoreStatus createTables();
    StoreOutcome<std::vector<int32_t>> projectIds(const std::string &name) const;
    StoreOutcome<ProjectLookup> findOrAddProject(const std::string &name);
    StoreOutcome<TimesRow> insertRow(const TimesRow &row, const BeforeInsert &beforeInsert,
                                     int ownJournal);
    // A row typed by hand (Add Time, an edit): its checks, and its store
    // inside the caller's transaction, which `commit` ends.
    static std::optional<StoreError> typedRowRefused(const std::string &name, int64_t minutes);
    StoreOutcome<TimesRow> commitTypedRow(const std::string &name, const TimeDate &start,
                                          int64_t minutes, const std::function<bool()> &commit);
    StoreStatus eachRow(const std::string &sql,
                        const std::function<void(SQLite_Cursor &)> &row) const;
    StoreOutcome<int64_t> queryNumber(const std::string &sql) const;
    void changed(bool projects);

    struct CloseDatabase {
        void operator()(SQLite *database) const;
    };
    std::unique_ptr<SQLite, CloseDatabase> m_database;
    std::string m_path;
    bool m_readOnly = false;
};
