// SPDX-License-Identifier: MIT
#pragma once

#include <nettle/des.h>

#include <cstddef>
#include <string>
#include <string_view>

// Kept although unused: the program itself reads and writes the plain form only.
// DES in ECB mode over 8-byte blocks, for the enciphered form of the options
// file. It only transforms bytes; the file framing is LineData's business.
class Cipher {
public:
    enum class Direction { Encipher, Decipher };

    static constexpr size_t BlockSize = 8;

    // The key is the first 8 bytes of the text (missing bytes count as zero).
    // The lowest bit of each byte is DES parity and takes no part.
    explicit Cipher(std::string_view key);
    // False when the DES library cannot be loaded: nothing is then enciphered
    // or deciphered, and every decrypt refuses.
    bool usable() const { return m_usable; }
    ~Cipher();
    Cipher(const Cipher &) = delete;
    Cipher &operator=(const Cipher &) = delete;

    void cryptBlock(unsigned char *block, Direction direction) const;

    // Enciphers count bytes (at least one block), completing the last block
    // with zero bytes, so only count bytes of in are read. out must hold
    // paddedLength(count) bytes; that length is returned.
    size_t encrypt(unsigned char *out, const unsigned char *in, size_t count) const;
    // Refuses (false, nothing written) when count is not a whole number of
    // blocks or the cipher is not usable.
    bool decrypt(unsigned char *out, const unsigned char *in, size_t count) const;

    std::string encrypt(std::string_view plain) const;
    // False when the length is not a whole number of blocks or the cipher is
    // not usable.
    bool decrypt(std::string_view cipherText, std::string &plain) const;

    // count raised to the next multiple of 8, and 8 for nothing at all.
    static size_t paddedLength(size_t count);

private:
    bool m_usable;
    des_ctx m_schedule{};
};
