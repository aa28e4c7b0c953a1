// SPDX-License-Identifier: MIT
#include "platform/QuietAlsa.h"
#include "platform/AlsaLibrary.h"

namespace {
int depth = 0;

void ignoreAlsaError(const char *, int, const char *, int, const char *, ...) {}
} // namespace

// Without the library nothing can print, so there is nothing to silence.
QuietAlsa::QuietAlsa() {
    if (depth++ == 0)
        if (const AlsaLibrary *alsa = alsaLibrary())
            alsa->setErrorHandler(ignoreAlsaError);
}

QuietAlsa::~QuietAlsa() {
    if (--depth == 0)
        if (const AlsaLibrary *alsa = alsaLibrary())
            alsa->setErrorHandler(nullptr);
}
