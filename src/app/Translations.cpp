// SPDX-License-Identifier: MIT
#include "app/Translations.h"

#include "platform/Translators.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <filesystem>
#include <memory>
#include <system_error>

using Translations::programTranslator;
using Translations::qtTranslator;

namespace {
// "de_DE.UTF-8@euro" -> "de_DE".
QString withoutEncoding(QString locale) {
    for (const QChar mark : {QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype cut = locale.indexOf(mark);
        if (cut >= 0)
            locale.truncate(cut);
    }
    return locale;
}

bool isPlainLocale(const QString &locale) {
    return locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX");
}

bool isEnglish(const QString &language) {
    return language == QLatin1String("en") || language.startsWith(QLatin1String("en_"));
}

// "de_DE" tries "de_DE", then "de".
QStringList namesFor(const QString &language) {
    QStringList names{language};
    const qsizetype underscore = language.indexOf(QLatin1Char('_'));
    if (underscore > 0)
        names << language.left(underscore);
    return names;
}

QString programFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? QString() : QString::fromStdString(program.parent_path().string());
}

void installLoaded() {
    for (const auto *translator : {&programTranslator(), &qtTranslator()})
        if (*translator)
            QCoreApplication::installTranslator(translator->get());
}
} // namespace

QStringList wantedLanguages(const EnvironmentReader &environment) {
    QString messages;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = environment(name);
        if (!messages.isEmpty())
            break;
    }
    messages = withoutEncoding(messages);
    if (isPlainLocale(messages))
        return {};
    QStringList wanted;
    const QStringList listed = environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &entry : listed + QStringList{messages}) {
        const QString language = withoutEncoding(entry);
        if (isEnglish(language))
            break;
        if (!isPlainLocale(language) && !wanted.contains(language))
            wanted << language;
    }
    return wanted;
}

QString translationsFolder(const QString &programFolder) {
    const QDir program(programFolder);
    const QString installed = program.filePath(QStringLiteral("../share/chimeral/translations"));
    if (QDir(installed).exists())
        return QDir::cleanPath(installed);
    return program.filePath(QStringLiteral("translations"));
}

void loadTranslations() {
    const QStringList wanted =
        wantedLanguages([](const char *name) { return qEnvironmentVariable(name); });
    if (wanted.isEmpty())
        return;
    const QString folder = translationsFolder(programFolder());
    for (const QString &language : wanted) {
        for (const QString &name : namesFor(language)) {
            auto translator = std::make_unique<QTranslator>();
            if (!translator->load(QStringLiteral("chimeral_") + name, folder))
                continue;
            programTranslator() = std::move(translator);
            // Qt's texts in the same language, where Debian's translations of
            // Qt are installed.
            const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
            for (const QString &qtName : namesFor(language)) {
                auto qt = std::make_unique<QTranslator>();
                if (qt->load(QStringLiteral("qtbase_") + qtName, qtFolder)) {
                    qtTranslator() = std::move(qt);
                    break;
                }
            }
            // Called at once when the application object already exists.
            qAddPreRoutine(installLoaded);
            return;
        }
    }
}
