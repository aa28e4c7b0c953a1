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
#include <string>

namespace {

using Entries = std::map<std::string, std::string>;

// The entries a write keeps: those with a value, in key order, as long as
// each line still fits what is left of the write buffer.
Entries writable(const Entries &entries) {
    Entries kept;
    size_t used = 0;
    for (const auto &[name, value] : entries) {
        if (value.empty())
            continue;
        const size_t line = name.size() + 1 + value.size() + 2;
        if (line > LineData::WriteCapacity - used)
            continue;
        used += line;
        kept.emplace(name, value);
    }
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const std::string path = fuzz::scratchFolder() + "/plain.ini";
    fuzz::writeFile(path, bytes);

    Entries entries;
    {
        initfile store(path);
        fuzz::check(store.read(), "an existing file reads");
        fuzz::check(!store.modified(), "reading changes nothing");
        entries = store.entries();
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
    fuzz::check(again.entries() == writable(entries), "a write reads back as written");
    return 0;
}
