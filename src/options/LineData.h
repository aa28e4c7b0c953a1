#pragma once

#include <optional>
#include <string>
#include <string_view>

// The options file held whole in memory and taken or given line by line, with
// CR LF line ends, optionally in its DES-enciphered form. It knows nothing of
// names and values; the options store parses and formats the lines.
class LineData {
public:
    // Larger files are not read at all.
    static constexpr size_t ReadLimit = 16384;
    // What one write can hold: plain text, or the enciphered text after the header.
    static constexpr size_t WriteCapacity = 4096;
    // The first line of an enciphered file, CR LF included (40 bytes).
    static constexpr std::string_view EncryptedHeader =
        "Do not modify, this file is encrypted!\r\n";
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
    // Appends the line and CR LF; a line that no longer fits is dropped (false).
    bool putLine(const std::string &line);

    // Writes out a file open for writing, then releases the buffer. False only
    // when buffered lines could not be written.
    bool close();
    // Replaces the file with the buffered lines. With nothing buffered the file
    // is neither created nor touched. The old file stays whole until the new
    // one is complete on disk. False when the new file could not be written.
    bool flush();

    // Whether the last open for reading found a regular file and read it whole.
    bool loaded() const { return m_loaded; }
    bool isOpen() const { return m_open; }
    bool isReading() const { return m_reading; }
    bool hasKey() const { return !m_key.empty(); }

    // Where the new file is prepared before it replaces the one at path.
    static std::string temporaryName(const std::string &path);

private:
    void load();
    void decipherLoaded();
    std::string fileBytes() const;

    std::string m_fileName;
    std::string m_key;
    bool m_open = false;
    bool m_reading = true;
    bool m_loaded = false;
    std::string m_buffer;
    size_t m_position = 0;
    size_t m_size = 0;
};
