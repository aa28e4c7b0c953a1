// SPDX-License-Identifier: MIT
// Which languages the environment asks for, rule by rule, and how a count
// reads in a language loaded.
#include "app/Translations.h"
#include "platform/AwayWatch.h"
#include "projects/ProjectStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTranslator>

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

// One is said in the singular, every other count in the plural form its
// language gives it.
TEST(Language, CountsTakeTheLanguagesForms) {
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral("chimeral_de"),
                            QFileInfo(QStringLiteral(CHIMERAL_BINARY)).path() + "/translations"));
    QCoreApplication::installTranslator(&german);
    const QDateTime from(QDate(2026, 3, 2), QTime(10, 12));
    EXPECT_EQ(recordingsText({1, 1}), "1 Aufzeichnung (1 Minute)");
    EXPECT_EQ(recordingsText({2, 0}), "2 Aufzeichnungen (0 Minuten)");
    EXPECT_EQ(awayQuestionText(from, from.addSecs(60), "Thesis"),
              "Sie waren von 10:12 bis 10:13 abwesend (1 Minute), während Thesis aufgezeichnet "
              "wurde.");
    EXPECT_EQ(awayQuestionText(from, from.addSecs(28 * 60), "Thesis"),
              "Sie waren von 10:12 bis 10:40 abwesend (28 Minuten), während Thesis aufgezeichnet "
              "wurde.");
    QCoreApplication::removeTranslator(&german);
}
