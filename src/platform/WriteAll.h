// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// Writes all of bytes to the open descriptor fd, resuming after short writes
// and interrupted calls. False when a write fails or makes no progress.
bool writeAll(int fd, std::string_view bytes);
