// SPDX-License-Identifier: MIT
// Project names typed into the Time Record tab, looked up and created through
// the real main window against a real database. Whatever the name, a lookup
// either fails with a message and leaves no project ID, or gives the ID of the
// one project stored under exactly that (trimmed) name; a second lookup finds
// the same project and creates nothing.

#include "FuzzSupport.h"

#include "app/TMainForm.h"
#include "common/Text.h"
#include "platform/Dialogs.h"
#include "projects/SQLite.h"
#include "ui_TMainForm.h"

#include <QApplication>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> messages;
TMainForm *form = nullptr;

int projectCount() {
    std::unique_ptr<SQLite_Cursor> cursor(form->Database->Query("select count(*) from projects"));
    fuzz::check(cursor && cursor->Next(), "the database still answers");
    return cursor->ColumnInt(0, -1);
}

std::string storedName(int id) {
    std::unique_ptr<SQLite_Cursor> cursor(
        form->Database->Query("select name from projects where ID = " + std::to_string(id)));
    fuzz::check(cursor && cursor->Next(), "the project's row exists");
    return cursor->ColumnText(0);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string folder = fuzz::scratchFolder();
    fuzz::writeFile(folder + "/chimeral.ini", "ALARMSOUND=alarm.wav\r\nTIMERSOUND=timer.wav\r\n");
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    fuzz::check(chdir(folder.c_str()) == 0, "scratch folder as current directory");
    new QApplication(*argc, *argv);
    setMessageHandler([](const std::string &text, const std::string &, MessageKind) {
        messages.push_back(text);
    });
    form = new TMainForm;
    fuzz::check(form->projectDatabaseOpen(), "the database opened at start-up");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static int runs = 0;
    if (++runs % 1000 == 0) {
        // Keeps the table small, so lookups stay quick however long the run.
        fuzz::check(form->Database->Execute("delete from projects"), "the table empties");
        form->ui->ProjectBox->clear();
    }
    const std::string typed(reinterpret_cast<const char *>(data), size);
    form->ui->ProjectBox->setEditText(QString::fromStdString(typed));
    const std::string name = trimText(form->ui->ProjectBox->currentText().toStdString());
    const int before = projectCount();

    messages.clear();
    form->LookupProject();
    if (!messages.empty()) {
        // Only a name the SQL text cannot carry (a zero byte) may fail.
        fuzz::check(name.find('\0') != std::string::npos, "a lookup of a plain name succeeds");
        fuzz::check(messages.back() == "Invalid project number", "the failure is reported");
        fuzz::check(form->ProjectId == 0, "a failed lookup leaves no project");
        fuzz::check(projectCount() == before, "a failed lookup stores nothing");
        return 0;
    }
    const int32_t id = form->ProjectId;
    fuzz::check(id >= 1, "a valid project ID");
    fuzz::check(storedName(id) == name, "the ID names exactly this project");
    const int after = projectCount();
    fuzz::check(after == before || after == before + 1, "at most one project is created");

    form->LookupProject();
    fuzz::check(messages.empty(), "the second lookup succeeds");
    fuzz::check(form->ProjectId == id, "the second lookup finds the same project");
    fuzz::check(projectCount() == after, "the second lookup creates nothing");
    return 0;
}
