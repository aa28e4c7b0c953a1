// SPDX-License-Identifier: MIT
#pragma once

// Keeps ALSA's own error printing off stderr while it lives. The sound code
// reports every ALSA failure through its results, so ALSA's messages would
// only be noise, for example on a machine without a sound card. Nestable; the
// default printing returns when the outermost one ends.
class QuietAlsa {
public:
    QuietAlsa();
    ~QuietAlsa();
    QuietAlsa(const QuietAlsa &) = delete;
    QuietAlsa &operator=(const QuietAlsa &) = delete;
};
