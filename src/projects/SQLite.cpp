// SPDX-License-Identifier: MIT
#include "projects/SQLite.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdint>

namespace {

// The few entry points of the library, declared here because the program is
// built without SQLite's headers. Handles are opaque pointers.
using CloseFn = int (*)(void *);
using ErrmsgFn = const char *(*)(void *);
using FinalizeFn = int (*)(void *);
using OpenV2Fn = int (*)(const char *, void **, int, const char *);
using PrepareV2Fn = int (*)(void *, const char *, int, void **, const char **);
using StepFn = int (*)(void *);
using ColumnCountFn = int (*)(void *);
using ColumnTypeFn = int (*)(void *, int);
using ColumnInt64Fn = int64_t (*)(void *, int);
using ColumnIntFn = int (*)(void *, int);
using ColumnDoubleFn = double (*)(void *, int);
using ColumnTextFn = const unsigned char *(*)(void *, int);
using ColumnNameFn = const char *(*)(void *, int);
using BusyTimeoutFn = int (*)(void *, int);

constexpr int OpenReadOnly = 0x01;
constexpr int OpenReadWrite = 0x02;
constexpr int OpenUri = 0x40;
constexpr int OpenNoMutex = 0x8000;
constexpr int Row = 100;
constexpr int Done = 101;

// Shared by every connection of the process. Every pointer is reset when the
// library is freed, so nothing can call into a module that is gone.
struct Library {
    void *module = nullptr;
    uint16_t useCount = 0;

    CloseFn close = nullptr;
    ErrmsgFn errmsg = nullptr;
    FinalizeFn finalize = nullptr;
    OpenV2Fn openV2 = nullptr;
    PrepareV2Fn prepareV2 = nullptr;
    StepFn step = nullptr;
    BusyTimeoutFn busyTimeout = nullptr;

    bool columnsResolved = false;
    ColumnCountFn columnCount = nullptr;
    ColumnTypeFn columnType = nullptr;
    ColumnInt64Fn columnInt64 = nullptr;
    ColumnIntFn columnInt = nullptr;
    ColumnDoubleFn columnDouble = nullptr;
    ColumnTextFn columnText = nullptr;
    ColumnNameFn columnName = nullptr;

    template <typename Fn> void resolve(Fn &entry, const char *name) {
        entry = reinterpret_cast<Fn>(dlsym(module, name));
    }

    void resolveMain() {
        resolve(close, "sqlite3_close");
        resolve(errmsg, "sqlite3_errmsg");
        resolve(finalize, "sqlite3_finalize");
        resolve(openV2, "sqlite3_open_v2");
        resolve(prepareV2, "sqlite3_prepare_v2");
        resolve(step, "sqlite3_step");
        resolve(busyTimeout, "sqlite3_busy_timeout");
    }

    void resolveColumns() {
        if (columnsResolved)
            return;
        resolve(columnCount, "sqlite3_column_count");
        resolve(columnType, "sqlite3_column_type");
        resolve(columnInt64, "sqlite3_column_int64");
        resolve(columnInt, "sqlite3_column_int");
        resolve(columnDouble, "sqlite3_column_double");
        resolve(columnText, "sqlite3_column_text");
        resolve(columnName, "sqlite3_column_name");
        columnsResolved = true;
    }

    void release() {
        dlclose(module);
        *this = Library();
    }
};

Library library;
SQLite::LibraryNames libraryNameSetting;
int busyTimeoutSetting = SQLite::DefaultBusyTimeoutMs;

const char *const primaryCodeTexts[] = {
    "No error",
    nullptr, // 1 carries the connection's own message
    "Internal logic error in SQLite",
    "Access permission denied",
    "Callback routine requested an abort",
    "The database file is locked",
    "A table in the database is locked",
    "A malloc() failed",
    "Attempt to write a readonly database",
    "Operation terminated by sqlite3_interrupt()",
    "Some kind of disk I/O error occurred",
    "The database disk image is malformed",
    "Unknown opcode in sqlite3_file_control()",
    "Insertion failed because database is full",
    "Unable to open the database file",
    "Database lock protocol error",
    "Database is empty",
    "The database schema changed",
    "String or BLOB exceeds size limit",
    "Abort due to constraint violation",
    "Data type mismatch",
    "Library used incorrectly",
    "Uses OS features not supported on host",
    "Authorization denied",
    "Auxiliary database format error",
    "2nd parameter to sqlite3_bind out of range",
    "File opened that is not a database file",
};
constexpr int primaryCodeCount = sizeof primaryCodeTexts / sizeof primaryCodeTexts[0];

} // namespace

SQLite::SQLite() {
    const LibraryNames names = libraryNameSetting;
    m_libraryPath = names.first;
    if (AttachLibrary(m_libraryPath))
        return;
    m_libraryPath = names.second;
    m_status = AttachLibrary(m_libraryPath) ? 0 : LibraryNotLoaded;
}

SQLite::~SQLite() {
    if (m_connection && library.close)
        library.close(m_connection);
    if (m_holdsLibrary && library.module && --library.useCount == 0)
        library.release();
}

bool SQLite::AttachLibrary(const std::string &path) {
    // Only a connection that got the library counts, so the count falls back
    // to 0 when the last of them goes, whichever name loaded it.
    if (!library.module) {
        library.module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!library.module)
            return false;
        library.resolveMain();
    }
    ++library.useCount;
    m_holdsLibrary = true;
    return true;
}

bool SQLite::Open(const std::string &name, bool readOnly) {
    m_uri = "file:" + name;
    // Each connection is used by one thread only, so SQLite need not lock it
    // on every call: reading a column costs half as much without.
    const int flags = (readOnly ? OpenReadOnly : OpenReadWrite) | OpenUri | OpenNoMutex;
    if (!library.module)
        return false;
    if (!library.openV2) {
        m_status = InvalidLibrary;
        return false;
    }
    void *connection = nullptr;
    m_status = library.openV2(m_uri.c_str(), &connection, flags, nullptr);
    if (m_status != 0) {
        if (connection && library.close)
            library.close(connection);
        connection = nullptr;
    }
    // A connection left over from an earlier Open is not dropped unclosed.
    if (m_connection && m_connection != connection && library.close)
        library.close(m_connection);
    m_connection = connection;
    // Another window or an open shell holding a lock for a moment must not
    // make a statement fail: wait for it instead.
    if (m_connection && library.busyTimeout)
        library.busyTimeout(m_connection, busyTimeoutSetting);
    return m_status == 0;
}

std::string SQLite::uriPath(const std::string &path) {
    // An absolute path gets the URI's empty authority, so that one starting
    // with two slashes is not taken for a host name.
    std::string name = !path.empty() && path[0] == '/' ? "//" : "";
    static const char hex[] = "0123456789ABCDEF";
    for (unsigned char c : path) {
        const bool plain =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (plain || c == '/' || c == '.' || c == '-' || c == '_' || c == '~') {
            name += static_cast<char>(c);
        } else {
            name += '%';
            name += hex[c >> 4];
            name += hex[c & 15];
        }
    }
    return name;
}

bool SQLite::OpenForReading(const std::string &path) {
    const std::string name = uriPath(path);
    if (!Open(name, true))
        return false;
    using BusyTimeoutFn = int (*)(void *, int);
    if (auto busyTimeout =
            reinterpret_cast<BusyTimeoutFn>(dlsym(library.module, "sqlite3_busy_timeout")))
        busyTimeout(m_connection, ReadBusyWaitMs);
    return true;
}

bool SQLite::Execute(const std::string &sql) {
    if (!library.module)
        return false;
    if (!library.prepareV2 || !library.step || !library.finalize) {
        m_status = InvalidLibrary;
        return false;
    }
    void *statement = nullptr;
    m_status = library.prepareV2(m_connection, sql.c_str(), -1, &statement, nullptr);
    if (m_status != 0)
        return false;
    // Text holding no statement at all (blanks, a comment) leaves nothing to run.
    if (!statement)
        return true;
    m_status = library.step(statement);
    if (m_status != 0 && m_status != Done) {
        library.finalize(statement);
        return false;
    }
    m_status = library.finalize(statement);
    return m_status == 0;
}

SQLite_Cursor *SQLite::Query(const std::string &sql) {
    if (!library.module)
        return nullptr;
    if (!library.prepareV2) {
        m_status = InvalidLibrary;
        return nullptr;
    }
    void *statement = nullptr;
    m_status = library.prepareV2(m_connection, sql.c_str(), -1, &statement, nullptr);
    if (m_status != 0)
        return nullptr;
    library.resolveColumns();
    return new SQLite_Cursor(statement, this);
}

std::string SQLite::ErrorText() const {
    switch (m_status) {
    case InvalidLibrary:
        return "Invalid DLL module.";
    case LibraryNotLoaded:
        return "DLL file could not be loaded.";
    case 1: {
        const char *message = library.errmsg ? library.errmsg(m_connection) : nullptr;
        return std::string("SQL error or missing database: ") + (message ? message : "");
    }
    case Row:
        return "sqlite3_step() has another row ready";
    case Done:
        return "sqlite3_step() has finished executing";
    }
    if (m_status >= 0 && m_status < primaryCodeCount)
        return primaryCodeTexts[m_status];
    return "Unknown error";
}

std::string SQLite::besideProgram(const std::string &name) {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return name;
    std::string folder(path, static_cast<size_t>(length));
    const size_t slash = folder.rfind('/');
    if (slash == std::string::npos)
        return name;
    return folder.substr(0, slash + 1) + name;
}

void SQLite::setBusyTimeout(int milliseconds) {
    busyTimeoutSetting = milliseconds;
}

SQLite::LibraryNames SQLite::libraryNames() {
    return libraryNameSetting;
}

void SQLite::setLibraryNames(const LibraryNames &names) {
    libraryNameSetting = names;
}

bool SQLite::libraryLoaded() {
    return library.module != nullptr;
}

uint16_t SQLite::libraryUseCount() {
    return library.useCount;
}

SQLite_Cursor::SQLite_Cursor(void *statement, SQLite *owner)
    : m_statement(statement), m_owner(owner) {}

SQLite_Cursor::~SQLite_Cursor() {
    if (m_statement && library.finalize)
        library.finalize(m_statement);
}

bool SQLite_Cursor::Next() {
    // A query text without a statement prepares to nothing: an empty result.
    if (!m_statement) {
        m_moreRows = false;
        return false;
    }
    if (!library.step) {
        m_owner->setStatus(SQLite::InvalidLibrary);
        return false;
    }
    const int rc = library.step(m_statement);
    if (rc == Row) {
        m_moreRows = true;
        return true;
    }
    if (rc == Done) {
        m_moreRows = false;
        return false;
    }
    m_owner->setStatus(rc);
    return false;
}

int SQLite_Cursor::ColumnType(int column) const {
    if (!library.columnType)
        return Null;
    return library.columnType(m_statement, column);
}

int SQLite_Cursor::ColumnInt(int column, int fallback) const {
    if (ColumnType(column) != Integer || !library.columnInt)
        return fallback;
    return library.columnInt(m_statement, column);
}

int64_t SQLite_Cursor::ColumnInt64(int column, int64_t fallback) const {
    if (ColumnType(column) != Integer || !library.columnInt64)
        return fallback;
    return library.columnInt64(m_statement, column);
}

std::string SQLite_Cursor::ColumnText(int column) const {
    if (ColumnType(column) != Text || !library.columnText)
        return {};
    const unsigned char *text = library.columnText(m_statement, column);
    return text ? std::string(reinterpret_cast<const char *>(text)) : std::string();
}
