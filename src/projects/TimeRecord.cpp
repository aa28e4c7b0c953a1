// SPDX-License-Identifier: MIT
// The Time Record tab: Start and Stop of a recording against a named project,
// Pause and Resume, the elapsed-time display, the minutes collected since a
// date, and the external SQL client.
#include "app/TMainForm.h"

#include "common/ElapsedTime.h"
#include "common/Text.h"
#include "platform/Dialogs.h"
#include "projects/ProjectSql.h"
#include "projects/SQLite.h"
#include "projects/TimeRecordRules.h"
#include "projects/exec_obj.h"
#include "ui_TMainForm.h"

// A recording starts only when it can be stored: with a project, in a
// database that can be written. A Stop whose store fails keeps the recording
// on the button, still counted but no longer counting, for the next Stop.
void TMainForm::ProjectClick() {
    Recording = !Recording;
    TRTimer.setEnabled(false);
    if (Recording) {
        if (ui->ProjectBox->currentText().isEmpty()) {
            showMessage("You must have a project selected!", "Oops");
            Recording = false;
            return;
        }
        if (!projectDatabaseOpen()) {
            reportNoDatabase();
            Recording = false;
            return;
        }
        if (!databaseWritable()) {
            showMessage("Attempt to write a readonly database", "SQL error");
            Recording = false;
            return;
        }
        LookupProject();
        if (ProjectId < 1) {
            Recording = false;
            return;
        }
        TRStart.SetNow();
        RecordingName = projectNameOf(ui->ProjectBox->currentText().toStdString());
        journalRecording();
        ui->Button11->setText("Stop");
    } else {
        RecordTime();
        if (StoreKept) {
            Recording = true;
            return;
        }
        ui->Button11->setText("Start");
        ui->StopLabel2->setText("00:00");
    }
    TRTimer.setEnabled(Recording);
}

void TMainForm::RecordSecond() {
    ++TRSeconds;
    carrySeconds(TRHours, TRMinutes, TRSeconds);
    ui->StopLabel2->setText(QString::fromStdString(elapsedText(TRHours, TRMinutes, TRSeconds)));
    if (Recording && ++JournalTicks >= JournalInterval)
        journalRecording();
}

// Pausing is independent of recording: resuming runs the counters even when
// no recording is on, and that time joins the next one.
void TMainForm::Pauser() {
    Paused = !Paused;
    ui->PauseButton->setText(Paused ? "Resume" : "Pause");
    TRTimer.setEnabled(!Paused);
    if (Recording)
        journalRecording();
}

// Only reads: a name not stored yet has collected nothing, and the project
// of a running recording stays as it is.
void TMainForm::GetMinutes() {
    if (ui->ProjectBox->currentText().isEmpty()) {
        showMessage("You must have a project selected!", "Oops");
        return;
    }
    if (!projectDatabaseOpen()) {
        reportNoDatabase();
        return;
    }
    const std::optional<int32_t> project =
        findProject(projectNameOf(ui->ProjectBox->currentText().toStdString()));
    const int year = StrToInt(ui->YearEdit->text().toStdString());
    const int month = StrToInt(ui->MonthEdit->text().toStdString());
    const int day = StrToInt(ui->DayEdit->text().toStdString());
    int minutes = project ? 0 : -1;
    if (project && *project > 0) {
        std::unique_ptr<SQLite_Cursor> sum(
            Database->Query(minutesSinceSql(*project, year, month, day)));
        // The sum over no row is null: nothing collected.
        if (!sum || !sum->Next())
            minutes = -1;
        else if (sum->ColumnType(0) == SQLite_Cursor::Integer)
            minutes = sum->ColumnInt(0, -1);
        else if (sum->ColumnType(0) != SQLite_Cursor::Null) {
            sum.reset();
            showMessage("Unexpected result from query", "Houston we have a problem");
            minutes = -1;
        }
    }
    ui->QueryLabel->setText(QString::number(minutes));
}

void TMainForm::ShowSchema() {
    showMessage("Two tables: projects and times", "Not much help");
}

// The client runs beside the window: the launcher waits for nothing but the
// start, so the window answers and a running recording keeps counting while
// the client is open, and the launcher reaps the client in the background when
// it ends. Whether it starts is not reported; with no database file opened or
// no client installed nothing is started.
void TMainForm::StartClient() {
    const std::string command = databasePath.empty() ? "" : sqlClientCommand(databasePath);
    if (command.empty())
        return;
    exec_obj client;
    client.waitTimeOut = 0;
    client.SetCommandLine(command);
}
