// SPDX-License-Identifier: MIT
// The hand-over's reader with any bytes a caller could send: it never reads
// past what came nor takes memory for more than that, a whole message reads
// back as the arguments it was written from, and so does the same message cut
// short once the rest arrives.

#include "FuzzSupport.h"

#include "app/SingleInstance.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    bool bad = false;
    const std::optional<QStringList> read = readHandOverMessage(bytes, bad);
    fuzz::check(!(read && bad), "a message is either read or refused");

    // Whatever was read, written again, reads back the same; while it is cut
    // short it is neither read nor refused.
    if (read) {
        const QByteArray again = handOverMessage(*read);
        fuzz::check(readHandOverMessage(again, bad) == read && !bad, "read back");
        for (const qsizetype cut : {qsizetype(0), again.size() / 2, again.size() - 1}) {
            if (cut < 0 || cut >= again.size())
                continue;
            fuzz::check(!readHandOverMessage(again.left(cut), bad) && !bad, "cut short");
        }
    }

    // The bytes as arguments: split at nulls, written and read back whole.
    const QStringList arguments = QString::fromUtf8(bytes).split(QChar(0));
    if (arguments.size() > 1000) // past the longest message a window takes
        return 0;
    fuzz::check(readHandOverMessage(handOverMessage(arguments), bad) == arguments && !bad,
                "arguments read back");
    return 0;
}
