// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Translators.h"

#include <QString>
#include <QStringList>

#include <functional>

// The program's language: which one the environment asks for, and the
// translators of the program's texts and of Qt's own (OK, Cancel, the file
// dialog) for it. They are loaded before the command line is read, so that
// --help speaks the language too, and go into the application object as soon
// as it is made. Without a translation for the language the English texts
// are shown as they are.

// Reads one variable of the environment; empty when it is not set.
using EnvironmentReader = std::function<QString(const char *name)>;

// The languages to try, best first, each without its encoding and modifier
// ("de_DE"): LANGUAGE's list, then the messages locale (LC_ALL, else
// LC_MESSAGES, else LANG). As with the system's own programs, LANGUAGE counts
// only when the messages locale is set and is neither C nor POSIX. The list
// ends before the first English entry: English needs no translation.
QStringList wantedLanguages(const EnvironmentReader &environment);

// Where the compiled translations are, seen from the program's folder:
// <prefix>/share/chimeral/translations for a program in <prefix>/bin, else
// translations/ beside the program (the build tree).
QString translationsFolder(const QString &programFolder);

// Loads the translations of the first wanted language the program has one
// for, with Qt's for the same language, and has them installed into the
// application object when it is made. Called once, first thing in a run.
void loadTranslations();
