// SPDX-License-Identifier: MIT
#include "projects/RecordExport.h"
#include "common/TimeDate.h"
#include "projects/ProjectSql.h"
#include "projects/RecordCommands.h"
#include "projects/SQLite.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

#include <QCommandLineParser>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

// Commas, quotes and line feeds are in the exported rows below. What a
// spreadsheet would run as a formula is shown as text.
TEST(RecordExport, CsvFieldQuotesWhatNeedsItAndGuardsFormulas) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"carriage\rreturn", "\"carriage\rreturn\""},
        {"\"", "\"\"\"\""},
        {"=1+2", "'=1+2"},
        {"+1", "'+1"},
        {"-2", "'-2"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tx", "'\tx"},
        {"\rx", "\"'\rx\""},
        {"=HYPERLINK(\"a\",\"b\")", "\"'=HYPERLINK(\"\"a\"\",\"\"b\"\")\""},
        {"a=b-c", "a=b-c"},
    };
    for (const auto &[text, field] : cases)
        EXPECT_EQ(csvField(text), field) << text;
}

TEST(RecordExport, DaysAreRealCalendarDaysWrittenIso) {
    struct Case {
        const char *text;
        bool valid;
    };
    const Case cases[] = {
        {"2026-12-07", true},  {"2024-02-29", true},  {"2023-02-29", false},  {"2026-13-01", false},
        {"2026-00-10", false}, {"2026-04-31", false}, {"2026-1-01", false},   {"26-12-07", false},
        {"2026/12/07", false}, {"", false},           {"2026-12-07x", false}, {"+026-12-07", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(parseRecordDay(c.text).has_value(), c.valid) << c.text;
    const auto day = parseRecordDay("0987-06-05");
    ASSERT_TRUE(day);
    EXPECT_EQ(day->year * 10000 + day->month * 100 + day->day, 9870605);
    EXPECT_EQ(hoursMinutesText(0), "0:00");
    EXPECT_EQ(hoursMinutesText(6000), "100:00");
}

// The command line's answer to `options`: nothing when they ask for no record
// command, else the exit code.
std::optional<int> runCommand(const QStringList &options) {
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
        EXPECT_EQ(runCommand(c.options), c.code) << c.options.join(' ').toStdString();
    EXPECT_FALSE(std::filesystem::exists(dir.file(ProjectDatabaseName)));
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.csv")));
}

// A database made with the program's own texts through the real library.
class RecordFile : public ::testing::Test {
protected:
    void SetUp() override {
        createDatabaseFileIfMissing(database);
        SQLite db;
        ASSERT_TRUE(db.Open(database, false)) << db.ErrorText();
        std::vector<std::string> statements = {CreateProjectsTableSql, CreateTimesTableSql};
        const char *names[] = {"Comma, Inc.", "Say \"hi\"", "two\nlines", "' or '1'='1",
                               "Caf\u00e9 \u65e5\u672c"};
        for (int id = 1; id <= 5; ++id)
            statements.push_back(newProjectSql(id, names[id - 1]));
        statements.push_back(recordTimeSql(1, 30, TimeDate(2024, 3, 14, 23, 59, 59, 0)));
        statements.push_back(recordTimeSql(2, 45, TimeDate(2024, 3, 15, 0, 0, 0, 0)));
        statements.push_back(recordTimeSql(3, 61, TimeDate(2024, 3, 15, 9, 5, 3, 0)));
        statements.push_back(recordTimeSql(4, 5, TimeDate(2023, 12, 31, 8, 0, 0, 0)));
        statements.push_back(recordTimeSql(5, 120, TimeDate(2025, 1, 1, 10, 0, 0, 0)));
        statements.push_back(recordTimeSql(1, 15, TimeDate(2024, 4, 1, 7, 30, 0, 0)));
        for (const auto &sql : statements)
            ASSERT_TRUE(db.Execute(sql)) << sql << ": " << db.ErrorText();
    }

    struct Run {
        int code;
        std::string out;
        std::string errors;
    };

    // Runs `body` with two temporary files standing for the standard streams.
    template <typename Body> Run capture(Body body) {
        std::FILE *out = std::tmpfile();
        std::FILE *errors = std::tmpfile();
        const int code = body(out, errors);
        Run run{code, contents(out), contents(errors)};
        std::fclose(out);
        std::fclose(errors);
        return run;
    }

    Run exportTo(const std::string &target, const RecordFilter &filter = {},
                 const std::string &source = {}) {
        return capture([&](std::FILE *out, std::FILE *errors) {
            return exportRecordsCsv(source.empty() ? database : source, filter, target, out,
                                    errors);
        });
    }

    Run report(const RecordFilter &filter = {}) {
        return capture([&](std::FILE *out, std::FILE *errors) {
            return reportRecords(database, filter, out, errors);
        });
    }

    static std::string contents(std::FILE *file) {
        std::fflush(file);
        std::rewind(file);
        std::string text;
        char buffer[4096];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            text.append(buffer, got);
        return text;
    }

    std::set<std::string> filesInFolder() const {
        std::set<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(dir.path()))
            names.insert(entry.path().filename().string());
        return names;
    }

    TempCurrentDir dir;
    const std::string database = dir.file("chimeral.db");
    const std::string header = "project,date,start,minutes\r\n";
};

TEST_F(RecordFile, EveryRowWithItsProjectInStartOrder) {
    const std::string before = readFile(database);
    const Run run = exportTo(dir.file("out.csv"));
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(readFile(dir.file("out.csv")),
              header + "' or '1'='1,2023-12-31,08:00:00,5\r\n"
                       "\"Comma, Inc.\",2024-03-14,23:59:59,30\r\n"
                       "\"Say \"\"hi\"\"\",2024-03-15,00:00:00,45\r\n"
                       "\"two\nlines\",2024-03-15,09:05:03,61\r\n"
                       "\"Comma, Inc.\",2024-04-01,07:30:00,15\r\n"
                       "Caf\u00e9 \u65e5\u672c,2025-01-01,10:00:00,120\r\n");
    EXPECT_EQ(readFile(database), before) << "the database must be left as it was";
    EXPECT_EQ(filesInFolder(), (std::set<std::string>{"chimeral.db", "out.csv"}));
}

TEST_F(RecordFile, FiltersBySinceDayAndExactProjectName) {
    struct Case {
        const char *since; // nullptr: no limit
        const char *project;
        std::string rows;
    };
    const Case cases[] = {
        {"2024-03-15", nullptr,
         "\"Say \"\"hi\"\"\",2024-03-15,00:00:00,45\r\n"
         "\"two\nlines\",2024-03-15,09:05:03,61\r\n"
         "\"Comma, Inc.\",2024-04-01,07:30:00,15\r\n"
         "Caf\u00e9 \u65e5\u672c,2025-01-01,10:00:00,120\r\n"},
        {"2024-12-31", nullptr, "Caf\u00e9 \u65e5\u672c,2025-01-01,10:00:00,120\r\n"},
        {nullptr, "' or '1'='1", "' or '1'='1,2023-12-31,08:00:00,5\r\n"},
        {"2024-03-01", "Comma, Inc.",
         "\"Comma, Inc.\",2024-03-14,23:59:59,30\r\n"
         "\"Comma, Inc.\",2024-04-01,07:30:00,15\r\n"},
        {nullptr, "comma, inc.", ""},
        {nullptr, "No such project", ""},
    };
    for (const Case &c : cases) {
        RecordFilter filter;
        if (c.since)
            filter.since = parseRecordDay(c.since);
        if (c.project)
            filter.project = c.project;
        const Run run = exportTo("-", filter);
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(run.out, header + c.rows)
            << (c.since ? c.since : "") << " " << (c.project ? c.project : "");
    }
}

// The target's own rules (mode, links, no regular file) are the safe
// replacement's; here only how a refusal ends the command.
TEST_F(RecordFile, FailuresLeaveNoFileBehind) {
    std::filesystem::create_directory(dir.file("taken"));
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    const std::string before = readFile(database);
    const std::string targets[] = {dir.file("missing/out.csv"), dir.file("taken"), dir.file("pipe"),
                                   ""};
    for (const std::string &target : targets) {
        const Run run = exportTo(target);
        EXPECT_EQ(run.code, 1) << target;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;
        const std::string told = target.empty() ? "chimeral: The option '--export-csv'"
                                                : "chimeral: Could not write " + target + ": ";
        EXPECT_EQ(run.errors.rfind(told, 0), 0u) << run.errors;
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("taken")));
    EXPECT_EQ(filesInFolder(), (std::set<std::string>{"chimeral.db", "pipe", "taken"}));
    EXPECT_EQ(readFile(database), before);

    // A missing database is not created, and a file that holds no records is
    // not taken for an empty one.
    std::ofstream(dir.file("empty.db")) << "";
    for (const std::string &source : {dir.file("nothing.db"), dir.file("empty.db")}) {
        const Run run = exportTo(dir.file("out.csv"), {}, source);
        EXPECT_EQ(run.code, 1) << source;
        EXPECT_NE(run.errors.find(source), std::string::npos) << run.errors;
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.csv")));
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("nothing.db")));
    EXPECT_EQ(readFile(dir.file("empty.db")), "");
}

// By any name, link or hard link, and when --database names the database
// through a link, the database is never the export's target.
TEST_F(RecordFile, AnExportOntoItsOwnDatabaseIsRefused) {
    std::filesystem::create_directory(dir.file("sub"));
    std::filesystem::create_symlink("chimeral.db", dir.file("to-db"));
    std::filesystem::create_hard_link(database, dir.file("hard.db"));
    const std::string before = readFile(database);
    const std::pair<std::string, std::string> cases[] = {
        {database, ""},          {"chimeral.db", ""},       {dir.file("sub/../chimeral.db"), ""},
        {dir.file("to-db"), ""}, {dir.file("hard.db"), ""}, {database, dir.file("to-db")},
    };
    for (const auto &[target, source] : cases) {
        const Run run = exportTo(target, {}, source);
        EXPECT_EQ(run.code, 1) << target;
        EXPECT_NE(run.errors.find("it is the database"), std::string::npos) << run.errors;
    }
    EXPECT_EQ(readFile(database), before);
    EXPECT_EQ(filesInFolder(), (std::set<std::string>{"chimeral.db", "hard.db", "sub", "to-db"}));
}

// A named pipe would hold the command up in its open for good.
TEST_F(RecordFile, ADatabaseThatIsNoRegularFileIsNotOpened) {
    ASSERT_EQ(::mkfifo(dir.file("pipe.db").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.file("folder.db"));
    for (const std::string &source : {dir.file("pipe.db"), dir.file("folder.db")}) {
        const Run exported = exportTo(dir.file("out.csv"), {}, source);
        EXPECT_EQ(exported.code, 1) << source;
        EXPECT_NE(exported.errors.find("not a regular file"), std::string::npos) << exported.errors;
        const Run reported = capture([&](std::FILE *out, std::FILE *errors) {
            return reportRecords(source, {}, out, errors);
        });
        EXPECT_EQ(reported.code, 1) << source;
        EXPECT_NE(reported.errors.find("not a regular file"), std::string::npos) << reported.errors;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.csv")));
}

// The message names the file by its bytes, even where they are not UTF-8 or
// look like a placeholder of the message.
TEST_F(RecordFile, ARefusedFileIsNamedAsItStands) {
    const std::string odd = dir.file("r\xe9"
                                     "cords %2.db");
    std::filesystem::create_directory(odd);
    const Run run = exportTo(dir.file("out.csv"), {}, odd);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(
        run.errors.rfind("chimeral: Could not read the time records in " + odd + ": it is", 0), 0u)
        << run.errors;
}

TEST_F(RecordFile, AnyFileNameIsReadAsItStands) {
    // URI characters in the name must not cut it short or become options.
    const std::string odd = dir.file("my records?mode=rwc#%41.db");
    std::filesystem::copy_file(database, odd);
    const Run run = exportTo("-", {std::nullopt, "' or '1'='1"}, odd);
    EXPECT_EQ(run.code, 0) << run.errors;
    EXPECT_EQ(run.out, header + "' or '1'='1,2023-12-31,08:00:00,5\r\n");
    EXPECT_EQ(filesInFolder(),
              (std::set<std::string>{"chimeral.db", "my records?mode=rwc#%41.db"}));
}

TEST_F(RecordFile, ReadsWhileAnotherConnectionIsWriting) {
    SQLite writer;
    ASSERT_TRUE(writer.Open(database, false));
    ASSERT_TRUE(writer.Execute("begin immediate"));
    ASSERT_TRUE(writer.Execute(recordTimeSql(1, 99, TimeDate(2026, 1, 1, 0, 0, 0, 0))));
    const Run run = exportTo("-", {parseRecordDay("2025-01-01"), std::nullopt});
    EXPECT_EQ(run.code, 0) << run.errors;
    EXPECT_EQ(run.out, header + "Caf\u00e9 \u65e5\u672c,2025-01-01,10:00:00,120\r\n")
        << "only what was committed";
    EXPECT_TRUE(writer.Execute("commit"));
}

TEST_F(RecordFile, ReportSumsEachProjectSortedByName) {
    const Run all = report();
    EXPECT_EQ(all.code, 0);
    EXPECT_EQ(all.out, "minutes  h:mm  project\n"
                       "      5  0:05  ' or '1'='1\n"
                       "    120  2:00  Caf\u00e9 \u65e5\u672c\n"
                       "     45  0:45  Comma, Inc.\n"
                       "     45  0:45  Say \"hi\"\n"
                       "     61  1:01  two lines\n"
                       "    276  4:36  Total\n");
    const Run since = report({parseRecordDay("2024-03-15"), std::nullopt});
    EXPECT_EQ(since.out, "minutes  h:mm  project\n"
                         "    120  2:00  Caf\u00e9 \u65e5\u672c\n"
                         "     15  0:15  Comma, Inc.\n"
                         "     45  0:45  Say \"hi\"\n"
                         "     61  1:01  two lines\n"
                         "    241  4:01  Total\n");
}

// The database of the current directory, or the one --database names.
TEST_F(RecordFile, CommandLineReadsTheDatabaseHereOrTheOneNamed) {
    const std::string rows = header + "Caf\u00e9 \u65e5\u672c,2025-01-01,10:00:00,120\r\n";
    EXPECT_EQ(runCommand({"--export-csv", "out.csv", "--since", "2025-01-01"}), 0);
    EXPECT_EQ(readFile(dir.file("out.csv")), rows);
    std::filesystem::create_directory(dir.file("elsewhere"));
    std::filesystem::rename(database, dir.file("elsewhere/work.db"));
    const QString named = QString::fromStdString(dir.file("elsewhere/work.db"));
    EXPECT_EQ(
        runCommand({"--export-csv", "out2.csv", "--since", "2025-01-01", "--database", named}), 0);
    EXPECT_EQ(readFile(dir.file("out2.csv")), rows);
    EXPECT_EQ(runCommand({"--report", "--database", "elsewhere/work.db"}), 0);
    EXPECT_EQ(runCommand({"--report", "--database", "elsewhere/none.db"}), 1);
    EXPECT_EQ(runCommand({"--database", named}), 1) << "only with a record command";
    EXPECT_FALSE(std::filesystem::exists(dir.file("elsewhere/none.db")));
}

} // namespace
