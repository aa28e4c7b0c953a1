// SPDX-License-Identifier: MIT
#include "projects/SQLite.h"

#include "support/TempDir.h"

#include <dlfcn.h>
#include <link.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

const char *const systemName = "libsqlite3.so.0";

// Whether the dynamic loader has the library in the process right now.
bool loaderHasSqlite() {
    void *handle = dlopen(systemName, RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}

// The file the system's search finds for the library.
std::string systemLibraryFile() {
    void *handle = dlopen(systemName, RTLD_NOW);
    if (!handle)
        return {};
    link_map *map = nullptr;
    std::string file;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map)
        file = map->l_name;
    dlclose(handle);
    return file;
}

void createEmptyFile(const std::string &name) {
    std::ofstream(name, std::ios::binary);
}

// Every test starts and ends with the library unloaded and the default names.
class SQLiteLayer : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(SQLite::libraryLoaded()); }
    void TearDown() override {
        SQLite::setLibraryNames(saved);
        EXPECT_FALSE(SQLite::libraryLoaded());
        EXPECT_EQ(SQLite::libraryUseCount(), 0);
    }

    const SQLite::LibraryNames saved = SQLite::libraryNames();
    TempCurrentDir dir;
};

TEST_F(SQLiteLayer, FallsBackToTheSecondName) {
    const std::string real = systemLibraryFile();
    ASSERT_FALSE(real.empty());
    std::filesystem::copy_file(real, dir.file(systemName));
    SQLite::setLibraryNames({dir.path() + "/nowhere/" + systemName, "./libsqlite3.so.0"});

    SQLite db;
    EXPECT_EQ(db.Status(), 0);
    EXPECT_EQ(db.libraryPath(), "./libsqlite3.so.0");
    EXPECT_EQ(SQLite::libraryUseCount(), 1);
    createEmptyFile("fallback.db");
    ASSERT_TRUE(db.Open("fallback.db", false));
    EXPECT_TRUE(db.Execute("create table t (a int)"));
}

// Whatever folder the program is started from, a library lying there is
// never run: the fallback is the program's own folder.
TEST_F(SQLiteLayer, LibraryInTheCurrentFolderIsNeverLoaded) {
    std::filesystem::copy_file(CHIMERAL_FAKE_SQLITE, dir.file(systemName));
    SQLite::setLibraryNames({dir.path() + "/nowhere/" + systemName, SQLite::LibraryNames().second});
    SQLite db;
    EXPECT_EQ(db.Status(), SQLite::LibraryNotLoaded);
    EXPECT_FALSE(SQLite::libraryLoaded());
}

TEST_F(SQLiteLayer, NoLibraryGivesMinusOneAndLeavesItThere) {
    SQLite::setLibraryNames({dir.path() + "/nowhere/" + systemName, "./libsqlite3.so.0"});
    createEmptyFile("present.db");

    SQLite db;
    EXPECT_EQ(db.Status(), SQLite::LibraryNotLoaded);
    EXPECT_EQ(db.ErrorText(), "DLL file could not be loaded.");
    EXPECT_EQ(db.libraryPath(), "./libsqlite3.so.0");
    EXPECT_FALSE(SQLite::libraryLoaded());
    EXPECT_EQ(SQLite::libraryUseCount(), 0);

    EXPECT_FALSE(db.Open("present.db", false));
    EXPECT_FALSE(db.Execute("create table t (a int)"));
    EXPECT_EQ(db.Query("select 1"), nullptr);
    EXPECT_EQ(db.Status(), SQLite::LibraryNotLoaded);
}

TEST_F(SQLiteLayer, LibraryWithoutPrepareIsInvalid) {
    SQLite::setLibraryNames({CHIMERAL_FAKE_SQLITE, "./none.so"});
    SQLite db;
    ASSERT_EQ(db.Status(), 0);
    EXPECT_EQ(db.libraryPath(), CHIMERAL_FAKE_SQLITE);
    ASSERT_TRUE(db.Open("anything", false));

    EXPECT_FALSE(db.Execute("create table t (a int)"));
    EXPECT_EQ(db.Status(), SQLite::InvalidLibrary);
    EXPECT_EQ(db.ErrorText(), "Invalid DLL module.");
    ASSERT_TRUE(db.Open("anything", false));
    EXPECT_EQ(db.Query("select 1"), nullptr);
    EXPECT_EQ(db.Status(), SQLite::InvalidLibrary);
}

// The fake library answers an open of "status-<n>" with code n.
TEST_F(SQLiteLayer, ErrorTextOfEveryStatus) {
    SQLite::setLibraryNames({CHIMERAL_FAKE_SQLITE, "./none.so"});
    struct Case {
        int status;
        const char *text;
    };
    const Case cases[] = {
        {-3, "Unknown error"},
        {-2, "Invalid DLL module."},
        {-1, "DLL file could not be loaded."},
        {0, "No error"},
        {1, "SQL error or missing database: fake library message"},
        {2, "Internal logic error in SQLite"},
        {3, "Access permission denied"},
        {4, "Callback routine requested an abort"},
        {5, "The database file is locked"},
        {6, "A table in the database is locked"},
        {7, "A malloc() failed"},
        {8, "Attempt to write a readonly database"},
        {9, "Operation terminated by sqlite3_interrupt()"},
        {10, "Some kind of disk I/O error occurred"},
        {11, "The database disk image is malformed"},
        {12, "Unknown opcode in sqlite3_file_control()"},
        {13, "Insertion failed because database is full"},
        {14, "Unable to open the database file"},
        {15, "Database lock protocol error"},
        {16, "Database is empty"},
        {17, "The database schema changed"},
        {18, "String or BLOB exceeds size limit"},
        {19, "Abort due to constraint violation"},
        {20, "Data type mismatch"},
        {21, "Library used incorrectly"},
        {22, "Uses OS features not supported on host"},
        {23, "Authorization denied"},
        {24, "Auxiliary database format error"},
        {25, "2nd parameter to sqlite3_bind out of range"},
        {26, "File opened that is not a database file"},
        {27, "Unknown error"},
        {99, "Unknown error"},
        {100, "sqlite3_step() has another row ready"},
        {101, "sqlite3_step() has finished executing"},
        {102, "Unknown error"},
        {266, "Unknown error"},
    };
    SQLite db;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.status);
        EXPECT_EQ(db.Open("status-" + std::to_string(c.status), false), c.status == 0);
        EXPECT_EQ(db.Status(), c.status);
        EXPECT_EQ(db.ErrorText(), c.text);
    }
}

TEST_F(SQLiteLayer, UseCountFreesTheLibraryWithTheLastConnection) {
    auto first = std::make_unique<SQLite>();
    ASSERT_EQ(first->Status(), 0);
    EXPECT_EQ(first->libraryPath(), systemName);
    auto second = std::make_unique<SQLite>();
    EXPECT_EQ(SQLite::libraryUseCount(), 2);

    first.reset();
    EXPECT_EQ(SQLite::libraryUseCount(), 1);
    EXPECT_TRUE(SQLite::libraryLoaded());
    EXPECT_TRUE(loaderHasSqlite());

    second.reset();
    EXPECT_EQ(SQLite::libraryUseCount(), 0);
    EXPECT_FALSE(SQLite::libraryLoaded());
    EXPECT_FALSE(loaderHasSqlite());

    // Loaded again afresh: the column entry points must follow the new module.
    createEmptyFile("again.db");
    SQLite again;
    ASSERT_TRUE(again.Open("again.db", false));
    std::unique_ptr<SQLite_Cursor> cursor(again.Query("select 42"));
    ASSERT_TRUE(cursor && cursor->Next());
    EXPECT_EQ(cursor->ColumnInt(0, -1), 42);
}

TEST_F(SQLiteLayer, FailedLoadDoesNotHoldTheLibrary) {
    SQLite::setLibraryNames({"/nowhere/" + std::string(systemName), "./nowhere.so"});
    auto failed = std::make_unique<SQLite>();
    ASSERT_EQ(failed->Status(), SQLite::LibraryNotLoaded);
    SQLite::setLibraryNames(saved);
    auto loaded = std::make_unique<SQLite>();
    ASSERT_EQ(loaded->Status(), 0);

    failed.reset();
    EXPECT_EQ(SQLite::libraryUseCount(), 1);
    EXPECT_TRUE(SQLite::libraryLoaded());
    loaded.reset();
    EXPECT_FALSE(loaderHasSqlite());
}

// The real library on a database file in a temporary folder.
class RealDatabase : public SQLiteLayer {
protected:
    void SetUp() override {
        SQLiteLayer::SetUp();
        db = std::make_unique<SQLite>();
        ASSERT_EQ(db->Status(), 0);
        createEmptyFile("test.db");
        ASSERT_TRUE(db->Open("test.db", false)) << db->ErrorText();
        ASSERT_TRUE(db->Execute("create table t (id int primary key, name text, n int, f real)"));
    }
    void TearDown() override {
        db.reset();
        SQLiteLayer::TearDown();
    }

    int countRows() {
        std::unique_ptr<SQLite_Cursor> cursor(db->Query("select count(*) from t"));
        return cursor && cursor->Next() ? cursor->ColumnInt(0, -1) : -1;
    }

    std::unique_ptr<SQLite> db;
};

TEST_F(RealDatabase, OpenOfAMissingFileFailsAndCreatesNothing) {
    for (bool readOnly : {false, true}) {
        SQLite other;
        EXPECT_FALSE(other.Open("missing.db", readOnly));
        EXPECT_EQ(other.uri(), "file:missing.db");
        EXPECT_EQ(other.Status(), 14);
        EXPECT_EQ(other.ErrorText(), "Unable to open the database file");
        EXPECT_FALSE(std::filesystem::exists(dir.file("missing.db")));
    }
}

TEST_F(RealDatabase, ExecuteRejectsAStatementThatGivesRows) {
    EXPECT_TRUE(db->Execute("select * from t"));
    EXPECT_EQ(db->Status(), 0);

    ASSERT_TRUE(db->Execute("insert into t values (1, 'a', 1, 1.5)"));
    EXPECT_FALSE(db->Execute("select * from t"));
    EXPECT_EQ(db->Status(), 100);
    EXPECT_EQ(db->ErrorText(), "sqlite3_step() has another row ready");
}

TEST_F(RealDatabase, OnlyTheFirstStatementRuns) {
    EXPECT_TRUE(
        db->Execute("insert into t values (1, 'a', 1, 0); insert into t values (2, 'b', 2, 0)"));
    EXPECT_EQ(countRows(), 1);
    EXPECT_TRUE(db->Execute("   "));
    EXPECT_EQ(db->Status(), 0);
}

TEST_F(RealDatabase, FailuresSetTheStatus) {
    ASSERT_TRUE(db->Execute("insert into t values (1, 'a', 1, 0)"));
    struct Case {
        const char *sql;
        int status;
        const char *text;
    };
    const Case cases[] = {
        {"selec * from t", 1, "SQL error or missing database: near \"selec\": syntax error"},
        {"select * from nowhere", 1, "SQL error or missing database: no such table: nowhere"},
        {"insert into t values (1, 'b', 2, 0)", 19, "Abort due to constraint violation"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_FALSE(db->Execute(c.sql));
        EXPECT_EQ(db->Status(), c.status);
        EXPECT_EQ(db->ErrorText(), c.text);
        if (c.status == 1) {
            EXPECT_EQ(db->Query(c.sql), nullptr);
            EXPECT_EQ(db->Status(), 1);
        }
    }
    SQLite reader;
    ASSERT_TRUE(reader.Open("test.db", true));
    EXPECT_FALSE(reader.Execute("insert into t values (2, 'b', 2, 0)"));
    EXPECT_EQ(reader.Status(), 8);
    EXPECT_EQ(countRows(), 1);
}

TEST_F(RealDatabase, ColumnsAreReadOnlyInTheirOwnStorageClass) {
    ASSERT_TRUE(db->Execute("insert into t values (7, '12', null, 2.5)"));
    ASSERT_TRUE(db->Execute("insert into t values (8, 'caf\xc3\xa9 \x01', 3, null)"));
    std::unique_ptr<SQLite_Cursor> cursor(db->Query("select id, name, n, f from t order by id"));
    ASSERT_TRUE(cursor);

    ASSERT_TRUE(cursor->Next());
    EXPECT_EQ(cursor->ColumnType(0), SQLite_Cursor::Integer);
    EXPECT_EQ(cursor->ColumnType(1), SQLite_Cursor::Text);
    EXPECT_EQ(cursor->ColumnType(2), SQLite_Cursor::Null);
    EXPECT_EQ(cursor->ColumnType(3), SQLite_Cursor::Float);
    EXPECT_EQ(cursor->ColumnInt(0, -5), 7);
    EXPECT_EQ(cursor->ColumnInt(1, -5), -5);
    EXPECT_EQ(cursor->ColumnInt(2, -5), -5);
    EXPECT_EQ(cursor->ColumnInt(3, -5), -5);
    EXPECT_EQ(cursor->ColumnText(0), "");
    EXPECT_EQ(cursor->ColumnText(2), "");
    EXPECT_EQ(cursor->ColumnText(3), "");
    const std::string first = cursor->ColumnText(1);

    ASSERT_TRUE(cursor->Next());
    EXPECT_EQ(first, "12");
    EXPECT_EQ(cursor->ColumnText(1), "caf\xc3\xa9 \x01");
    EXPECT_EQ(cursor->ColumnInt(2, -5), 3);
}

TEST_F(RealDatabase, CursorWalksEveryRowThenStops) {
    for (const char *empty : {"select id from t", ""}) {
        std::unique_ptr<SQLite_Cursor> cursor(db->Query(empty));
        ASSERT_TRUE(cursor);
        EXPECT_FALSE(cursor->Next()) << empty;
        EXPECT_FALSE(cursor->MoreRows());
    }
    for (int id = 1; id <= 3; ++id)
        ASSERT_TRUE(db->Execute("insert into t values (" + std::to_string(id) + ", 'p', 0, 0)"));
    std::unique_ptr<SQLite_Cursor> cursor(db->Query("select id from t order by id desc"));
    ASSERT_TRUE(cursor);
    EXPECT_TRUE(cursor->MoreRows());
    std::vector<int> ids;
    while (cursor->MoreRows() && cursor->Next())
        ids.push_back(cursor->ColumnInt(0, 0));
    EXPECT_EQ(ids, (std::vector<int>{3, 2, 1}));
    EXPECT_FALSE(cursor->MoreRows());
    EXPECT_EQ(db->Status(), 0);
}

TEST_F(RealDatabase, StepErrorGoesToTheOwner) {
    std::unique_ptr<SQLite_Cursor> cursor(db->Query("select abs(-9223372036854775808)"));
    ASSERT_TRUE(cursor);
    EXPECT_EQ(db->Status(), 0);
    EXPECT_FALSE(cursor->Next());
    EXPECT_TRUE(cursor->MoreRows());
    EXPECT_EQ(db->Status(), 1);
    EXPECT_EQ(db->ErrorText(), "SQL error or missing database: integer overflow");
}

} // namespace
