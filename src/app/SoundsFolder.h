// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The folder of the sounds that come with the program, found from the folder
// the program runs from: <prefix>/share/chimeral/sounds for a program in
// <prefix>/bin (the package and "cmake --install"), else sounds/ beside the
// program (the build tree). Empty when neither exists.
std::string installedSoundsFolder(const std::string &programFolder);
