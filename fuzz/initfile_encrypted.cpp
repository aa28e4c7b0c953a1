// SPDX-License-Identifier: MIT
// The options file in its enciphered form. The first byte picks what the
// rest is: either the raw bytes of an enciphered file (header, block length
// and key all arbitrary), or a plain text that is enciphered here, in which
// case the store must read exactly the entries it reads from the plain file.

#include "FuzzSupport.h"

#include "options/Cipher.h"
#include "options/LineData.h"
#include "options/initfile.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace {

using Entries = std::map<std::string, std::string>;

Entries readStore(const std::string &path, const std::string &key) {
    initfile store(path);
    fuzz::check(store.read(key), "an existing file reads");
    return store.entries();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1 + LineData::KeyLength)
        return 0;
    const bool raw = data[0] & 1;
    const std::string key(reinterpret_cast<const char *>(data + 1), LineData::KeyLength);
    const std::string_view rest(reinterpret_cast<const char *>(data) + 1 + LineData::KeyLength,
                                size - 1 - LineData::KeyLength);
    const std::string path = fuzz::scratchFolder() + "/enciphered.ini";

    if (raw) {
        fuzz::writeFile(path, rest);
        const Entries entries = readStore(path, key);
        for (const auto &[name, value] : entries)
            fuzz::check(value.size() <= initfile::ValueLimit, "values are cut");
        return 0;
    }

    // A key with a zero byte among its first 8 is refused, and the file is
    // then read as plain text.
    const bool keyTaken = key.find('\0') == std::string::npos;
    std::string file(rest);
    if (keyTaken)
        file = std::string(LineData::EncryptedHeader) + Cipher(key).encrypt(rest);
    if (file.size() > LineData::ReadLimit)
        return 0;
    fuzz::writeFile(path, file);
    const Entries enciphered = readStore(path, key);

    fuzz::writeFile(path, rest);
    const Entries plain = readStore(path, std::string());
    // The zero bytes completing the last block are trimmed off the last value
    // or fall in a line without "=", so they never show.
    fuzz::check(enciphered == plain, "the enciphered form reads as the plain one");

    if (!keyTaken)
        return 0;
    // Written back under the key, the entries read back the same when they
    // fit one write; otherwise the file is left as it was.
    fuzz::writeFile(path, file);
    {
        initfile store(path);
        store.read(key);
        store.set("FUZZ", "x");
    }
    Entries expected = plain;
    expected["FUZZ"] = "x";
    size_t used = 0;
    for (const auto &[name, value] : expected) {
        if (!value.empty())
            used += name.size() + value.size() + 3;
    }
    if (used <= LineData::EncipheredWriteCapacity) {
        std::erase_if(expected, [](const auto &entry) { return entry.second.empty(); });
        fuzz::check(readStore(path, key) == expected, "an enciphered write reads back");
    } else {
        fuzz::check(readStore(path, key) == plain, "a write that does not fit changes nothing");
    }
    return 0;
}
