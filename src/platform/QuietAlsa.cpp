#include "platform/QuietAlsa.h"

#include <alsa/asoundlib.h>

namespace {
int depth = 0;

void ignoreAlsaError(const char *, int, const char *, int, const char *, ...) {}
} // namespace

QuietAlsa::QuietAlsa() {
    if (depth++ == 0)
        snd_lib_error_set_handler(ignoreAlsaError);
}

QuietAlsa::~QuietAlsa() {
    if (--depth == 0)
        snd_lib_error_set_handler(nullptr);
}
