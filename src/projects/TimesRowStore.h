// SPDX-License-Identifier: MIT
#pragma once

#include "common/TimeDate.h"
#include "projects/TimesRow.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class SQLite;

// A write transaction that rolls back unless committed, so no failure leaves
// the database locked. "begin immediate" takes the write lock at once: what is
// read inside it stays true until the commit.
class ImmediateTransaction {
public:
    explicit ImmediateTransaction(SQLite &db);
    ~ImmediateTransaction();
    ImmediateTransaction(const ImmediateTransaction &) = delete;
    ImmediateTransaction &operator=(const ImmediateTransaction &) = delete;
    bool open() const { return m_open; }
    // A commit that fails (still busy) is rolled back with the rest.
    bool commit();

private:
    SQLite &m_db;
    bool m_open;
};

// What the caller adds to a store, inside its write transaction.
struct TimesRowSeams {
    // Seconds that rows of other recordings may already hold: their journals
    // chose them before a store that never finished. Read once the write lock
    // is held, so no journal can choose a second meanwhile.
    std::function<std::vector<TimeDate>()> chosenElsewhere;
    // Handed the exact row just before it is inserted; false stops the store
    // with nothing inserted.
    std::function<bool(const TimesRow &)> rowChosen;
};

// How a store went: the row stored, or the statement that failed and why.
struct TimesRowStored {
    bool stored = false;
    TimesRow row;
    std::string sql;
    std::string error;
};

// Stores `wanted` in one write transaction: choose the row (the start second,
// or the next one free when another row or another journal's chosen row has
// it), hand it to `rowChosen`, insert it, commit. Two recordings that started
// in the same second are both kept; the minutes are what matters.
TimesRowStored storeTimesRowAtFreeSecond(SQLite &db, const TimesRow &wanted,
                                         const TimesRowSeams &seams);
