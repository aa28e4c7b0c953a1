// SPDX-License-Identifier: MIT
#include "projects/RecordingRecovery.h"

#include "common/Text.h"
#include "platform/Dialogs.h"
#include "projects/ProjectStore.h"
#include "projects/RecordingJournal.h"
#include "projects/StoreBoxes.h"
#include "projects/TimeRecordRules.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

namespace {
std::string recoveredText(int64_t minutes, const std::string &project, const TimeDate &start) {
    const QString started =
        QString::fromStdString(start.DateText() + " " + std::to_string(start.Hour()) + ":" +
                               twoDigits(start.Minute()) + ":" + twoDigits(start.Second()));
    // English says "1 minute" where the plural form would read "1 minutes".
    const int count = static_cast<int>(std::clamp<int64_t>(minutes, INT_MIN, INT_MAX));
    const QString text =
        minutes == 1 ? QCoreApplication::translate(
                           "RecordingRecovery",
                           "Recovered 1 minute recorded for %1, started %2, and stored it.")
                     : QCoreApplication::translate(
                           "RecordingRecovery",
                           "Recovered %n minutes recorded for %1, started %2, and stored it.",
                           nullptr, count);
    return text.arg(QString::fromStdString(project), started).toStdString();
}

std::string withoutDotSlash(const std::string &path) {
    return path.starts_with("./") ? path.substr(2) : path;
}
} // namespace

RecordingRecovery::RecordingRecovery(ProjectStore &store, std::string database)
    : m_store(store), m_database(std::move(database)) {}

// Every journal of this user that no running recording holds is taken,
// whatever process its name says: its time is stored once, under the project
// its name gives (made as Start makes one when the database no longer has it).
// A journal whose row is already stored (the run ended between the insert and
// the removal) is only removed: the row it chose is there. An earlier form of
// journal, which chose no row, is told by the rows of its project at its
// start. One that cannot be read is kept aside and said once; one that cannot
// be checked or stored now stays for the next start.
void RecordingRecovery::run() {
    removeDeadJournalTemporaries(m_database);
    std::vector<HeldRecordingJournal> journals = takeRecordingJournals(m_database);
    TimeDate now;
    now.SetNow();
    RecoveredRows pass;
    // Each unreadable journal's name and the name it is kept under.
    std::vector<std::pair<std::string, std::string>> unreadable;
    for (HeldRecordingJournal &journal : journals) {
        const std::optional<RecordingJournalEntry> entry = journal.read(now);
        if (!entry) {
            if (const std::string kept = journal.setAside(); !kept.empty())
                unreadable.emplace_back(withoutDotSlash(journal.path()), withoutDotSlash(kept));
            continue;
        }
        const int64_t minutes = minutesWorked(entry->hours, entry->minutes, entry->seconds);
        if (minutes <= 0) {
            journal.remove();
            continue;
        }
        const int32_t project = projectIdShowingErrors(m_store, entry->project);
        if (project < 1)
            continue;
        bool stored = false;
        if (entry->earlierForm) {
            const StoreOutcome<int64_t> rows = m_store.rowsAt(project, entry->start);
            if (!rows)
                continue;
            stored = pass.alreadyStored(project, entry->start, static_cast<int>(*rows));
        } else if (entry->row) {
            const StoreOutcome<bool> there =
                m_store.hasRow({project, entry->row->start, entry->row->minutes});
            if (!there)
                continue;
            stored = *there;
        }
        if (!stored) {
            RecordingJournalEntry noted = *entry;
            noted.earlierForm = false;
            const auto rowChosen = [&](const TimesRow &row) {
                noted.row = RecordingJournalRow{row.start, row.minutes};
                return journal.rewrite(noted);
            };
            const StoreOutcome<TimesRow> row = m_store.storeTime({project, entry->start, minutes},
                                                                 rowChosen, journal.descriptor());
            if (!row) {
                showStoreError(row.error());
                continue;
            }
            pass.noteStored(project, row->start);
            showMessage(
                recoveredText(minutes, entry->project, entry->start),
                QCoreApplication::translate("RecordingRecovery", "Time Record").toStdString());
        }
        journal.remove();
    }
    const std::string warning =
        QCoreApplication::translate("RecordingRecovery", "Warning").toStdString();
    const int unreadableCount = static_cast<int>(unreadable.size());
    if (unreadableCount == 1)
        showMessage(QCoreApplication::translate(
                        "RecordingRecovery", "The recording journal %1 cannot be read, so nothing "
                                             "was stored from it. It is kept as %2.")
                        .arg(QString::fromStdString(unreadable[0].first),
                             QString::fromStdString(unreadable[0].second))
                        .toStdString(),
                    warning);
    else if (unreadableCount > 1)
        showMessage(QCoreApplication::translate(
                        "RecordingRecovery",
                        "%n recording journals beside %1 cannot be read, so nothing was stored "
                        "from them. They are kept as .bad files beside it.",
                        nullptr, unreadableCount)
                        .arg(QString::fromStdString(m_database))
                        .toStdString(),
                    warning);
}
