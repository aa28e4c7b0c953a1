// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

class SQLite_Cursor;

// One connection to an SQLite database file, over the SQLite library that is
// loaded at run time (never linked) and shared by every connection of the
// process. It opens existing files only, runs single statements, prepares
// queries and keeps the last result code with its message text. It never
// shows anything and never throws: what the user is told about a failure, and
// whether the database file must be created first, is left to the caller.
// Single-threaded by design: the process-wide library state has no lock.
class SQLite {
public:
    // Result codes of this layer besides SQLite's own primary result codes.
    static constexpr int LibraryNotLoaded = -1;
    static constexpr int InvalidLibrary = -2;

    // Loads the library (or shares the loaded one). Status is then 0, or -1
    // when neither library name could be loaded.
    SQLite();
    // Closes the connection; the last connection of the process frees the
    // library. Every cursor must be destroyed before the connection that made it.
    ~SQLite();
    SQLite(const SQLite &) = delete;
    SQLite &operator=(const SQLite &) = delete;

    // Opens the existing file `name` through the URI "file:" + name; the
    // file is never created. True when the status is 0 afterwards.
    bool Open(const std::string &name, bool readOnly);
    // Opens the existing file at `path` for reading only: it is never created
    // and nothing in it can change through this connection. Any character may
    // be in the path (it is escaped into the URI). While another connection
    // writes, each statement waits up to ReadBusyWaitMs for the lock.
    bool OpenForReading(const std::string &path);
    static constexpr int ReadBusyWaitMs = 5000;
    // The path as the URI's name wants it for Open: every character but the
    // plain ones escaped, so '?', '#' and '%' in a file name stay part of it.
    static std::string uriPath(const std::string &path);
    // Runs the first statement of `sql`, which must give no rows (a row
    // gives false with status 100).
    bool Execute(const std::string &sql);
    // Prepares the first statement of `sql`. The caller owns the cursor;
    // nullptr on failure.
    SQLite_Cursor *Query(const std::string &sql);
    int Status() const { return m_status; }
    std::string ErrorText() const;

    const std::string &uri() const { return m_uri; }
    // The name last given to the loader.
    const std::string &libraryPath() const { return m_libraryPath; }

    // The two names the constructor tries, in order. Tests point them
    // elsewhere; the defaults are the system's search and then the program's
    // own folder. The current directory is never searched: a library left in
    // whatever folder the program is started from would run.
    struct LibraryNames {
        std::string first = "libsqlite3.so.0";
        std::string second = besideProgram("libsqlite3.so.0");
    };
    // `name` in the folder of the running executable; `name` alone when that
    // folder cannot be found.
    static std::string besideProgram(const std::string &name);
    static LibraryNames libraryNames();
    static void setLibraryNames(const LibraryNames &names);

    // How long an Open connection waits for another connection's lock before
    // a statement fails as locked. Applies to connections opened afterwards.
    static constexpr int DefaultBusyTimeoutMs = 5000;
    static void setBusyTimeout(int milliseconds);

    static bool libraryLoaded();
    // How many live connections hold the loaded library.
    static uint16_t libraryUseCount();

private:
    friend class SQLite_Cursor;

    bool AttachLibrary(const std::string &path);
    void setStatus(int status) { m_status = status; }

    std::string m_uri;
    void *m_connection = nullptr;
    int32_t m_status = 0;
    std::string m_libraryPath;
    // Whether this connection counts in the process-wide use count.
    bool m_holdsLibrary = false;
};

// One prepared query made by SQLite::Query: steps through its rows and reads
// columns of the current row. Errors met while stepping go into the owning
// connection's status. The cursor finalizes its statement when destroyed and
// must not outlive its connection.
class SQLite_Cursor {
public:
    // Storage classes as ColumnType reports them.
    enum StorageClass { Integer = 1, Float = 2, Text = 3, Blob = 4, Null = 5 };

    ~SQLite_Cursor();
    SQLite_Cursor(const SQLite_Cursor &) = delete;
    SQLite_Cursor &operator=(const SQLite_Cursor &) = delete;

    // True until a step reports that the statement has finished.
    bool MoreRows() const { return m_moreRows; }
    // Steps to the next row; true when a row is ready.
    bool Next();
    // Storage class of a column (from 0) of the current row.
    int ColumnType(int column) const;
    // The value of an integer column, else the fallback: no conversion is tried.
    int ColumnInt(int column, int fallback) const;
    // The same for the whole 64-bit range SQLite stores.
    int64_t ColumnInt64(int column, int64_t fallback) const;
    // A copy of a text column, byte for byte; empty for any other class.
    std::string ColumnText(int column) const;

private:
    friend class SQLite;
    SQLite_Cursor(void *statement, SQLite *owner);

    void *m_statement;
    SQLite *m_owner;
    bool m_moreRows = true;
};
