// SPDX-License-Identifier: MIT
#include "options/Cipher.h"

#include "platform/RuntimeLibrary.h"

#include <algorithm>
#include <cstring>

namespace {

// Nettle is opened when the first key is set, not at every start: the program
// itself reads and writes the plain form only.
struct Des {
    decltype(&nettle_des_set_key) setKey = nullptr;
    decltype(&nettle_des_encrypt) encrypt = nullptr;
    decltype(&nettle_des_decrypt) decrypt = nullptr;
};

const Des *des() {
    static const Des *const loaded = [] {
        static RuntimeLibrary library("libnettle.so.8");
        static Des entries;
        library.resolve(entries.setKey, "nettle_des_set_key");
        library.resolve(entries.encrypt, "nettle_des_encrypt");
        library.resolve(entries.decrypt, "nettle_des_decrypt");
        return library.usable() ? &entries : nullptr;
    }();
    return loaded;
}

} // namespace

Cipher::Cipher(std::string_view key) : m_usable(des() != nullptr) {
    unsigned char bytes[DES_KEY_SIZE] = {};
    std::memcpy(bytes, key.data(), std::min(key.size(), sizeof bytes));
    // Nettle reports weak keys but still derives their schedule, and DES with a
    // weak key is still DES; the file format has no reason to refuse them.
    if (m_usable)
        des()->setKey(&m_schedule, bytes);
}

Cipher::~Cipher() {
    // The schedule is derived from the user's key; don't leave it behind.
    volatile unsigned char *p = reinterpret_cast<volatile unsigned char *>(&m_schedule);
    for (size_t i = 0; i < sizeof m_schedule; ++i)
        p[i] = 0;
}

void Cipher::cryptBlock(unsigned char *block, Direction direction) const {
    if (!m_usable)
        return;
    if (direction == Direction::Encipher)
        des()->encrypt(&m_schedule, BlockSize, block, block);
    else
        des()->decrypt(&m_schedule, BlockSize, block, block);
}

size_t Cipher::paddedLength(size_t count) {
    if (count == 0)
        return BlockSize;
    return (count + BlockSize - 1) / BlockSize * BlockSize;
}

size_t Cipher::encrypt(unsigned char *out, const unsigned char *in, size_t count) const {
    const size_t length = paddedLength(count);
    for (size_t offset = 0; offset < length; offset += BlockSize) {
        unsigned char block[BlockSize] = {};
        const size_t taken = offset < count ? std::min(BlockSize, count - offset) : 0;
        if (taken > 0)
            std::memcpy(block, in + offset, taken);
        cryptBlock(block, Direction::Encipher);
        std::memcpy(out + offset, block, BlockSize);
    }
    return length;
}

bool Cipher::decrypt(unsigned char *out, const unsigned char *in, size_t count) const {
    if (!m_usable || count % BlockSize != 0)
        return false;
    for (size_t offset = 0; offset < count; offset += BlockSize) {
        unsigned char block[BlockSize];
        std::memcpy(block, in + offset, BlockSize);
        cryptBlock(block, Direction::Decipher);
        std::memcpy(out + offset, block, BlockSize);
    }
    return true;
}

std::string Cipher::encrypt(std::string_view plain) const {
    std::string out(paddedLength(plain.size()), '\0');
    encrypt(reinterpret_cast<unsigned char *>(out.data()),
            reinterpret_cast<const unsigned char *>(plain.data()), plain.size());
    return out;
}

bool Cipher::decrypt(std::string_view cipherText, std::string &plain) const {
    if (!m_usable || cipherText.size() % BlockSize != 0)
        return false;
    plain.assign(cipherText.size(), '\0');
    return decrypt(reinterpret_cast<unsigned char *>(plain.data()),
                   reinterpret_cast<const unsigned char *>(cipherText.data()), cipherText.size());
}
