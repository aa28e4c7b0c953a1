// SPDX-License-Identifier: MIT
#include "platform/RuntimeLibrary.h"

#include <dlfcn.h>

RuntimeLibrary::RuntimeLibrary(const std::string &name) : m_name(name) {
    m_module = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_module)
        return;
    const char *error = dlerror();
    m_failure = error ? error : "unknown error";
    // The loader puts the name first; the caller names the library itself.
    const std::string prefix = name + ": ";
    if (m_failure.rfind(prefix, 0) == 0)
        m_failure.erase(0, prefix.size());
}

void *RuntimeLibrary::lookup(const char *symbol) {
    if (!m_module)
        return nullptr;
    void *entry = dlsym(m_module, symbol);
    if (!entry && m_failure.empty())
        m_failure = std::string("it has no ") + symbol;
    return entry;
}
