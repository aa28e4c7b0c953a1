// SPDX-License-Identifier: MIT
// The Time Record tab's page and handlers: Start and Stop of a recording
// against a named project, Pause and Resume, the elapsed-time display, the
// minutes collected since a date, and the external SQL client.
#include "projects/TimeRecorder.h"

#include "common/ElapsedTime.h"
#include "common/Text.h"
#include "platform/Accessibility.h"
#include "platform/Dialogs.h"
#include "platform/FileChecks.h"
#include "platform/Widgets.h"
#include "projects/ProjectSql.h"
#include "projects/SQLite.h"
#include "projects/TimeRecordRules.h"
#include "projects/exec_obj.h"
#include "ui_TimeRecordPage.h"

#include <QEvent>

TimeRecorder::TimeRecorder(QWidget *page) : QObject(page), m_page(page), TRTimer(this, 1000) {
    TRTimer.setObjectName("TRTimer");
    TRTimer.setHandler([this] { RecordSecond(); });
}

TimeRecorder::~TimeRecorder() = default;

void TimeRecorder::buildPage() {
    if (ui)
        return;
    ui = std::make_unique<Ui::TimeRecordPage>();
    ui->setupUi(m_page);
    // Larger than the window's font.
    for (QWidget *widget :
         {static_cast<QWidget *>(ui->StopLabel2), static_cast<QWidget *>(ui->Button11),
          static_cast<QWidget *>(ui->PauseButton)})
        setPixelSize(widget, 19);
    setPixelSize(ui->ProjectBox, 16);

    // An editable box shows its first item as soon as it gets one; it starts
    // empty, as the start-up left it.
    if (!m_projectNames.isEmpty()) {
        ui->ProjectBox->addItems(m_projectNames);
        ui->ProjectBox->setCurrentIndex(-1);
        ui->ProjectBox->setEditText(QString());
        m_projectNames.clear();
    }
    if (!m_elapsed.isNull())
        ui->StopLabel2->setText(m_elapsed);
    if (!m_dateFields[0].isNull()) {
        ui->YearEdit->setText(m_dateFields[0]);
        ui->MonthEdit->setText(m_dateFields[1]);
        ui->DayEdit->setText(m_dateFields[2]);
    }
    if (!m_minutes.isNull())
        ui->QueryLabel->setText(m_minutes);
    showButtons();

    const auto bind = [this](QPushButton *button, void (TimeRecorder::*handler)()) {
        bindHandler(this, button, handler);
    };
    bind(ui->Button11, &TimeRecorder::ProjectClick);
    bind(ui->PauseButton, &TimeRecorder::Pauser);
    bind(ui->Button13, &TimeRecorder::GetMinutes);
    bind(ui->Button14, &TimeRecorder::ShowSchema);
    bind(ui->Button12, &TimeRecorder::StartClient);
    ui->Button12->installEventFilter(this);
    makeAccessible();
}

// The SQL Client's tip names what a click would start, worked out as it is
// shown, so it follows a client installed or removed meanwhile.
bool TimeRecorder::eventFilter(QObject *watched, QEvent *event) {
    if (ui && watched == ui->Button12 && event->type() == QEvent::ToolTip)
        ui->Button12->setToolTip(QString::fromStdString(sqlClientToolTip()));
    return QObject::eventFilter(watched, event);
}

void TimeRecorder::makeAccessible() {
    describeInput(ui->ProjectBox, "Project", "The project to record; Enter starts or stops");
    describeInput(ui->ProjectBox->lineEdit(), "Project name",
                  "The project to record; Enter starts or stops");
    describeInput(ui->YearEdit, "Year", "Year of the date the minutes are counted from");
    describeInput(ui->MonthEdit, "Month", "Month of the date the minutes are counted from");
    describeInput(ui->DayEdit, "Day", "Day of the date the minutes are counted from");
    ui->Label1->setBuddy(ui->YearEdit);
    ui->Label2->setBuddy(ui->MonthEdit);
    ui->Label3->setBuddy(ui->DayEdit);
    describeStatus(ui->StopLabel2, "Recorded time", "Time counted by the current recording");
    describeStatus(ui->QueryLabel, "Minutes since the date",
                   "Minutes recorded for the project since the date");
    pressOnEnter(ui->ProjectBox, ui->Button11);
}

QString TimeRecorder::projectText() const {
    return ui ? ui->ProjectBox->currentText() : QString();
}

// The date's fields as Get Minutes Since reads them.
int TimeRecorder::dateField(int index) const {
    QString text = m_dateFields[index];
    if (ui)
        text = (index == 0 ? ui->YearEdit : index == 1 ? ui->MonthEdit : ui->DayEdit)->text();
    return StrToInt(text.toStdString());
}

void TimeRecorder::stopRecording() {
    if (Recording)
        runGuarded([this] { ProjectClick(); });
}

void TimeRecorder::showElapsed(const QString &text) {
    m_elapsed = text;
    emit recordingChanged();
    if (ui)
        ui->StopLabel2->setText(text);
}

void TimeRecorder::showButtons() {
    emit recordingChanged();
    if (!ui)
        return;
    ui->Button11->setText(Recording ? "Stop" : "Start");
    ui->PauseButton->setText(Paused ? "Resume" : "Pause");
}

// A recording starts only when it can be stored: with a project, in a
// database that can be written. Stop shows "Start" before it stores; a Stop
// whose store fails puts the recording back on the button, still counted but
// no longer counting, for the next Stop.
void TimeRecorder::ProjectClick() {
    Recording = !Recording;
    TRTimer.setEnabled(false);
    if (Recording) {
        if (projectText().isEmpty()) {
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
        RecordingName = projectNameOf(projectText().toStdString());
        journalRecording();
        showButtons();
    } else {
        showButtons();
        RecordTime();
        if (StoreKept) {
            Recording = true;
            showButtons();
            return;
        }
        showElapsed("00:00");
    }
    TRTimer.setEnabled(Recording);
}

void TimeRecorder::RecordSecond() {
    ++TRSeconds;
    carrySeconds(TRHours, TRMinutes, TRSeconds);
    showElapsed(QString::fromStdString(elapsedText(TRHours, TRMinutes, TRSeconds)));
    if (Recording && ++JournalTicks >= JournalInterval)
        journalRecording();
}

// Pausing is independent of recording: resuming runs the counters even when
// no recording is on, and that time joins the next one.
void TimeRecorder::Pauser() {
    Paused = !Paused;
    showButtons();
    TRTimer.setEnabled(!Paused);
    if (Recording)
        journalRecording();
}

// Only reads: a name not stored yet has collected nothing, and the project
// of a running recording stays as it is.
void TimeRecorder::GetMinutes() {
    if (projectText().isEmpty()) {
        showMessage("You must have a project selected!", "Oops");
        return;
    }
    if (!projectDatabaseOpen()) {
        reportNoDatabase();
        return;
    }
    const std::optional<int32_t> project = findProject(projectNameOf(projectText().toStdString()));
    const int year = dateField(0);
    const int month = dateField(1);
    const int day = dateField(2);
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
    m_minutes = QString::number(minutes);
    m_minutesProject = projectNameOf(projectText().toStdString());
    if (ui)
        ui->QueryLabel->setText(m_minutes);
}

// Time added by hand to the project whose minutes are shown is counted in
// at once, as a new press of Get Minutes Since would; nothing is said when
// the sum cannot be read now.
void TimeRecorder::refreshShownMinutes(const std::string &project) {
    if (!ui || m_minutes.isNull() || project != m_minutesProject ||
        projectNameOf(projectText().toStdString()) != project)
        return;
    const std::optional<int32_t> id = findProject(project);
    if (!id || *id < 1)
        return;
    std::unique_ptr<SQLite_Cursor> sum(
        Database->Query(minutesSinceSql(*id, dateField(0), dateField(1), dateField(2))));
    if (sum && sum->Next() && sum->ColumnType(0) == SQLite_Cursor::Integer) {
        m_minutes = QString::number(sum->ColumnInt(0, -1));
        ui->QueryLabel->setText(m_minutes);
    }
}

void TimeRecorder::ShowSchema() {
    showMessage("Two tables: projects and times", "Not much help");
}

// The client runs beside the window: the launcher waits for nothing but the
// start, so the window answers and a running recording keeps counting while
// the client is open, and the launcher reaps the client in the background when
// it ends. Whether it starts is not reported; with no database file opened or
// no client installed nothing is started. A database file replaced meanwhile
// by something that is no regular file (a named pipe would hold the client up
// for good) is refused with a message.
void TimeRecorder::StartClient() {
    if (const std::string notRegular =
            databasePath.empty() ? "" : notRegularFileReason(databasePath);
        !notRegular.empty()) {
        showMessage("Could not start the SQL client. " + databasePath + " " + notRegular + ".",
                    "Oops");
        return;
    }
    const std::string command = databasePath.empty() ? "" : sqlClientCommand(databasePath);
    if (command.empty())
        return;
    exec_obj client;
    client.waitTimeOut = 0;
    client.SetCommandLine(command);
}
