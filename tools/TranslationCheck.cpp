// SPDX-License-Identifier: MIT
#include "TranslationCheck.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {
struct Message {
    QString context;
    QString source;
    QString type;
    QStringList forms; // the translation, or each of its plural forms
};

QStringList placeholders(const QString &text) {
    static const QRegularExpression pattern(QStringLiteral("%L?(\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        if (!found.contains(match.captured()))
            found << match.captured();
    return found;
}

// An ampersand before anything but another ampersand marks an accelerator.
bool hasAccelerator(const QString &text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return true;
        ++i;
    }
    return false;
}

QStringList faultsOf(const Message &message) {
    const QString where = message.context + QStringLiteral(": \"") + message.source + '"';
    if (message.type == QLatin1String("unfinished"))
        return {QStringLiteral("unfinished or missing: ") + where};
    if (message.type == QLatin1String("obsolete") || message.type == QLatin1String("vanished"))
        return {QStringLiteral("obsolete: ") + where};
    QStringList faults;
    for (const QString &form : message.forms) {
        for (const QString &placeholder : placeholders(message.source))
            if (!form.contains(placeholder))
                faults << QStringLiteral("drops %1: ").arg(placeholder) + where;
        if (hasAccelerator(message.source) && !hasAccelerator(form))
            faults << QStringLiteral("drops the accelerator: ") + where;
    }
    return faults;
}
} // namespace

QStringList translationFaults(const QByteArray &tsFile) {
    QStringList faults;
    QXmlStreamReader xml(tsFile);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message{context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            // Plural forms sit in elements of their own.
            QString text;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    message.forms << xml.readElementText();
                else if (xml.isEndElement() && xml.name() == QLatin1String("translation"))
                    break;
            }
            if (message.forms.isEmpty())
                message.forms << text;
            faults << faultsOf(message);
        }
    }
    if (xml.hasError())
        faults << QStringLiteral("not a translation file: ") + xml.errorString();
    return faults;
}
