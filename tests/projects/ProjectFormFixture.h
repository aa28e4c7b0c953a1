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

// A main window whose start-up reaches the project database step, in the
// temporary current directory, with a set clock. Rows are read back through a
// connection of its own.
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

    // Start-up reads both sound names, so it reaches the database step; the
    // Time Record tab is shown.
    void startWithDatabase() {
        startForm();
        openTab("TimeRecord");
    }

    // Runs statements on the database file through a connection of the test.
    void execute(const std::vector<std::string> &statements) {
        SQLite db;
        ASSERT_TRUE(db.Open(cwd.file("chimeral.db"), false)) << db.ErrorText();
        for (const auto &sql : statements)
            ASSERT_TRUE(db.Execute(sql)) << sql << ": " << db.ErrorText();
    }

    // A database file made before start-up, with these projects stored under
    // the IDs 1, 2, ...
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

    // The Time Record tab as the user works it: the project typed into its
    // box, a button pressed by its name, the text a widget shows.
    void typeProject(const QString &name) { widget<QComboBox>("ProjectBox")->setEditText(name); }
    void click(const char *button) { widget<QPushButton>(button)->click(); }
    QString shown(const char *name) {
        QWidget *shownBy = widget<QWidget>(name);
        if (auto *box = qobject_cast<QComboBox *>(shownBy))
            return box->currentText();
        return shownBy->property("text").toString();
    }
    // The date Get Minutes Since counts from, as year-month-day.
    QString dateShown() {
        return shown("YearEdit") + "-" + shown("MonthEdit") + "-" + shown("DayEdit");
    }

    // Seconds of the recorder's counting, which only a counting timer gives.
    void tick(int seconds) {
        IntervalTimer &counter = timer("TRTimer");
        ASSERT_TRUE(counter.isArmed()) << "the recorder is not counting";
        for (int i = 0; i < seconds; ++i)
            counter.fire();
    }

    // This process's recording journal beside the database.
    static std::string journal() { return recordingJournalPath(ProjectDatabaseName, getpid()); }

    QStringList projectList() const {
        QStringList names;
        auto *box = form->findChild<QComboBox *>("ProjectBox");
        for (int i = 0; box && i < box->count(); ++i)
            names << box->itemText(i);
        return names;
    }

    const SQLite::LibraryNames savedNames = SQLite::libraryNames();
};
