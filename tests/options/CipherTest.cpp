// SPDX-License-Identifier: MIT
#include "options/Cipher.h"
#include "options/LineData.h"
#include "options/initfile.h"

#include "options/FileBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {
std::string fromHex(const std::string &hex) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

std::string flipParityBits(std::string key) {
    for (char &c : key)
        c = static_cast<char>(c ^ 1);
    return key;
}
} // namespace

// Published known-answer vectors (key, plaintext, ciphertext).
TEST(Cipher, MatchesPublishedDesVectors) {
    const char *vectors[][3] = {
        {"133457799BBCDFF1", "0123456789ABCDEF", "85E813540F0AB405"},
        {"0E329232EA6D0D73", "8787878787878787", "0000000000000000"},
        {"0123456789ABCDEF", "4E6F772069732074", "3FA40E8A984D4815"},
        {"0101010101010101", "95F8A5E5DD31D900", "8000000000000000"},
        {"0101010101010101", "0000000000000000", "8CA64DE9C1B123A7"},
    };
    for (const auto &v : vectors) {
        const std::string plain = fromHex(v[1]), expected = fromHex(v[2]);
        for (const std::string &key : {fromHex(v[0]), flipParityBits(fromHex(v[0]))}) {
            const Cipher cipher(key);
            std::string block = plain;
            auto *bytes = reinterpret_cast<unsigned char *>(block.data());
            cipher.cryptBlock(bytes, Cipher::Direction::Encipher);
            EXPECT_EQ(block, expected) << v[0];
            cipher.cryptBlock(bytes, Cipher::Direction::Decipher);
            EXPECT_EQ(block, plain) << v[0];
            EXPECT_EQ(cipher.encrypt(plain + plain), expected + expected) << v[0];
        }
    }
}

TEST(Cipher, PadsToWholeBlocksAndRefusesPartialOnes) {
    const Cipher cipher("abcdefgh");
    const std::pair<size_t, size_t> lengths[] = {{0, 8}, {1, 8}, {8, 8}, {9, 16}, {17, 24}};
    for (const auto &[count, expected] : lengths) {
        const std::string text(count, 'x');
        const std::string enciphered = cipher.encrypt(text);
        EXPECT_EQ(enciphered.size(), expected) << count;
        std::string plain;
        ASSERT_TRUE(cipher.decrypt(enciphered, plain));
        EXPECT_EQ(plain, text + std::string(expected - count, '\0'));
    }
    std::string untouched = "same";
    EXPECT_FALSE(cipher.decrypt(std::string(9, 'c'), untouched));
    EXPECT_EQ(untouched, "same");
}

TEST(EncryptedFile, HeaderThenWholeCipherBlocks) {
    TempCurrentDir dir;
    const std::pair<std::string, size_t> cases[] = {
        {"A=1234", 8}, {"A=12345", 16}, {std::string(4094, 'x'), 4096}};
    for (const auto &[line, cipherLength] : cases) {
        {
            LineData file(dir.file("t.ini"));
            ASSERT_TRUE(file.setKey("key of ten"));
            file.open(false);
            ASSERT_TRUE(file.putLine(line));
        }
        const std::string bytes = readBytes(dir.file("t.ini"));
        ASSERT_EQ(bytes.size(), 40 + cipherLength);
        EXPECT_EQ(bytes.substr(0, 40), "Do not modify, this file is encrypted!\r\n");
        std::string plain;
        ASSERT_TRUE(Cipher("key of t").decrypt(bytes.substr(40), plain));
        EXPECT_EQ(plain.substr(0, line.size() + 2), line + "\r\n");
    }
}

TEST(EncryptedFile, StoreRoundTripGivesTheSameEntries) {
    TempCurrentDir dir;
    const std::string path = dir.file("secret.ini");
    {
        initfile store(path);
        EXPECT_TRUE(store.setKey("0123456789"));
        store.set("AlarmSound", "/s/alarm.wav");
        store.set("TimerSound", "/s/timer.wav");
        store.set("Other", "a=b");
    }
    const std::string bytes = readBytes(path);
    EXPECT_EQ(bytes.find("alarm"), std::string::npos);
    initfile reader(path);
    ASSERT_TRUE(reader.read("01234567"));
    const std::map<std::string, std::string> expected = {
        {"ALARMSOUND", "/s/alarm.wav"}, {"OTHER", "a=b"}, {"TIMERSOUND", "/s/timer.wav"}};
    EXPECT_EQ(reader.entries(), expected);

    // The first line is dropped unchecked; only the key decides the form.
    writeBytes(path, "anything\r\n" + bytes.substr(40));
    initfile other(path);
    ASSERT_TRUE(other.read("01234567"));
    EXPECT_EQ(other.entries(), expected);
}

TEST(EncryptedFile, UnreadableCipherTextGivesNoLines) {
    TempCurrentDir dir;
    const std::string cases[] = {"no line end at all=12345", "header\r\nK=v1234", "h\r\nK=v"};
    for (const std::string &content : cases) {
        writeBytes(dir.file("t.ini"), content);
        LineData file(dir.file("t.ini"));
        file.setKey("abcdefgh");
        file.open(true);
        std::string line;
        EXPECT_FALSE(file.getLine(line)) << content;
    }
}

TEST(EncryptedFile, ShortKeyIsRefusedAndFileStaysPlain) {
    TempCurrentDir dir;
    {
        initfile store(dir.file("t.ini"));
        EXPECT_FALSE(store.setKey("1234567"));
        EXPECT_FALSE(store.setKey(std::string("1234\0"
                                              "5678",
                                              9)));
        store.set("A", "1");
    }
    EXPECT_EQ(readBytes(dir.file("t.ini")), "A=1\r\n");
    LineData file(dir.file("t.ini"));
    EXPECT_FALSE(file.setKey("1234567"));
    EXPECT_FALSE(file.hasKey());
}
