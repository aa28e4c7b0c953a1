// SPDX-License-Identifier: MIT
// The rules by which a translation file is refused, one entry each.
#include "TranslationCheck.h"

#include <gtest/gtest.h>

namespace {
QByteArray tsFile(const char *message) {
    return QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS>"
                      "<TS version=\"2.1\" language=\"de_DE\"><context><name>Page</name>") +
           message + "</context></TS>";
}

struct Rule {
    const char *what;
    const char *message;
    const char *fault; // the start of the one fault, or empty for none
};

const Rule Rules[] = {
    {"a finished entry passes",
     "<message><source>Start %1</source><translation>Los %1</translation></message>", ""},
    {"an unfinished entry",
     "<message><source>Start</source><translation type=\"unfinished\">Los</translation></message>",
     "unfinished or missing: Page: \"Start\""},
    {"an obsolete entry",
     "<message><source>Start</source><translation type=\"obsolete\">Los</translation></message>",
     "obsolete: "},
    {"a vanished entry",
     "<message><source>Start</source><translation type=\"vanished\">Los</translation></message>",
     "obsolete: "},
    {"a dropped placeholder",
     "<message><source>Rang at %1</source><translation>Klingelte</translation></message>",
     "drops %1: "},
    {"a plural form that drops %n",
     "<message numerus=\"yes\"><source>in %n days</source><translation><numerusform>in einem "
     "Tag</numerusform><numerusform>in %n Tagen</numerusform></translation></message>",
     "drops %n: "},
    {"a dropped accelerator",
     "<message><source>&amp;File</source><translation>Datei</translation></message>",
     "drops the accelerator: "},
    {"a doubled ampersand is no accelerator",
     "<message><source>Salt &amp;&amp; Pepper</source><translation>Salz und "
     "Pfeffer</translation></message>",
     ""},
};
} // namespace

TEST(TranslationCheck, RefusesWhatCannotShip) {
    for (const Rule &rule : Rules) {
        const QStringList faults = translationFaults(tsFile(rule.message));
        if (*rule.fault == '\0') {
            EXPECT_TRUE(faults.isEmpty()) << rule.what << ": " << faults.join('\n').toStdString();
            continue;
        }
        ASSERT_EQ(faults.size(), 1) << rule.what << ": " << faults.join('\n').toStdString();
        EXPECT_TRUE(faults[0].startsWith(QString::fromUtf8(rule.fault)))
            << rule.what << ": " << faults[0].toStdString();
    }
}
