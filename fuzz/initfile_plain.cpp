// SPDX-License-Identifier: MIT
// The options file in its plain form: any bytes on disk are read into the
// store, every entry must come out as the store promises, and what the store
// writes must read back as the same entries.

#include "FuzzSupport.h"

#include "common/Text.h"
#include "options/LineData.h"
#include "options/initfile.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace {

using Entries = std::map<std::string, std::string>;

// The entries a file holds after a write of these: all those with a value
// when their lines fit one write together, else none, as the file is then
// left as it was.
std::optional<Entries> written(const Entries &entries) {
    Entries kept;
    size_t used = 0;
    for (const auto &[name, value] : entries) {
        if (value.empty())
            continue;
        used += name.size() + 1 + value.size() + 2;
        kept.emplace(name, value);
    }
    if (used > LineData::WriteCapacity)
        return std::nullopt;
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const std::string path = fuzz::scratchFolder() + "/plain.ini";
    fuzz::writeFile(path, bytes);

    Entries entries;
    Entries before;
    {
        initfile store(path);
        fuzz::check(store.read(), "an existing file reads");
        fuzz::check(!store.modified(), "reading changes nothing");
        entries = before = store.entries();
        for (const auto &[name, value] : entries) {
            fuzz::check(name == initfile::normalizedName(name), "names are normalised");
            fuzz::check(name.find('=') == std::string::npos, "names hold no '='");
            fuzz::check(value == trimText(value), "values are trimmed");
            fuzz::check(value.size() <= initfile::ValueLimit, "values are cut");
            std::string got = "untouched";
            fuzz::check(store.get(" " + name + " ", got) && got == value, "get finds every entry");
        }
        std::string missing = "untouched";
        if (!store.get("NO SUCH NAME \x01", missing))
            fuzz::check(missing == "untouched", "a failed get leaves the value");

        // A change makes the destructor write the file.
        fuzz::check(store.set(" fuzzed name ", "value"), "set succeeds");
        entries["FUZZED NAME"] = "value";
    }

    initfile again(path);
    fuzz::check(again.read(), "the written file reads");
    // A file too large to read is never replaced.
    const std::optional<Entries> expected =
        size > LineData::ReadLimit ? std::nullopt : written(entries);
    fuzz::check(again.entries() == expected.value_or(before),
                "a write reads back as written, or leaves the file as it was");
    return 0;
}
