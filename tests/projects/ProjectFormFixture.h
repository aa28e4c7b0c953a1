// SPDX-License-Identifier: MIT
#pragma once

#include "common/TimeDate.h"
#include "projects/ProjectSql.h"
#include "projects/RecordingJournal.h"
#include "projects/SQLite.h"
#include "support/MainFormFixture.h"

#include <QComboBox>
#include <QPushButton>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

// Every row of a query on the database file, through a connection of its own,
// each of its columns read as text or as a number.
inline std::vector<std::vector<std::string>> databaseRows(const std::string &database,
                                                          const std::string &sql, int columns) {
    std::vector<std::vector<std::string>> result;
    SQLite db;
    if (!db.Open(database, true))
        return {{"open failed: " + db.ErrorText()}};
    std::unique_ptr<SQLite_Cursor> cursor(db.Query(sql));
    if (!cursor)
        return {{"query failed: " + db.ErrorText()}};
    while (cursor->Next()) {
        std::vector<std::string> row;
        for (int column = 0; column < columns; ++column)
            row.push_back(cursor->ColumnType(column) == SQLite_Cursor::Text
                              ? cursor->ColumnText(column)
                              : std::to_string(cursor->ColumnInt(column, -1)));
        result.push_back(row);
    }
    return result;
}

// A main window whose options name both sounds, so start-up reaches the
// project database in the temporary current directory; the clock is set.
class ProjectFormTest : public SetClockMainFormTest {
protected:
    ProjectFormTest() { now = {2024, 3, 15, 9, 30, 5, 0}; }
    void SetUp() override {
        SetClockMainFormTest::SetUp();
        std::ofstream(config.filePath("chimeral.ini").toStdString(), std::ios::binary)
            << "ALARMSOUND=alarm.wav\r\nTIMERSOUND=timer.wav\r\n";
    }
    void TearDown() override {
        SetClockMainFormTest::TearDown();
        SQLite::setLibraryNames(savedNames);
    }

    void startWithDatabase() {
        startForm();
        openTab("TimeRecord");
    }

    void execute(const std::vector<std::string> &statements) {
        SQLite db;
        ASSERT_TRUE(db.Open(cwd.file("chimeral.db"), false)) << db.ErrorText();
        for (const auto &sql : statements)
            ASSERT_TRUE(db.Execute(sql)) << sql << ": " << db.ErrorText();
    }

    // A database made before start-up, the projects under the IDs 1, 2, ...
    void storeProjects(const std::vector<std::string> &names) {
        createDatabaseFileIfMissing(ProjectDatabaseName);
        std::vector<std::string> statements{CreateProjectsTableSql, CreateTimesTableSql};
        for (size_t i = 0; i < names.size(); ++i)
            statements.push_back(newProjectSql(static_cast<int32_t>(i + 1), names[i]));
        execute(statements);
    }

    std::vector<std::vector<std::string>> rows(const std::string &sql, int columns) {
        return databaseRows(cwd.file("chimeral.db"), sql, columns);
    }

    std::vector<std::vector<std::string>> timesRows() {
        return rows("select * from times order by year, month, day, hours, minutes, seconds", 8);
    }

    void typeProject(const QString &name) { widget<QComboBox>("ProjectBox")->setEditText(name); }
    void click(const char *button) { widget<QPushButton>(button)->click(); }
    QString shown(const char *name) {
        if (auto *box = widget<QComboBox>(name))
            return box->currentText();
        return widget<QWidget>(name)->property("text").toString();
    }
    // The date Get Minutes Since counts from.
    QString dateShown() {
        return shown("YearEdit") + "-" + shown("MonthEdit") + "-" + shown("DayEdit");
    }

    void tick(int seconds) {
        IntervalTimer &counter = timer("TRTimer");
        ASSERT_TRUE(counter.isArmed()) << "the recorder is not counting";
        for (int i = 0; i < seconds; ++i)
            counter.fire();
    }

    static std::string journal() { return recordingJournalPath(ProjectDatabaseName, getpid()); }

    QStringList projectList() {
        QStringList names;
        for (int i = 0; i < widget<QComboBox>("ProjectBox")->count(); ++i)
            names << widget<QComboBox>("ProjectBox")->itemText(i);
        return names;
    }

    const SQLite::LibraryNames savedNames = SQLite::libraryNames();
};
