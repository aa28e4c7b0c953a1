// SPDX-License-Identifier: MIT
#include "projects/RecordCommands.h"
#include "projects/ProjectSql.h"
#include "projects/SQLite.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

#include <QCommandLineParser>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace {

std::optional<int> run(const QStringList &options) {
    QCommandLineParser parser;
    addRecordOptions(parser);
    EXPECT_TRUE(parser.parse(QStringList{"chimeral"} + options))
        << parser.errorText().toStdString();
    return runRecordCommands(parser);
}

TEST(RecordCommands, OptionsThatDoNotFitEndWithOne) {
    TempCurrentDir dir;
    struct Case {
        QStringList options;
        std::optional<int> code;
    };
    const Case cases[] = {
        {{}, std::nullopt},
        {{"--since", "2024-01-01"}, 1},
        {{"--project", "Alpha"}, 1},
        {{"--report", "--export-csv", "out.csv"}, 1},
        {{"--report", "--since", "2024-02-30"}, 1},
        {{"--export-csv", "out.csv", "--since", "yesterday"}, 1},
        {{"--report"}, 1}, // no database here
    };
    for (const Case &c : cases)
        EXPECT_EQ(run(c.options), c.code) << c.options.join(' ').toStdString();
    EXPECT_FALSE(std::filesystem::exists(dir.file(ProjectDatabaseName)));
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.csv")));
}

TEST(RecordCommands, ExportReadsTheDatabaseOfTheCurrentDirectory) {
    TempCurrentDir dir;
    createDatabaseFileIfMissing(ProjectDatabaseName);
    {
        SQLite db;
        ASSERT_TRUE(db.Open(ProjectDatabaseName, false));
        ASSERT_TRUE(db.Execute(CreateProjectsTableSql));
        ASSERT_TRUE(db.Execute(CreateTimesTableSql));
        ASSERT_TRUE(db.Execute(newProjectSql(1, "Alpha")));
        ASSERT_TRUE(db.Execute("insert into times values (1, 7, 2024, 3, 15, 9, 30, 5)"));
    }
    EXPECT_EQ(run({"--export-csv", "out.csv", "--since", "2024-03-15"}), 0);
    EXPECT_EQ(readFile(dir.file("out.csv")),
              "project,date,start,minutes\r\nAlpha,2024-03-15,09:30:05,7\r\n");
}

} // namespace
