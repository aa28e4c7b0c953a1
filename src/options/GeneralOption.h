// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// How an option is shown, changed and written back by the options editor.
// Values other than these can occur in a record and mean a programming error.
enum class OptionKind : uint8_t {
    Unset = 0,
    Text = 1,
    Folder = 2,
    File = 3,
    Integer = 4,
    YesNo = 5,
};

// What happened when an edited text was stored through an option.
enum class StoreResult {
    Stored,
    NotAnInteger, // the variable keeps its value
    NotYesOrNo,   // the variable keeps its value
    Ignored,      // a kind without a variable of its own (or no variable bound)
};

// One user-editable setting: its kind, its name in the options file, the text
// shown for it, and the owner's variable that holds its value. Copies share
// the variable. Moving values to and from the options file is the owner's job;
// showing and choosing values is the editor's.
class GeneralOption {
public:
    GeneralOption() = default;

    // The setting is a file path held in target (which must outlive the record).
    void setFileOption(const std::string &name, const std::string &description,
                       std::string &target);
    void setTextOption(const std::string &name, const std::string &description,
                       std::string &target);
    void setFolderOption(const std::string &name, const std::string &description,
                         std::string &target);
    void setIntegerOption(const std::string &name, const std::string &description, int32_t &target);
    void setYesNoOption(const std::string &name, const std::string &description, bool &target);

    // The variable's value as the editor shows it: the string itself, the
    // number in decimal, or "Yes"/"No". Nothing for an unknown kind.
    std::optional<std::string> valueText() const;
    // Stores an edited text into the variable: strings as they are; integers
    // trimmed and strictly converted; yes/no by the first letter after
    // trimming (Y or y, N or n). A refused text leaves the variable alone.
    StoreResult storeText(const std::string &text) const;

    OptionKind kind = OptionKind::Unset;
    std::string name;
    std::string description;
    bool *boolTarget = nullptr;
    int32_t *intTarget = nullptr;
    std::string *textTarget = nullptr;

private:
    void bindText(OptionKind newKind, const std::string &newName, const std::string &newDescription,
                  std::string &target);
};
