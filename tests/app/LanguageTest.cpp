// SPDX-License-Identifier: MIT
// Which languages the environment asks for, rule by rule.
#include "app/Translations.h"

#include <gtest/gtest.h>

#include <map>

TEST(Language, FollowsTheEnvironmentsVariables) {
    struct Rule {
        const char *what;
        std::map<std::string, QString> variables;
        QStringList wanted;
    };
    const Rule rules[] = {
        {"LANG, without encoding and modifier", {{"LANG", "de_DE.UTF-8@euro"}}, {"de_DE"}},
        {"LC_MESSAGES over LANG", {{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR"}}, {"fr_FR"}},
        {"LC_ALL over LC_MESSAGES", {{"LC_MESSAGES", "fr_FR"}, {"LC_ALL", "es_ES"}}, {"es_ES"}},
        {"LANGUAGE's list first",
         {{"LANG", "de_DE"}, {"LANGUAGE", "fr:es"}},
         {"fr", "es", "de_DE"}},
        {"LANGUAGE does not count under C", {{"LANG", "C.UTF-8"}, {"LANGUAGE", "fr"}}, {}},
        {"POSIX asks for nothing", {{"LC_ALL", "POSIX"}, {"LANG", "de_DE"}}, {}},
        {"nothing set asks for nothing", {}, {}},
        {"English ends the list", {{"LANG", "de_DE"}, {"LANGUAGE", "en_GB:fr"}}, {}},
    };
    for (const Rule &rule : rules) {
        const auto read = [&rule](const char *name) {
            const auto found = rule.variables.find(name);
            return found == rule.variables.end() ? QString() : found->second;
        };
        EXPECT_EQ(wantedLanguages(read), rule.wanted) << rule.what;
    }
}
