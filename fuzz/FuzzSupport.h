// SPDX-License-Identifier: MIT
#pragma once

// What the fuzz targets share: a private scratch folder, raw file writing, and
// a check that stops the run with a message (libFuzzer keeps the input).

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace fuzz {

// A folder of this process's own, made once and removed at exit. It lies in
// memory where possible: the options file is synced to disk at every write.
inline const std::string &scratchFolder() {
    // Kept on the heap so that it outlives the removal at exit.
    static const std::string &folder = *[] {
        const char *base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        auto *pattern = new std::string(std::string(base) + "/chimeral-fuzz-XXXXXX");
        if (::mkdtemp(pattern->data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        return pattern;
    }();
    static const bool removedAtExit = [] {
        return std::atexit([] {
                   std::error_code ignored;
                   std::filesystem::remove_all(folder, ignored);
               }) == 0;
    }();
    (void)removedAtExit;
    return folder;
}

inline void writeFile(const std::string &path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

[[noreturn]] inline void fail(const char *what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void check(bool condition, const char *what) {
    if (!condition)
        fail(what);
}

} // namespace fuzz
