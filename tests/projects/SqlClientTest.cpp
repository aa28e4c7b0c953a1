// SPDX-License-Identifier: MIT
#include "ProjectFormFixture.h"
#include "projects/TimeRecordRules.h"
#include "support/ChildProcess.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// PATH holds only the programs a test puts into the folder bin/.
class SqlClient : public ProjectFormTest {
protected:
    void SetUp() override {
        ProjectFormTest::SetUp();
        const char *path = std::getenv("PATH");
        savedPath = path ? path : "";
        std::filesystem::create_directory(bin);
        setenv("PATH", bin.c_str(), 1);
    }
    void TearDown() override {
        setenv("PATH", savedPath.c_str(), 1);
        ProjectFormTest::TearDown();
    }

    void emptyBin() {
        std::filesystem::remove_all(bin);
        std::filesystem::create_directory(bin);
    }
    void install(const std::string &program, const std::string &body = "exit 0") {
        writeScript(bin + "/" + program, body);
    }

    std::string savedPath;
    const std::string bin = cwd.file("bin");
};

TEST_F(SqlClient, TheFirstInstalledClientIsChosenAndNamedInTheToolTip) {
    struct Case {
        std::vector<std::string> installed;
        std::string command;
        std::string toolTip;
    };
    const std::string browser = "Opens the records in DB Browser for SQLite";
    const std::string shell = "Opens the records in sqlite3 in a terminal";
    const std::string none = "Install sqlitebrowser to browse the records here";
    const Case cases[] = {
        {{}, "", none},
        {{"sqlitebrowser"}, "sqlitebrowser /data/chimeral.db", browser},
        {{"sqlitebrowser", "x-terminal-emulator", "sqlite3"},
         "sqlitebrowser /data/chimeral.db",
         browser},
        {{"x-terminal-emulator", "sqlite3"},
         "x-terminal-emulator -e sqlite3 /data/chimeral.db",
         shell},
        {{"x-terminal-emulator"}, "", none},
        {{"sqlite3"}, "", none},
    };
    for (const Case &c : cases) {
        emptyBin();
        std::string names;
        for (const std::string &program : c.installed) {
            install(program);
            names += program + " ";
        }
        EXPECT_EQ(sqlClientCommand("/data/chimeral.db"), c.command) << names;
        EXPECT_EQ(sqlClientToolTip(), c.toolTip) << names;
    }
    // A file of the name that cannot be run is not a client.
    emptyBin();
    std::ofstream(bin + "/sqlitebrowser") << "not a program\n";
    EXPECT_EQ(sqlClientCommand("/data/chimeral.db"), "");
    install("sqlitebrowser");
    EXPECT_EQ(sqlClientCommand("/my data/chimeral.db"), "sqlitebrowser \"/my data/chimeral.db\"");
}

// The stand-in client notes its process and arguments, then runs until the
// test releases it, or ends by itself after five seconds and says so: a
// button that waited for it would return only then.
TEST_F(SqlClient, ClientRunsBesideTheWindowWhileTheRecordingCounts) {
    install("sqlitebrowser",
            "echo $$ $(/usr/bin/nice) \"$@\" > started.tmp && /bin/mv started.tmp started\n"
            "i=0\n"
            "while [ ! -e release ] && [ $i -lt 100 ]; do /bin/sleep 0.05; "
            "i=$((i + 1)); done\n"
            "[ -e release ] || echo 'not released' > ended-alone");
    startWithDatabase();
    typeProject("Writing");
    click("Button11");
    tick(2);

    click("Button12");
    EXPECT_FALSE(std::filesystem::exists(cwd.file("ended-alone")))
        << "the button waited for the client to end";
    ASSERT_TRUE(eventually([&] { return std::filesystem::exists(cwd.file("started")); }));
    std::istringstream started(readFile(cwd.file("started")));
    pid_t pid = 0;
    int nice = 0;
    std::string database;
    started >> pid >> nice >> database;
    EXPECT_EQ(database, (std::filesystem::current_path() / "chimeral.db").string());
    EXPECT_EQ(nice, 19) << "the client runs at idle priority";
    EXPECT_NE(processState(pid), 0);
    EXPECT_NE(processState(pid), 'Z');

    tick(3);
    EXPECT_EQ(shown("StopLabel2"), "00:05");

    std::ofstream(cwd.file("release")) << "\n";
    EXPECT_TRUE(eventually([&] { return processState(pid) == 0; }))
        << "the ended client must be reaped, not left a zombie";
    EXPECT_FALSE(std::filesystem::exists(cwd.file("ended-alone")));
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
