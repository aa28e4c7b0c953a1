// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

class TimeDate;

// The project database's file and the SQL texts the program runs on it. Only
// files and texts here: the project store runs them, and telling the user
// about a failure is the business of whoever asked the store.
//
// Numbers are spliced as plain decimal. Names go between single quotes with
// every quote in them doubled, so any name, quotes included, is stored and
// found exactly as typed; the texts are otherwise those of the stored
// databases' history and must not change.

// Resolved against the current directory.
inline constexpr char ProjectDatabaseName[] = "chimeral.db";

// Creates the database file empty when nothing of that name exists yet. True
// when the tables still have to be made: the file was missing (even if the
// creation failed: opening the file then fails and says so), or it is empty,
// as a start without the SQLite library leaves it. A file with any content is
// never looked into.
bool createDatabaseFileIfMissing(const std::string &name);

inline constexpr char CreateProjectsTableSql[] =
    "create table projects (ID int primary key,name varchar(20))";
inline constexpr char CreateTimesTableSql[] =
    "create table times (project int,minutes_worked int,year int, month int,day int,hours "
    "int,minutes int,seconds int, primary key (year, month, day, hours, minutes, seconds), "
    "foreign key (project) references projects(ID))";
inline constexpr char ListProjectNamesSql[] = "Select name from projects";
inline constexpr char AllProjectIdsSql[] = "Select id from projects";

// A project's name as typed in the project box, as it is stored and looked
// up: without NUL characters, which would end the SQL text early, and without
// blanks and control characters at either end.
std::string projectNameOf(const std::string &typed);

// Whether a name could have come out of the project box: text (valid UTF-8)
// of one line without control characters, as long as the box's edit field
// takes, not empty and already as projectNameOf() leaves it. Names from
// anywhere but the box (a recording's journal) must pass it.
bool isProjectBoxName(const std::string &name);

// The text with each single quote doubled, for use between single quotes.
std::string sqlQuoteText(const std::string &text);

std::string newProjectSql(int32_t id, const std::string &name);
std::string projectIdSql(const std::string &name);
// One `times` row: the project, the whole minutes worked and the start of the
// recording, which is the row's key.
std::string recordTimeSql(int32_t project, int64_t minutesWorked, const TimeDate &start);
// How many `times` rows of the project start at that second.
std::string storedRowCountSql(int32_t project, const TimeDate &start);
// How many `times` rows, of any project, start at that second: the key.
std::string rowsAtSecondSql(const TimeDate &start);
// Whether that exact row is stored: 1 when it is, 0 when not.
std::string exactRowCountSql(int32_t project, int64_t minutesWorked, const TimeDate &start);
// The sum of a project's minutes over the rows that started on or after the
// given day (whatever the time of day). The ranges are not checked.
std::string minutesSinceSql(int32_t project, int year, int month, int day);
