// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The options file held whole in memory and taken or given line by line,
// optionally in its DES-enciphered form. Lines are read up to CR LF, LF or a
// lone CR, whichever the editor that saved the file used, and written with CR
// LF. It knows nothing of names and values; the options store parses and
// formats the lines.
class LineData {
public:
    // Larger files are not read at all.
    static constexpr size_t ReadLimit = 16384;
    // The first line of an enciphered file, CR LF included (40 bytes).
    static constexpr std::string_view EncryptedHeader =
        "Do not modify, this file is encrypted!\r\n";
    // What one write can hold: as much as reading accepts, so a file that was
    // read can be written back whole. The enciphered text comes after the
    // header and is completed to whole blocks; ReadLimit less the header is a
    // whole number of blocks.
    static constexpr size_t WriteCapacity = ReadLimit;
    static constexpr size_t EncipheredWriteCapacity = ReadLimit - EncryptedHeader.size();
    static constexpr size_t KeyLength = 8;

    explicit LineData(const std::string &fileName);
    ~LineData();
    LineData(const LineData &) = delete;
    LineData &operator=(const LineData &) = delete;

    // Takes the first 8 characters (up to a zero byte) as the key; a shorter
    // text is refused and leaves the key as it was.
    bool setKey(std::string_view text);
    // The key a text gives under that rule, for every holder of a key; none
    // for a shorter text.
    static std::optional<std::string> keyOf(std::string_view text);

    // Reading loads the whole file now; a missing, unreadable, non-regular or
    // too large file gives no lines. Writing starts an empty buffer. An object
    // already open is closed first (a buffer being written is written out).
    void open(bool forReading);

    // The next line without its CR LF; false at the end of the data.
    bool getLine(std::string &line);
    // Appends the line and CR LF. A line that no longer fits is refused
    // (false), and the file is then left as it was when this object closes:
    // writing only the lines that fit would silently drop the others.
    bool putLine(const std::string &line);

    // Writes out a file open for writing, then releases the buffer. False
    // when buffered lines were not written (see flush).
    bool close();
    // Replaces the file with the buffered lines. With nothing buffered the file
    // is neither created nor touched. The old file stays whole until the new
    // one is complete on disk, and stays as it is when a line was refused or
    // the user may not write to it (its own mode forbids it, even where the
    // folder would allow replacing it). False when the new file was not
    // written for any of these reasons or could not be.
    bool flush();

    // Whether the last open for reading found a regular file and read it whole.
    bool loaded() const { return m_loaded; }
    bool isOpen() const { return m_open; }
    bool isReading() const { return m_reading; }
    bool hasKey() const { return !m_key.empty(); }
    size_t capacity() const { return hasKey() ? EncipheredWriteCapacity : WriteCapacity; }

private:
    void load();
    void decipherLoaded();
    std::optional<std::string> fileBytes() const;

    std::string m_fileName;
    std::string m_key;
    bool m_open = false;
    bool m_reading = true;
    bool m_loaded = false;
    bool m_refusedLine = false;
    std::string m_buffer;
    size_t m_position = 0;
    size_t m_size = 0;
};
