// SPDX-License-Identifier: MIT
#include "projects/TimesRowStore.h"

#include "projects/ProjectSql.h"
#include "projects/RecordingJournal.h"
#include "projects/SQLite.h"

#include <algorithm>
#include <memory>

ImmediateTransaction::ImmediateTransaction(SQLite &db)
    : m_db(db), m_open(db.Execute("begin immediate")) {}

ImmediateTransaction::~ImmediateTransaction() {
    if (m_open)
        m_db.Execute("rollback");
}

bool ImmediateTransaction::commit() {
    m_open = !m_db.Execute("commit");
    return !m_open;
}

namespace {
// Rows at that second, of any project; none when the query fails.
std::optional<int> rowsAt(SQLite &db, const TimeDate &second) {
    std::unique_ptr<SQLite_Cursor> cursor(db.Query(rowsAtSecondSql(second)));
    if (!cursor || !cursor->Next() || cursor->ColumnType(0) != SQLite_Cursor::Integer)
        return std::nullopt;
    return cursor->ColumnInt(0, 0);
}
} // namespace

TimesRowStored storeTimesRowAtFreeSecond(SQLite &db, const TimesRow &wanted,
                                         const TimesRowSeams &seams) {
    constexpr int Constraint = 19;
    constexpr int Tries = 60;
    TimesRowStored result{
        false, wanted, recordTimeSql(wanted.project, wanted.minutes, wanted.start), {}};
    const auto failed = [&result, &db] {
        result.error = db.ErrorText();
        return result;
    };
    ImmediateTransaction transaction(db);
    if (!transaction.open())
        return failed();
    const std::vector<TimeDate> chosen =
        seams.chosenElsewhere ? seams.chosenElsewhere() : std::vector<TimeDate>();
    TimesRow &row = result.row;
    // The row holds whole seconds, as do the seconds journals chose.
    row.start.millisecond = 0;
    for (int tries = 0; tries < Tries; ++tries, row.start = secondAfter(row.start)) {
        result.sql = recordTimeSql(row.project, row.minutes, row.start);
        if (std::find(chosen.begin(), chosen.end(), row.start) != chosen.end())
            continue;
        const std::optional<int> taken = rowsAt(db, row.start);
        if (!taken)
            return failed();
        if (*taken > 0)
            continue;
        if (seams.rowChosen && !seams.rowChosen(row)) {
            result.error = "The recording's journal could not be written.";
            return result;
        }
        if (!db.Execute(result.sql)) {
            if (db.Status() == Constraint)
                continue;
            return failed();
        }
        if (!transaction.commit())
            return failed();
        result.stored = true;
        return result;
    }
    result.sql = recordTimeSql(wanted.project, wanted.minutes, wanted.start);
    result.error = "No second is free in the minute from the start.";
    return result;
}
