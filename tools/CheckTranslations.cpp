// SPDX-License-Identifier: MIT
// Fails when a translation file would ship incomplete: each file is brought
// up to date with the texts of the sources in a copy of its own, so that a
// text the code has and the file lacks shows as unfinished, and the copy is
// checked (TranslationCheck.h). Prints one line per fault.
// Usage: CheckTranslations <lupdate> <source folder> <file.ts>...
#include "TranslationCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4) {
        std::fputs("usage: CheckTranslations <lupdate> <source folder> <file.ts>...\n", stderr);
        return 2;
    }
    QTemporaryDir work;
    int faultCount = 0;
    for (const QString &file : arguments.mid(3)) {
        const QString copy = work.filePath(QFileInfo(file).fileName());
        if (!QFile::copy(file, copy)) {
            std::fprintf(stderr, "%s: cannot be read\n", qPrintable(file));
            return 2;
        }
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        lupdate.start(arguments[1],
                      {QStringLiteral("-silent"), QStringLiteral("-locations"),
                       QStringLiteral("none"), QStringLiteral("-extensions"),
                       QStringLiteral("cpp,h,ui"), arguments[2], QStringLiteral("-ts"), copy});
        if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0) {
            std::fprintf(stderr, "%s: the text extraction failed\n", qPrintable(file));
            return 2;
        }
        QFile updated(copy);
        if (!updated.open(QIODevice::ReadOnly))
            return 2;
        for (const QString &fault : translationFaults(updated.readAll())) {
            std::printf("%s: %s\n", qPrintable(QFileInfo(file).fileName()), qPrintable(fault));
            ++faultCount;
        }
    }
    return faultCount == 0 ? 0 : 1;
}
