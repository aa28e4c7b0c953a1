// The Time Record tab: Start and Stop of a recording against a named project,
// Pause and Resume, the elapsed-time display, the minutes collected since a
// date, and the external SQL client.
#include "app/TMainForm.h"

#include "common/Text.h"
#include "platform/Dialogs.h"
#include "projects/ProjectSql.h"
#include "projects/TimeRecordRules.h"
#include "projects/exec_obj.h"
#include "ui_TMainForm.h"

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
        LookupProject();
        TRStart.SetNow();
        ui->Button11->setText("Stop");
    } else {
        ui->Button11->setText("Start");
        RecordTime();
        ui->StopLabel2->setText("00:00");
    }
    TRTimer.setEnabled(Recording);
}

void TMainForm::RecordSecond() {
    if (++TRSeconds > 59) {
        ++TRMinutes;
        TRSeconds = 0;
    }
    if (TRMinutes > 59) {
        ++TRHours;
        TRMinutes = 0;
    }
    ui->StopLabel2->setText(QString::fromStdString(elapsedText(TRHours, TRMinutes, TRSeconds)));
}

// Pausing is independent of recording: resuming runs the counters even when
// no recording is on, and that time joins the next one.
void TMainForm::Pauser() {
    Paused = !Paused;
    ui->PauseButton->setText(Paused ? "Resume" : "Pause");
    TRTimer.setEnabled(!Paused);
}

void TMainForm::GetMinutes() {
    if (ui->ProjectBox->currentText().isEmpty()) {
        showMessage("You must have a project selected!", "Oops");
        return;
    }
    if (!projectDatabaseOpen()) {
        reportNoDatabase();
        return;
    }
    LookupProject();
    const int year = StrToInt(ui->YearEdit->text().toStdString());
    const int month = StrToInt(ui->MonthEdit->text().toStdString());
    const int day = StrToInt(ui->DayEdit->text().toStdString());
    const int minutes = QueryNumber(minutesSinceSql(ProjectId, year, month, day));
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
