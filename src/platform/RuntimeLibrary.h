// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// A shared library opened by name when it is first needed, with its entry
// points looked up once. It is never closed: the sound libraries start threads
// and install handlers that must stay valid until the process ends. Nothing
// here shows a message or throws; failure() says why the library cannot be
// used, for the caller to report.
class RuntimeLibrary {
public:
    // Opens name: a soname, searched for as the system does, or a path.
    explicit RuntimeLibrary(const std::string &name);

    // Looks up one entry point; a missing one leaves entry null and makes the
    // whole library unusable.
    template <typename Fn> void resolve(Fn &entry, const char *symbol) {
        entry = reinterpret_cast<Fn>(lookup(symbol));
    }

    bool usable() const { return m_failure.empty(); }
    const std::string &name() const { return m_name; }
    // Why the library cannot be used ("cannot open shared object file: No
    // such file or directory", "it has no Mix_LoadMUS"); empty when it can.
    const std::string &failure() const { return m_failure; }

private:
    void *lookup(const char *symbol);

    std::string m_name;
    void *m_module = nullptr;
    std::string m_failure;
};
