// SPDX-License-Identifier: MIT
#pragma once

#include "common/TimeDate.h"

#include <string>
#include <vector>

// One record of the user log file and the append that stores it. The log
// stays readable by the Windows program, so every line ends with CR LF.

// The time stamp, the header line when there is one, "User comments:", the
// comment lines, then two empty lines that separate it from the next record.
std::string logRecordText(const TimeDate &stamp, const std::string &header,
                          const std::vector<std::string> &lines);

// Appends the bytes to the file, creating it when missing. False when the
// file cannot be opened or the bytes did not all reach it.
bool appendToFile(const std::string &fileName, const std::string &bytes);
