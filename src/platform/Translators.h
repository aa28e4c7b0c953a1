// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

class QTranslator;

// The translators loaded for the run, the program's own and Qt's, and the
// lookup of a text in them that works also before the application object
// exists: the command line, the record commands and the file checks they use
// speak the language from the first line. Empty translators leave the
// English texts as they are.
namespace Translations {
// They live as long as the process, since the application object only
// borrows them.
std::unique_ptr<QTranslator> &programTranslator();
std::unique_ptr<QTranslator> &qtTranslator();

// A text in the loaded language. Named as Qt's own call is, so that the text
// extraction finds the texts.
QString translate(const char *context, const char *sourceText);
} // namespace Translations
