// SPDX-License-Identifier: MIT
#include "options/GeneralOption.h"

#include <gtest/gtest.h>

TEST(GeneralOption, FileOptionBindsTheOwnersString) {
    std::string alarm;
    GeneralOption option;
    EXPECT_EQ(option.kind, OptionKind::Unset);
    EXPECT_EQ(option.valueText(), std::nullopt);
    EXPECT_EQ(option.storeText("x"), StoreResult::Ignored);

    option.setFileOption("AlarmSound", "Alarm sound file name", alarm);
    EXPECT_EQ(option.kind, OptionKind::File);
    EXPECT_EQ(option.name, "AlarmSound");
    EXPECT_EQ(option.description, "Alarm sound file name");
    const GeneralOption copy = option;
    EXPECT_EQ(copy.storeText("  /s/a b.wav "), StoreResult::Stored);
    EXPECT_EQ(alarm, "  /s/a b.wav ");
    alarm = "/other.wav";
    EXPECT_EQ(option.valueText(), "/other.wav");
}

TEST(GeneralOption, EditedTextIsValidatedPerKind) {
    std::string text = "old";
    int32_t number = 5;
    bool flag = false;
    GeneralOption textOption, folderOption, numberOption, flagOption, badOption;
    textOption.setTextOption("T", "Text", text);
    folderOption.setFolderOption("F", "Folder", text);
    numberOption.setIntegerOption("N", "Number", number);
    flagOption.setYesNoOption("Y", "Flag", flag);
    badOption.kind = static_cast<OptionKind>(9);
    badOption.textTarget = &text;

    struct Case {
        const GeneralOption *option;
        const char *edited;
        StoreResult result;
        const char *shownAfter;
    };
    const Case cases[] = {
        {&textOption, " a ", StoreResult::Stored, " a "},
        {&folderOption, "/x/", StoreResult::Stored, "/x/"},
        {&numberOption, " 42 ", StoreResult::Stored, "42"},
        {&numberOption, "4x2", StoreResult::NotAnInteger, "42"},
        {&numberOption, "", StoreResult::NotAnInteger, "42"},
        {&numberOption, "-7", StoreResult::Stored, "-7"},
        {&flagOption, " yes ", StoreResult::Stored, "Yes"},
        {&flagOption, "nope", StoreResult::Stored, "No"},
        {&flagOption, "Yeah", StoreResult::Stored, "Yes"},
        {&flagOption, "maybe", StoreResult::NotYesOrNo, "Yes"},
        {&flagOption, "  ", StoreResult::NotYesOrNo, "Yes"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.option->storeText(c.edited), c.result) << c.option->name << c.edited;
        EXPECT_EQ(c.option->valueText(), c.shownAfter) << c.option->name << c.edited;
    }
    EXPECT_EQ(badOption.storeText("x"), StoreResult::Ignored);
    EXPECT_EQ(badOption.valueText(), std::nullopt);
    EXPECT_EQ(text, "/x/");
}
