// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <vector>

// Window-free rules of the options editor: how its file filters are written
// for the file dialog, where the dialog starts and what a folder option keeps
// of a chosen file.

// One dialog entry per name/pattern pair, as "Sound files (*.wav *.mid)":
// patterns separated by ";" become blank-separated, and "*.*" means every
// file, dotted or not. Only the first count pairs that both lists hold count.
std::vector<std::string> fileDialogFilters(std::span<const std::string> names,
                                           std::span<const std::string> patterns, size_t count);

// The folder of a chosen file with its trailing "/"; a path without a "/"
// stays as it is.
std::string folderOfChosenFile(const std::string &path);

// Where the file dialog starts for a row: the folder of the row's value with
// the value's file name (empty for a folder value ending in "/") when that
// folder exists, so the user sees the file chosen before; else the fallback
// folder, with no name, when it exists; else the current folder. A value
// without a "/" names a file in the current folder.
struct DialogStart {
    std::string folder;
    std::string name;
};
DialogStart dialogStart(const std::string &value, const std::string &fallback);
