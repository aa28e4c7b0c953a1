// SPDX-License-Identifier: MIT
#pragma once

#include <string>

class ProjectStore;

// The recovery at start-up of recordings a previous run left unstored: every
// journal beside the database that no running recording holds is stored once
// through the project store, and what was recovered or could not be read is
// said in boxes.
class RecordingRecovery {
public:
    // `database` is the database file's name as the journals beside it are
    // named after it.
    RecordingRecovery(ProjectStore &store, std::string database);

    void run();

private:
    ProjectStore &m_store;
    std::string m_database;
};
