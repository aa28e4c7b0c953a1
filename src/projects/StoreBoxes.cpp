// SPDX-License-Identifier: MIT
#include "projects/StoreBoxes.h"

#include "platform/Dialogs.h"
#include "projects/ProjectSql.h"
#include "projects/ProjectStore.h"

#include <QCoreApplication>

// The program's only callback before an insert is a recording's journal
// taking the row, so a row it turned down is said as the journal's failure.
void showStoreError(const StoreError &error, const std::string &note) {
    if (error.kind == StoreError::NotStoredNow) {
        StoreError journal = error;
        journal.text = QCoreApplication::translate(
                           "StoreBoxes",
                           "Error in SQL command: %1 The recording's journal could not be written.")
                           .arg(QString::fromStdString(error.sql))
                           .toStdString();
        journal.caption = QCoreApplication::translate("ProjectStore", "SQL error").toStdString();
        showMessage(journal.message(note), journal.caption);
        return;
    }
    showMessage(error.message(note), error.caption);
}

namespace {
void showInvalidProject() {
    showMessage(
        QCoreApplication::translate("ProjectStore", "Invalid project number").toStdString(),
        QCoreApplication::translate("ProjectStore", "Houston we have a problem").toStdString());
}
} // namespace

int32_t projectIdShowingErrors(ProjectStore &store, const std::string &name) {
    const StoreOutcome<ProjectLookup> project = store.projectIdFor(name);
    if (project)
        return project->id;
    const StoreError &error = project.error();
    // The lookup itself could not be read: no usable ID, as it always said.
    if (error.kind == StoreError::Query && error.sql == projectIdSql(name)) {
        showInvalidProject();
        return 0;
    }
    showStoreError(error);
    if (error.kind != StoreError::InvalidProject && error.kind != StoreError::UnexpectedResult &&
        error.kind != StoreError::NotOpen)
        showInvalidProject();
    return 0;
}
