// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Questions about a path asked without opening it, so a named pipe, a device
// or a socket under the name can neither hang the program nor be read: what
// kind of file it is, and whether two paths name the same file.

enum class FileKind {
    Missing, // nothing under the name, or a link that leads nowhere
    Regular, // a regular file, directly or through links
    Other    // a folder, a named pipe, a device or a socket
};

// What `path` is, through any links.
FileKind fileKind(const std::string &path);

// The sentence part saying why `path` is refused as a file to read ("is a
// named pipe, not a regular file"); empty for a regular file or a missing one.
std::string notRegularFileReason(const std::string &path);

// True when both paths exist and, through any links, are one file (the same
// device and inode), whatever names lead to it.
bool sameFile(const std::string &first, const std::string &second);
