// SPDX-License-Identifier: MIT
#include "projects/TimeRecordRules.h"

#include "common/Text.h"
#include "projects/exec_obj.h"

int64_t minutesWorked(uint32_t hours, uint32_t minutes, uint32_t seconds) {
    return int64_t{hours} * 60 + minutes + (seconds > 30 ? 1 : 0);
}

std::string elapsedText(uint32_t hours, uint32_t minutes, uint32_t seconds) {
    const std::string hoursPart = hours > 0 ? std::to_string(hours) + ":" : "";
    return hoursPart + twoDigits(minutes) + ":" + twoDigits(seconds);
}

// The button's command line used to be fixed Windows text,
//   D:\projects\objects\SQLite\Tabulon D:\projects\Chimeral\Chimeral.db
// a client program by absolute path, then the database by a fixed absolute
// path, neither of which exists here. Now the client is the first of these
// found on PATH:
//   sqlitebrowser <database>                      (DB Browser for SQLite)
//   x-terminal-emulator -e sqlite3 <database>     (the sqlite3 shell in the
//                                                  desktop's terminal; both needed)
// and the database is the absolute path of the file this run opened, quoted
// for the launcher when it holds blanks or quotes.
namespace {
enum class SqlClient { Browser, TerminalShell, None };

SqlClient installedSqlClient() {
    if (!findProgram("sqlitebrowser").empty())
        return SqlClient::Browser;
    if (!findProgram("x-terminal-emulator").empty() && !findProgram("sqlite3").empty())
        return SqlClient::TerminalShell;
    return SqlClient::None;
}
} // namespace

std::string sqlClientCommand(const std::string &databasePath) {
    const std::string database = quoteCommandWord(databasePath);
    switch (installedSqlClient()) {
    case SqlClient::Browser:
        return "sqlitebrowser " + database;
    case SqlClient::TerminalShell:
        return "x-terminal-emulator -e sqlite3 " + database;
    case SqlClient::None:
        break;
    }
    return {};
}

std::string sqlClientToolTip() {
    switch (installedSqlClient()) {
    case SqlClient::Browser:
        return "Opens the records in DB Browser for SQLite";
    case SqlClient::TerminalShell:
        return "Opens the records in sqlite3 in a terminal";
    case SqlClient::None:
        break;
    }
    return "Install sqlitebrowser to browse the records here";
}
