// SPDX-License-Identifier: MIT
#include "options/LineData.h"

#include "options/Cipher.h"
#include "platform/SafeReplace.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A full enciphered write, completed to whole blocks, must not outgrow what
// reading accepts.
static_assert(LineData::EncipheredWriteCapacity % Cipher::BlockSize == 0);

namespace {

int openRetrying(const char *path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path, flags, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool readAll(int fd, char *data, size_t size, size_t &done) {
    done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    return true;
}

// A fresh account may not have its configuration folder yet.
void makeFolders(const std::string &folder) {
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (!part.empty())
            ::mkdir(part.c_str(), 0700);
        if (slash == std::string::npos)
            break;
    }
}

// A file whose own mode forbids writing was made read-only on purpose (to pin
// its content), so it is not replaced although its folder would allow that.
// Opening it for writing tells, under the program's own rights, without
// changing it.
bool mayWrite(const std::string &path) {
    const int fd = openRetrying(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno == ENOENT;
}

// The new content is complete on disk before it replaces the old file, so a
// crash or a full disk while writing never leaves a truncated options file
// behind. A file kept elsewhere behind a symbolic link is replaced where it
// really lies, so the link survives the rewrite.
bool replaceFile(const std::string &path, std::string_view bytes) {
    if (!mayWrite(path))
        return false;
    makeFolders(folderOf(path));
    return replaceFileContents(path, bytes);
}

} // namespace

LineData::LineData(const std::string &fileName) : m_fileName(fileName) {}

LineData::~LineData() {
    if (m_open && !m_reading)
        close();
}

std::optional<std::string> LineData::keyOf(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    if (text.size() < KeyLength)
        return std::nullopt;
    return std::string(text.substr(0, KeyLength));
}

bool LineData::setKey(std::string_view text) {
    std::optional<std::string> key = keyOf(text);
    if (key)
        m_key = std::move(*key);
    return key.has_value();
}

void LineData::open(bool forReading) {
    if (m_open)
        close();
    m_reading = forReading;
    m_open = true;
    m_buffer.clear();
    m_position = 0;
    m_size = 0;
    m_loaded = false;
    m_refusedLine = false;
    if (forReading) {
        load();
    } else {
        m_size = capacity();
        m_buffer.assign(m_size, '\0');
    }
}

void LineData::load() {
    // Non-blocking, so that a FIFO under the name cannot hang the program;
    // only regular files are read.
    const int fd = openRetrying(m_fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        static_cast<unsigned long long>(info.st_size) > ReadLimit) {
        ::close(fd);
        return;
    }
    std::string data(static_cast<size_t>(info.st_size), '\0');
    size_t got = 0;
    const bool ok = readAll(fd, data.data(), data.size(), got);
    ::close(fd);
    if (!ok)
        return;
    data.resize(got);
    m_buffer = std::move(data);
    m_size = got;
    m_loaded = true;
    if (hasKey())
        decipherLoaded();
}

void LineData::decipherLoaded() {
    const std::string data = std::move(m_buffer);
    m_buffer.clear();
    m_size = 0;
    // Whatever the first line holds is dropped: the header is not checked.
    size_t start = data.find('\r');
    if (start == std::string::npos)
        return;
    ++start;
    if (start < data.size() && data[start] == '\n')
        ++start;
    std::string plain;
    if (!Cipher(m_key).decrypt(std::string_view(data).substr(start), plain))
        return;
    m_buffer = std::move(plain);
    m_size = m_buffer.size();
}

bool LineData::getLine(std::string &line) {
    if (!m_open || !m_reading || m_position >= m_size)
        return false;
    line.clear();
    while (m_position < m_size) {
        const char byte = m_buffer[m_position++];
        if (byte == '\n')
            break;
        if (byte == '\r') {
            if (m_position < m_size && m_buffer[m_position] == '\n')
                ++m_position;
            break;
        }
        line.push_back(byte);
    }
    return true;
}

bool LineData::putLine(const std::string &line) {
    if (!m_open || m_reading)
        return false;
    if (line.size() + 2 > m_size - m_position) {
        m_refusedLine = true;
        return false;
    }
    m_buffer.replace(m_position, line.size(), line);
    m_position += line.size();
    m_buffer[m_position++] = '\r';
    m_buffer[m_position++] = '\n';
    return true;
}

bool LineData::close() {
    if (!m_open)
        return true;
    const bool written = m_reading || flush();
    m_open = false;
    m_buffer.clear();
    m_buffer.shrink_to_fit();
    m_position = 0;
    m_size = 0;
    return written;
}

std::optional<std::string> LineData::fileBytes() const {
    const std::string_view text(m_buffer.data(), m_position);
    if (!hasKey())
        return std::string(text);
    // Without the DES library the file is left as it was rather than written
    // in the clear or emptied.
    const Cipher cipher(m_key);
    if (!cipher.usable())
        return std::nullopt;
    // The filler completing the last block is zero bytes: no "=", so a reader
    // takes it for a last line without an entry.
    return std::string(EncryptedHeader) + cipher.encrypt(text);
}

bool LineData::flush() {
    if (!m_open || m_reading)
        return true;
    if (m_refusedLine)
        return false;
    if (m_position == 0)
        return true;
    const std::optional<std::string> bytes = fileBytes();
    return bytes && replaceFile(m_fileName, *bytes);
}
