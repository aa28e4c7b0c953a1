// SPDX-License-Identifier: MIT
#include "projects/RecordCommands.h"

#include "platform/Translators.h"
#include "projects/ProjectSql.h"
#include "projects/ProjectStore.h"
#include "projects/RecordExport.h"

#include <QCommandLineParser>
#include <QFile>

#include <cstdio>

namespace {

int refuse(const QString &message) {
    std::fprintf(stderr, "chimeral: %s\n", message.toUtf8().constData());
    return 1;
}

} // namespace

void addRecordOptions(QCommandLineParser &parser) {
    parser.addOption(
        {QStringLiteral("export-csv"),
         Translations::translate(
             "RecordCommands",
             "Write the time records to FILE as CSV (- for standard output), then end."),
         Translations::translate("RecordCommands", "FILE")});
    parser.addOption({QStringLiteral("report"),
                      Translations::translate("RecordCommands",
                                              "Print the minutes worked per project, then end.")});
    parser.addOption({QStringLiteral("since"),
                      Translations::translate("RecordCommands",
                                              "Only the records from DAY on, given as YYYY-MM-DD."),
                      Translations::translate("RecordCommands", "DAY")});
    parser.addOption(
        {QStringLiteral("project"),
         Translations::translate("RecordCommands", "Only the records of project NAME."),
         Translations::translate("RecordCommands", "NAME")});
    parser.addOption({QStringLiteral("database"),
                      Translations::translate(
                          "RecordCommands",
                          "Read the time records from FILE instead of chimeral.db in the current "
                          "folder."),
                      Translations::translate("RecordCommands", "FILE")});
}

std::optional<int> runRecordCommands(const QCommandLineParser &parser) {
    const bool exporting = parser.isSet("export-csv");
    const bool reporting = parser.isSet("report");
    if (!exporting && !reporting) {
        if (parser.isSet("since") || parser.isSet("project") || parser.isSet("database"))
            return refuse(Translations::translate(
                "RecordCommands", "The options '--since', '--project' and '--database' go with "
                                  "'--export-csv' or '--report'."));
        return std::nullopt;
    }
    if (exporting && reporting)
        return refuse(Translations::translate(
            "RecordCommands",
            "The options '--export-csv' and '--report' cannot be given together."));
    RecordFilter filter;
    if (parser.isSet("since")) {
        filter.since = parseRecordDay(parser.value("since").toStdString());
        if (!filter.since)
            return refuse(Translations::translate(
                "RecordCommands", "The option '--since' needs a calendar day written YYYY-MM-DD."));
    }
    if (parser.isSet("project"))
        filter.project = parser.value("project").toStdString();
    const std::string named = parser.isSet("database")
                                  ? QFile::encodeName(parser.value("database")).toStdString()
                                  : std::string(ProjectDatabaseName);
    if (named.empty())
        return refuse(Translations::translate("RecordCommands",
                                              "The option '--database' needs a file name."));
    const std::string database = ProjectStore::pathOf(named);
    if (reporting)
        return reportRecords(database, filter, stdout, stderr);
    const std::string target = QFile::encodeName(parser.value("export-csv")).toStdString();
    return exportRecordsCsv(database, filter, target, stdout, stderr);
}
