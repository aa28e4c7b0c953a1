// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

class QCommandLineParser;

// The command-line options that read the time records without opening a
// window: --export-csv FILE and --report, with --since YYYY-MM-DD and
// --project NAME to narrow them. They read the database file of the current
// directory, as the window does, or the one --database FILE names.

void addRecordOptions(QCommandLineParser &parser);

// Runs --export-csv or --report when one was given and returns the exit code
// (1, with a line on standard error, for options that do not fit); none when
// neither was given and the window is to start.
std::optional<int> runRecordCommands(const QCommandLineParser &parser);
