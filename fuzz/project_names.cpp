// SPDX-License-Identifier: MIT
// Project names typed into the Time Record tab and started, looked up and
// created through the real main window against a real database. Whatever the
// name, a Start either fails with a message and stores nothing, or starts a
// recording on the one project stored under exactly that (trimmed) name; a
// second Start finds the same project and creates nothing.

#include "FuzzSupport.h"

#include "app/TMainForm.h"
#include "platform/Dialogs.h"
#include "projects/ProjectSql.h"
#include "projects/SQLite.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> messages;
TMainForm *form = nullptr;
QComboBox *projectBox = nullptr;
QPushButton *startStop = nullptr;
SQLite *database = nullptr; // a connection of its own, to check what the window stored

int number(const std::string &sql) {
    std::unique_ptr<SQLite_Cursor> cursor(database->Query(sql));
    fuzz::check(cursor && cursor->Next(), "the database still answers");
    return cursor->ColumnInt(0, -1);
}

int rowCount(const std::string &sql) {
    std::unique_ptr<SQLite_Cursor> cursor(database->Query(sql));
    fuzz::check(cursor != nullptr, "the database still answers");
    int rows = 0;
    while (cursor->Next())
        ++rows;
    return rows;
}

int projectCount() {
    return number("select count(*) from projects");
}

// Starts and stops a recording of the name in the box; false when Start
// refused, with its message.
bool startAndStop() {
    messages.clear();
    startStop->click();
    if (startStop->text() != "Stop")
        return false;
    startStop->click();
    fuzz::check(messages == std::vector<std::string>{"Not worth recording less than a minute"},
                "a recording of no time is not stored");
    fuzz::check(startStop->text() == "Start", "the recording has stopped");
    messages.clear();
    return true;
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
    form->showTab("TimeRecord");
    projectBox = form->findChild<QComboBox *>("ProjectBox");
    startStop = form->findChild<QPushButton *>("Button11");
    fuzz::check(projectBox && startStop, "the Time Record page is built");
    database = new SQLite;
    fuzz::check(database->Open(ProjectDatabaseName, false), "the database opened at start-up");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static int runs = 0;
    if (++runs % 1000 == 0) {
        // Keeps the table small, so lookups stay quick however long the run.
        fuzz::check(database->Execute("delete from projects"), "the table empties");
        projectBox->clear();
    }
    const std::string typed(reinterpret_cast<const char *>(data), size);
    projectBox->setEditText(QString::fromStdString(typed));
    const std::string name = projectNameOf(projectBox->currentText().toStdString());
    const int before = projectCount();

    if (!startAndStop()) {
        // Only an empty name or one the SQL text cannot carry may be refused.
        fuzz::check(projectBox->currentText().isEmpty() || name.empty() ||
                        name.find('\0') != std::string::npos,
                    "a Start of a plain name succeeds");
        fuzz::check(!messages.empty(), "the refusal is reported");
        fuzz::check(projectCount() == before, "a refused Start stores nothing");
        return 0;
    }
    fuzz::check(rowCount(projectIdSql(name)) == 1, "exactly one project is stored under the name");
    const int after = projectCount();
    fuzz::check(after == before || after == before + 1, "at most one project is created");

    fuzz::check(startAndStop(), "the second Start succeeds");
    fuzz::check(projectCount() == after, "the second Start creates nothing");
    return 0;
}
