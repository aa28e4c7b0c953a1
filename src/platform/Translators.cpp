// SPDX-License-Identifier: MIT
#include "platform/Translators.h"

#include <QCoreApplication>
#include <QTranslator>

std::unique_ptr<QTranslator> &Translations::programTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator> &Translations::qtTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

QString Translations::translate(const char *context, const char *sourceText) {
    if (QCoreApplication::instance())
        return QCoreApplication::translate(context, sourceText);
    for (const auto *translator : {&programTranslator(), &qtTranslator()}) {
        if (!*translator)
            continue;
        const QString text = (*translator)->translate(context, sourceText);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(sourceText);
}
