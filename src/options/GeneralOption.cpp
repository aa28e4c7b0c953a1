// SPDX-License-Identifier: MIT
#include "options/GeneralOption.h"

#include "common/Text.h"

void GeneralOption::bindText(OptionKind newKind, const std::string &newName,
                             const std::string &newDescription, std::string &target) {
    name = newName;
    description = newDescription;
    boolTarget = nullptr;
    textTarget = &target;
    kind = newKind;
}

void GeneralOption::setFileOption(const std::string &newName, const std::string &newDescription,
                                  std::string &target) {
    bindText(OptionKind::File, newName, newDescription, target);
}

void GeneralOption::setTextOption(const std::string &newName, const std::string &newDescription,
                                  std::string &target) {
    bindText(OptionKind::Text, newName, newDescription, target);
}

void GeneralOption::setFolderOption(const std::string &newName, const std::string &newDescription,
                                    std::string &target) {
    bindText(OptionKind::Folder, newName, newDescription, target);
}

void GeneralOption::setIntegerOption(const std::string &newName, const std::string &newDescription,
                                     int32_t &target) {
    name = newName;
    description = newDescription;
    boolTarget = nullptr;
    textTarget = nullptr;
    intTarget = &target;
    kind = OptionKind::Integer;
}

void GeneralOption::setYesNoOption(const std::string &newName, const std::string &newDescription,
                                   bool &target) {
    name = newName;
    description = newDescription;
    intTarget = nullptr;
    textTarget = nullptr;
    boolTarget = &target;
    kind = OptionKind::YesNo;
}

std::optional<std::string> GeneralOption::valueText() const {
    switch (kind) {
    case OptionKind::Text:
    case OptionKind::Folder:
    case OptionKind::File:
        if (textTarget)
            return *textTarget;
        break;
    case OptionKind::Integer:
        if (intTarget)
            return std::to_string(*intTarget);
        break;
    case OptionKind::YesNo:
        if (boolTarget)
            return std::string(*boolTarget ? "Yes" : "No");
        break;
    default:
        break;
    }
    return std::nullopt;
}

StoreResult GeneralOption::storeText(const std::string &text) const {
    switch (kind) {
    case OptionKind::Text:
    case OptionKind::Folder:
    case OptionKind::File:
        if (!textTarget)
            return StoreResult::Ignored;
        *textTarget = text;
        return StoreResult::Stored;
    case OptionKind::Integer: {
        if (!intTarget)
            return StoreResult::Ignored;
        const auto number = tryStrToInt(trimText(text));
        if (!number)
            return StoreResult::NotAnInteger;
        *intTarget = *number;
        return StoreResult::Stored;
    }
    case OptionKind::YesNo: {
        if (!boolTarget)
            return StoreResult::Ignored;
        const std::string trimmed = trimText(text);
        const char first = trimmed.empty() ? '\0' : trimmed[0];
        if (first == 'Y' || first == 'y')
            *boolTarget = true;
        else if (first == 'N' || first == 'n')
            *boolTarget = false;
        else
            return StoreResult::NotYesOrNo;
        return StoreResult::Stored;
    }
    default:
        return StoreResult::Ignored;
    }
}
