// SPDX-License-Identifier: MIT
// The DES cipher of the options file: any key and text encipher to whole
// blocks that decipher to the text completed with zero bytes; blocks are
// enciphered independently (ECB); the byte and string interfaces agree; a
// length that is not whole blocks is refused without writing anything.

#include "FuzzSupport.h"

#include "options/Cipher.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1)
        return 0;
    // The first byte says how much of the rest is the key (0 to 15 bytes).
    const size_t keyLength = std::min<size_t>(data[0] % 16, size - 1);
    const std::string_view input(reinterpret_cast<const char *>(data) + 1, size - 1);
    const std::string_view key = input.substr(0, keyLength);
    const std::string_view plain = input.substr(keyLength);
    const Cipher cipher(key);

    const std::string enciphered = cipher.encrypt(plain);
    fuzz::check(enciphered.size() == Cipher::paddedLength(plain.size()), "whole blocks");
    fuzz::check(enciphered.size() % Cipher::BlockSize == 0 && !enciphered.empty(),
                "at least one block");

    std::string deciphered;
    fuzz::check(cipher.decrypt(enciphered, deciphered), "whole blocks decipher");
    std::string padded(plain);
    padded.resize(enciphered.size(), '\0');
    fuzz::check(deciphered == padded, "deciphering undoes enciphering");

    // The byte interface reads only count bytes: hand it a buffer of exactly
    // that size so that ASan sees any read past it.
    std::vector<unsigned char> in(plain.begin(), plain.end());
    std::vector<unsigned char> out(Cipher::paddedLength(in.size()));
    fuzz::check(cipher.encrypt(out.data(), in.data(), in.size()) == out.size(), "length returned");
    fuzz::check(std::string_view(reinterpret_cast<const char *>(out.data()), out.size()) ==
                    enciphered,
                "both interfaces agree");

    for (size_t offset = 0; offset < padded.size(); offset += Cipher::BlockSize) {
        const std::string block = cipher.encrypt(std::string_view(padded).substr(offset, 8));
        fuzz::check(enciphered.compare(offset, 8, block) == 0, "blocks are independent");
    }

    // Missing key bytes count as zero, and only the first 8 count.
    if (key.size() < 8) {
        std::string zeros(key);
        zeros.resize(8, '\0');
        fuzz::check(Cipher(zeros).encrypt(plain) == enciphered, "short keys get zero bytes");
    } else
        fuzz::check(Cipher(std::string(key.substr(0, 8)) + "tail").encrypt(plain) == enciphered,
                    "only 8 key bytes count");

    if (plain.size() % Cipher::BlockSize != 0) {
        std::string untouched = "untouched";
        fuzz::check(!cipher.decrypt(plain, untouched) && untouched == "untouched",
                    "partial blocks are refused");
    }
    return 0;
}
