// SPDX-License-Identifier: MIT
// The project database: the start-up step that creates, opens and lists it,
// and the operations that look up projects and store recorded time.
#include "projects/TimeRecorder.h"

#include "common/Text.h"
#include "platform/Dialogs.h"
#include "platform/FileChecks.h"
#include "projects/ProjectSql.h"
#include "projects/RecordingJournal.h"
#include "projects/SQLite.h"
#include "projects/TimeRecordRules.h"
#include "ui_TimeRecordPage.h"

#include <filesystem>
#include <limits>

#include <unistd.h>

void TimeRecorder::CloseDatabase::operator()(SQLite *database) const {
    delete database;
}

void TimeRecorder::openProjectDatabase() {
    // A named pipe under the name would hold the window up at its first read.
    if (const std::string notRegular = notRegularFileReason(ProjectDatabaseName);
        !notRegular.empty()) {
        showMessage(std::string("Could not open database file. ") + ProjectDatabaseName + " " +
                        notRegular + ".",
                    "Oops");
        Database.reset();
        setDateFieldsToToday();
        return;
    }
    const bool isNew = createDatabaseFileIfMissing(ProjectDatabaseName);
    Database.reset(new SQLite());
    if (Database->Status() != 0) {
        showMessage("Could not attach to SQLite DLL. " + Database->ErrorText(), "Oops");
        return;
    }
    if (!Database->Open(ProjectDatabaseName, false)) {
        showMessage("Could not open database file. " + Database->ErrorText(), "Oops");
        Database.reset();
    } else {
        std::error_code noPath;
        databasePath = std::filesystem::absolute(ProjectDatabaseName, noPath).string();
        // A second window started at the same moment may have made them first.
        const auto createTable = [this](const char *sql, const char *name) {
            return Database->Execute(sql) ||
                   QueryNumber(std::string("select count(*) from sqlite_master where type = "
                                           "'table' and name = '") +
                               name + "'") == 1;
        };
        if (isNew && !createTable(CreateProjectsTableSql, "projects")) {
            showMessage("Could not create projects table. ", "Initialization error");
            return;
        }
        if (isNew && !createTable(CreateTimesTableSql, "times")) {
            showMessage("Could not create times table. ", "Initialization error");
            return;
        }
        Journal.emplace(ProjectDatabaseName);
        if (fillProjectList() == ProjectListing::NameNotText)
            return;
    }
    setDateFieldsToToday();
    if (projectDatabaseOpen())
        recoverRecordings();
}

// Get Minutes Since starts at today.
void TimeRecorder::setDateFieldsToToday() {
    TRStart.SetNow();
    m_dateFields[0] = QString::number(TRStart.Year());
    m_dateFields[1] = QString::number(TRStart.Month());
    m_dateFields[2] = QString::number(TRStart.Day());
    if (ui) {
        ui->YearEdit->setText(m_dateFields[0]);
        ui->MonthEdit->setText(m_dateFields[1]);
        ui->DayEdit->setText(m_dateFields[2]);
    }
}

// A query that fails is shown and start-up goes on without names; a stored
// name that is not text ends the list, and start-up with it.
TimeRecorder::ProjectListing TimeRecorder::fillProjectList() {
    std::unique_ptr<SQLite_Cursor> names(Database->Query(ListProjectNamesSql));
    if (!names) {
        showMessage("Error in query. " + Database->ErrorText(), "Oops");
        return ProjectListing::QueryFailed;
    }
    // Added in one go: a box that takes its items one by one redoes its
    // text and its list for each, which made a long list slow to start.
    QStringList list;
    bool allText = true;
    while (names->MoreRows() && names->Next()) {
        if (names->ColumnType(0) != SQLite_Cursor::Text) {
            allText = false;
            break;
        }
        list.append(QString::fromStdString(names->ColumnText(0)));
    }
    appendProjectNames(list);
    return allText ? ProjectListing::Complete : ProjectListing::NameNotText;
}

void TimeRecorder::appendProjectName(const std::string &name) {
    appendProjectNames({QString::fromStdString(name)});
}

bool TimeRecorder::listsProject(const std::string &name) const {
    return projectNames().contains(QString::fromStdString(name));
}

// An editable box shows its first item as soon as it gets one; what the user
// typed, or the empty text at start-up, must stay.
void TimeRecorder::appendProjectNames(const QStringList &names) {
    if (names.isEmpty())
        return;
    if (!ui) {
        m_projectNames.append(names);
        return;
    }
    QComboBox *box = ui->ProjectBox;
    const QString typed = box->currentText();
    const bool noneChosen = box->currentIndex() < 0;
    box->addItems(names);
    if (noneChosen) {
        box->setCurrentIndex(-1);
        box->setEditText(typed);
    }
}

// The object is kept after the library failed to load, but it was never
// opened then: only an Open gives it a URI, and a failed Open drops it.
bool TimeRecorder::projectDatabaseOpen() const {
    return Database && !Database->uri().empty();
}

// When start-up ended early for want of an alarm sound, the user is told how
// to get the database.
void TimeRecorder::reportNoDatabase() {
    std::string text = "No project database is open, so no time can be recorded or summed.";
    if (NoAlarmSoundAtStart)
        text += " Set the alarm sound under Options > Sounds and start the program again.";
    showMessage(text, "Oops");
}

bool TimeRecorder::ExecuteCommand(const std::string &sql) {
    if (!projectDatabaseOpen())
        return false;
    const bool ok = Database->Execute(sql);
    if (!ok)
        showMessage("Error in SQL command: " + sql + " " + Database->ErrorText(), "SQL error");
    return ok;
}

int TimeRecorder::QueryNumber(const std::string &sql) {
    if (!projectDatabaseOpen())
        return -1;
    std::unique_ptr<SQLite_Cursor> cursor(Database->Query(sql));
    if (!cursor || !cursor->Next())
        return -1;
    const bool isInteger = cursor->ColumnType(0) == SQLite_Cursor::Integer;
    const int result = cursor->ColumnInt(0, -1);
    // No statement stays pending while the box waits.
    cursor.reset();
    if (isInteger)
        return result;
    showMessage("Unexpected result from query", "Houston we have a problem");
    return -1;
}

// The largest ID is read and the new one written under one write lock, so
// two windows adding a name at the same moment end with one project: the
// second finds the first's row once it gets the lock.
int32_t TimeRecorder::NewProject(const std::string &name) {
    if (!projectDatabaseOpen())
        return -1;
    ImmediateTransaction transaction(*Database);
    if (!transaction.open()) {
        showMessage("Error in maximum ID query. " + Database->ErrorText(), "Oops");
        return -1;
    }
    if (const std::optional<int32_t> added = findProject(name); added && *added > 0) {
        transaction.commit();
        if (!listsProject(name))
            appendProjectName(name);
        return *added;
    }
    std::unique_ptr<SQLite_Cursor> ids(Database->Query(AllProjectIdsSql));
    if (!ids) {
        showMessage("Error in maximum ID query. " + Database->ErrorText(), "Oops");
        return -1;
    }
    int32_t max = 0;
    while (ids->MoreRows() && ids->Next()) {
        if (ids->ColumnType(0) != SQLite_Cursor::Integer)
            return 0;
        max = std::max(max, ids->ColumnInt(0, 0));
    }
    ids.reset();
    // No ID is left above the largest one: the caller reports an invalid project.
    if (max == std::numeric_limits<int32_t>::max())
        return 0;
    const int32_t id = max + 1;
    if (!ExecuteCommand(newProjectSql(id, name)))
        return -1;
    if (!transaction.commit()) {
        showMessage("Error in SQL command: commit " + Database->ErrorText(), "SQL error");
        return -1;
    }
    appendProjectName(name);
    return id;
}

void TimeRecorder::LookupProject() {
    ProjectId = projectIdFor(projectNameOf(projectText().toStdString()));
}

// The ID of a stored name, made as a new project when it is not stored yet.
// Whatever goes wrong leaves no ID (0 or less) and says so, so time can never
// land on the project of an earlier lookup.
int32_t TimeRecorder::projectIdFor(const std::string &name) {
    if (!projectDatabaseOpen()) {
        reportNoDatabase();
        return 0;
    }
    int32_t project = 0;
    std::unique_ptr<SQLite_Cursor> cursor(Database->Query(projectIdSql(name)));
    if (cursor) {
        const bool found = cursor->Next();
        const int type = found ? cursor->ColumnType(0) : SQLite_Cursor::Null;
        const int id = found ? cursor->ColumnInt(0, 0) : 0;
        cursor.reset();
        if (type == SQLite_Cursor::Integer) {
            project = id;
        } else if (type == SQLite_Cursor::Null) {
            project = NewProject(name);
        } else {
            showMessage("Unexpected result from query", "Houston we have a problem");
            return 0;
        }
    }
    if (project < 1)
        showMessage("Invalid project number", "Houston we have a problem");
    return project;
}

// Time added by hand is stored as a recording of that project, start and
// length would be by Stop; nothing is kept when it cannot be.
bool TimeRecorder::storeAddedTime(const std::string &typedName, const TimeDate &start,
                                  int64_t minutes) {
    const std::string name = projectNameOf(typedName);
    if (name.empty()) {
        showMessage("You must have a project selected!", "Oops");
        return false;
    }
    if (!projectDatabaseOpen()) {
        reportNoDatabase();
        return false;
    }
    const int32_t project = projectIdFor(name);
    if (project < 1 || !storeTimesRow({project, start, minutes}, ""))
        return false;
    refreshShownMinutes(name);
    emit timeStored();
    return true;
}

QStringList TimeRecorder::projectNames() const {
    if (!ui)
        return m_projectNames;
    QStringList names;
    for (int i = 0; i < ui->ProjectBox->count(); ++i)
        names << ui->ProjectBox->itemText(i);
    return names;
}

// A store that fails keeps the recording (counters, start, project and
// journal) for the next Stop, close or start-up.
void TimeRecorder::RecordTime() {
    const int64_t minutes = minutesWorked(TRHours, TRMinutes, TRSeconds);
    bool stored = false;
    if (!projectDatabaseOpen()) {
        if (!QuietStore)
            reportNoDatabase();
    } else if (minutes <= 0 || ProjectId <= 0) {
        if (!QuietStore)
            showMessage("Not worth recording less than a minute", "Seriously?");
    } else if (!storeTimesRow(
                   {ProjectId, TRStart, minutes},
                   m_closing ? " The time is kept and will be stored when the "
                               "program next starts in this folder."
                             : " The time is kept; press Stop again to store it.",
                   [this](const TimesRow &row) { return journalRow(row); },
                   Journal ? Journal->descriptor() : -1)) {
        StoreKept = true;
        journalRecording();
        return;
    } else {
        stored = true;
    }
    StoreKept = false;
    dropRecordingJournal();
    TRSeconds = TRMinutes = TRHours = 0;
    if (stored)
        emit timeStored();
}
