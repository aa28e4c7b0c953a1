// SPDX-License-Identifier: MIT
// The Time Record tab's page and handlers: Start and Stop of a recording
// against a named project, Pause and Resume, the elapsed-time display, the
// minutes collected since a date, and the external SQL client; the start-up's
// database step, the recording's journal and its store at the program's end.
#include "projects/TimeRecorder.h"

#include "common/ElapsedTime.h"
#include "common/Text.h"
#include "platform/Accessibility.h"
#include "platform/AwayWatch.h"
#include "platform/Dialogs.h"
#include "platform/FileChecks.h"
#include "platform/Widgets.h"
#include "projects/ProjectSql.h"
#include "projects/ProjectStore.h"
#include "projects/RecordingRecovery.h"
#include "projects/StoreBoxes.h"
#include "projects/TimeRecordRules.h"
#include "projects/exec_obj.h"
#include "ui_TimeRecordPage.h"

#include <QEvent>

#include <utility>

TimeRecorder::TimeRecorder(QWidget *page, ProjectStore &store)
    : QObject(page), m_page(page), m_store(store), TRTimer(this, 1000),
      m_away(new AwayWatch(this)) {
    TRTimer.setObjectName("TRTimer");
    TRTimer.setHandler([this] { RecordSecond(); });
    connect(m_away, &AwayWatch::back, this, [this](const QDateTime &from, const QDateTime &to) {
        runGuarded([&] { userBack(from, to); });
    });
    connect(&m_store, &ProjectStore::projectsChanged, this,
            guarded([this] { followProjectNames(); }));
    connect(&m_store, &ProjectStore::recordsChanged, this,
            guarded([this] { refreshShownMinutes(); }));
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
    ui->RecordingLabel->setText(m_recordingText);
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
    describeInput(ui->ProjectBox, tr("Project"),
                  tr("The project to record; Enter starts or stops"));
    describeInput(ui->ProjectBox->lineEdit(), tr("Project name"),
                  tr("The project to record; Enter starts or stops"));
    describeInput(ui->YearEdit, tr("Year"), tr("Year of the date the minutes are counted from"));
    describeInput(ui->MonthEdit, tr("Month"), tr("Month of the date the minutes are counted from"));
    describeInput(ui->DayEdit, tr("Day"), tr("Day of the date the minutes are counted from"));
    ui->Label1->setBuddy(ui->YearEdit);
    ui->Label2->setBuddy(ui->MonthEdit);
    ui->Label3->setBuddy(ui->DayEdit);
    describeStatus(ui->StopLabel2, tr("Recorded time"),
                   tr("Time counted by the current recording"));
    describeStatus(ui->QueryLabel, tr("Minutes since the date"),
                   tr("Minutes recorded for the project since the date"));
    describeStatus(ui->RecordingLabel, tr("Not recording"),
                   tr("The project the running recording is stored under"));
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
    showRecordingProject();
    emit recordingChanged();
    if (!ui)
        return;
    ui->Button11->setText(Recording ? tr("Stop") : tr("Start"));
    ui->PauseButton->setText(Paused ? tr("Resume") : tr("Pause"));
}

// The box may be changed meanwhile to look up another project's minutes: the
// label keeps saying where Stop will store the time.
void TimeRecorder::showRecordingProject() {
    m_recordingText =
        Recording ? tr("Recording %1").arg(QString::fromStdString(RecordingName)) : QString();
    if (ui)
        ui->RecordingLabel->setText(m_recordingText);
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
            showMessage(tr("You must have a project selected!").toStdString(),
                        tr("Oops").toStdString());
            Recording = false;
            return;
        }
        if (!m_store.isOpen()) {
            reportNoDatabase();
            Recording = false;
            return;
        }
        if (!m_store.isWritable()) {
            showMessage(tr("Attempt to write a readonly database").toStdString(),
                        tr("SQL error").toStdString());
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
        // Time away not asked about yet is asked about before it is stored;
        // while its box is open, the answer comes first.
        const bool questionOpen = m_askingAway;
        endAwayWatch();
        if (questionOpen) {
            m_stopAfterQuestion = true;
            showButtons();
            return;
        }
        finishStop();
        return;
    }
    TRTimer.setEnabled(Recording);
    m_away->start();
}

void TimeRecorder::finishStop() {
    showButtons();
    RecordTime();
    if (StoreKept) {
        Recording = true;
        showButtons();
        return;
    }
    showElapsed("00:00");
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
    if (!Recording)
        return;
    // Time away while paused is not counted, so it is not asked about.
    if (Paused)
        endAwayWatch();
    else
        m_away->start();
    journalRecording();
}

void TimeRecorder::setAwayMinutes(int minutes) {
    m_away->setIdleMinutes(minutes);
    if (Recording && !Paused && TRTimer.enabled())
        m_away->start();
}

void TimeRecorder::userBack(const QDateTime &from, const QDateTime &to) {
    m_awaySpans.push_back({from, to, m_countNumber});
    askAboutAwayTime();
}

// The watch stops with the counting; an absence it has not told yet (the
// user is still away, as far as it knows) is asked about now.
void TimeRecorder::endAwayWatch() {
    if (const std::optional<AwayWatch::Span> open = m_away->openSpan())
        m_awaySpans.push_back({open->from, open->to, m_countNumber});
    m_away->stop();
    askAboutAwayTime();
}

// One box at a time: a span told while one is open waits for it. A span whose
// time was stored meanwhile (the program ended quietly) is not asked about.
void TimeRecorder::askAboutAwayTime() {
    if (m_askingAway)
        return;
    m_askingAway = true;
    struct Done {
        bool &asking;
        ~Done() { asking = false; }
    } done{m_askingAway};
    while (!m_awaySpans.empty()) {
        const AwaySpan span = m_awaySpans.front();
        m_awaySpans.pop_front();
        if (span.count != m_countNumber || !hasCountedTime())
            continue;
        const bool discard = askKeepOrChange(awayQuestionText(span.from, span.to, RecordingName),
                                             tr("Time Record").toStdString(),
                                             tr("Keep").toStdString(), tr("Discard").toStdString());
        if (discard && span.count == m_countNumber)
            discardAwayMinutes(awaySpanMinutes(span.from, span.to));
    }
    m_askingAway = false;
    if (std::exchange(m_stopAfterQuestion, false) && !Recording)
        finishStop();
}

// The minutes the question named come out of the count as whole minutes, so
// the stored minutes drop by exactly that many; the journal follows at once,
// so a run that ends now is recovered without them.
void TimeRecorder::discardAwayMinutes(int64_t minutes) {
    const uint64_t counted = recordedSeconds();
    const uint64_t away = static_cast<uint64_t>(minutes) * 60;
    const uint64_t left = counted > away ? counted - away : 0;
    TRHours = static_cast<uint32_t>(left / 3600);
    TRMinutes = static_cast<uint32_t>(left / 60 % 60);
    TRSeconds = static_cast<uint32_t>(left % 60);
    showElapsed(QString::fromStdString(elapsedText(TRHours, TRMinutes, TRSeconds)));
    journalRecording();
}

// Only reads: a name not stored yet has collected nothing, and the project
// of a running recording stays as it is.
void TimeRecorder::GetMinutes() {
    if (projectText().isEmpty()) {
        showMessage(tr("You must have a project selected!").toStdString(),
                    tr("Oops").toStdString());
        return;
    }
    if (!m_store.isOpen()) {
        reportNoDatabase();
        return;
    }
    const std::string name = projectNameOf(projectText().toStdString());
    const StoreOutcome<int32_t> project = m_store.findProject(name);
    for (int field = 0; field < 3; ++field)
        m_minutesSince[field] = dateField(field);
    int64_t minutes = project ? 0 : -1;
    if (project && *project > 0) {
        const StoreOutcome<int64_t> sum =
            m_store.minutesSince(*project, m_minutesSince[0], m_minutesSince[1], m_minutesSince[2]);
        minutes = sum ? *sum : -1;
        if (!sum && sum.error().kind == StoreError::UnexpectedResult)
            showStoreError(sum.error());
    }
    m_minutes = QString::number(minutes);
    m_minutesProject = name;
    if (ui)
        ui->QueryLabel->setText(m_minutes);
}

// A change to the records, from any window, is counted into the minutes shown
// for the project in the box at once, as a new press of Get Minutes Since
// would from the same day; nothing is said when the sum cannot be read now.
void TimeRecorder::refreshShownMinutes() {
    if (!ui || m_minutes.isNull() || projectNameOf(projectText().toStdString()) != m_minutesProject)
        return;
    const StoreOutcome<int32_t> id = m_store.findProject(m_minutesProject);
    if (!id || *id < 1)
        return;
    const StoreOutcome<int64_t> sum =
        m_store.minutesSince(*id, m_minutesSince[0], m_minutesSince[1], m_minutesSince[2]);
    if (sum) {
        m_minutes = QString::number(*sum);
        ui->QueryLabel->setText(m_minutes);
    }
}

void TimeRecorder::ShowSchema() {
    // The tables' names are SQL, not words.
    showMessage(tr("Two tables: projects and times").toStdString(),
                tr("Not much help").toStdString());
}

// The client runs beside the window: the launcher waits for nothing but the
// start, so the window answers and a running recording keeps counting while
// the client is open, and the launcher reaps the client in the background when
// it ends. Whether it starts is not reported; with no database file opened or
// no client installed nothing is started. A database file replaced meanwhile
// by something that is no regular file (a named pipe would hold the client up
// for good) is refused with a message.
void TimeRecorder::StartClient() {
    const std::string &databasePath = m_store.path();
    if (const std::string notRegular =
            databasePath.empty() ? "" : notRegularFileReason(databasePath);
        !notRegular.empty()) {
        showMessage(
            tr("Could not start the SQL client. %1 %2.")
                .arg(QString::fromStdString(databasePath), QString::fromStdString(notRegular))
                .toStdString(),
            tr("Oops").toStdString());
        return;
    }
    const std::string command = databasePath.empty() ? "" : sqlClientCommand(databasePath);
    if (command.empty())
        return;
    exec_obj client;
    client.waitTimeOut = 0;
    client.SetCommandLine(command);
}

void TimeRecorder::alarmSoundSet() {
    if (!std::exchange(NoAlarmSoundAtStart, false))
        return;
    openProjectDatabase();
}

void TimeRecorder::openProjectDatabase() {
    if (const StoreStatus opened = m_store.open(ProjectDatabaseName); !opened) {
        showStoreError(opened.error());
        // A file that could not be opened still leaves the date to count from;
        // without the library or the tables start-up ends here.
        const StoreError::Kind kind = opened.error().kind;
        if (kind == StoreError::NotRegularFile || kind == StoreError::OpenFailed)
            setDateFieldsToToday();
        return;
    }
    Journal.emplace(ProjectDatabaseName);
    if (fillProjectList() == ProjectListing::NameNotText)
        return;
    setDateFieldsToToday();
    RecordingRecovery(m_store, ProjectDatabaseName).run();
}

// Get Minutes Since starts at today.
void TimeRecorder::setDateFieldsToToday() {
    TRStart.SetNow();
    m_dateFields[0] = QString::number(TRStart.Year());
    m_dateFields[1] = QString::number(TRStart.Month());
    m_dateFields[2] = QString::number(TRStart.Day());
    if (ui) {
        ui->YearEdit->setText(m_dateFields[0]);
        ui->MonthEdit->setText(m_dateFields[1]);
        ui->DayEdit->setText(m_dateFields[2]);
    }
}

// A query that fails is shown and start-up goes on without names; a stored
// name that is not text ends the list, and start-up with it.
TimeRecorder::ProjectListing TimeRecorder::fillProjectList() {
    const StoreOutcome<ProjectStore::ProjectNames> names = m_store.projectNames();
    if (!names) {
        showStoreError(names.error());
        return ProjectListing::QueryFailed;
    }
    QStringList list;
    for (const std::string &name : names->names)
        list.append(QString::fromStdString(name));
    showProjectNames(list);
    return names->complete ? ProjectListing::Complete : ProjectListing::NameNotText;
}

// A project made, renamed or removed by any window shows in the box; the
// names are read again as start-up reads them, quietly.
void TimeRecorder::followProjectNames() {
    const StoreOutcome<ProjectStore::ProjectNames> names = m_store.projectNames();
    if (!names)
        return;
    QStringList list;
    for (const std::string &name : names->names)
        list.append(QString::fromStdString(name));
    showProjectNames(list);
}

void TimeRecorder::followRename(const QString &name, const QString &newName) {
    followProjectNames();
    if (!ui || projectNameOf(projectText().toStdString()) != name.toStdString())
        return;
    ui->ProjectBox->setCurrentIndex(ui->ProjectBox->findText(newName, Qt::MatchExactly));
    ui->ProjectBox->setEditText(newName);
    if (m_minutesProject == name.toStdString()) {
        m_minutesProject = newName.toStdString();
        refreshShownMinutes();
    }
}

QStringList TimeRecorder::projectNames() const {
    if (!ui)
        return m_projectNames;
    QStringList names;
    for (int i = 0; i < ui->ProjectBox->count(); ++i)
        names << ui->ProjectBox->itemText(i);
    return names;
}

// An editable box shows its first item as soon as it gets one; what the user
// typed, or the empty text at start-up, must stay. Names are added in one go:
// a box that takes its items one by one redoes its text and its list for
// each, which made a long list slow to start. A list that only grew keeps its
// items; any other change fills the box anew.
void TimeRecorder::showProjectNames(const QStringList &names) {
    const QStringList shown = projectNames();
    if (names == shown)
        return;
    const bool grew = names.size() > shown.size() && names.mid(0, shown.size()) == shown;
    if (!ui) {
        m_projectNames = names;
        return;
    }
    QComboBox *box = ui->ProjectBox;
    const QString typed = box->currentText();
    const bool noneChosen = box->currentIndex() < 0;
    if (grew) {
        box->addItems(names.mid(shown.size()));
    } else {
        box->clear();
        box->addItems(names);
    }
    if (noneChosen || !grew) {
        box->setCurrentIndex(noneChosen ? -1 : static_cast<int>(names.indexOf(typed)));
        box->setEditText(typed);
    }
}

// When start-up ended early for want of an alarm sound, the user is told how
// to get the database.
void TimeRecorder::reportNoDatabase() {
    const QString text =
        NoAlarmSoundAtStart
            ? tr("No project database is open, so no time can be recorded or summed. Set the "
                 "alarm sound under Options > Sounds and start the program again.")
            : tr("No project database is open, so no time can be recorded or summed.");
    showMessage(text.toStdString(), tr("Oops").toStdString());
}

void TimeRecorder::LookupProject() {
    if (!m_store.isOpen()) {
        reportNoDatabase();
        ProjectId = 0;
        return;
    }
    ProjectId = projectIdShowingErrors(m_store, projectNameOf(projectText().toStdString()));
}

// A store that fails keeps the recording (counters, start, project and
// journal) for the next Stop, close or start-up. The store passes over a
// start second another recording took, and the seconds the journals of
// unfinished stores chose.
void TimeRecorder::RecordTime() {
    const int64_t minutes = minutesWorked(TRHours, TRMinutes, TRSeconds);
    if (!m_store.isOpen()) {
        if (!QuietStore)
            reportNoDatabase();
    } else if (minutes <= 0 || ProjectId <= 0) {
        if (!QuietStore)
            showMessage(tr("Not worth recording less than a minute").toStdString(),
                        tr("Seriously?").toStdString());
    } else if (const StoreOutcome<TimesRow> stored = m_store.storeTime(
                   {ProjectId, TRStart, minutes},
                   [this](const TimesRow &row) { return journalRow(row); },
                   Journal ? Journal->descriptor() : -1);
               !stored) {
        if (!QuietStore)
            showStoreError(stored.error(),
                           (m_closing ? tr("The time is kept and will be stored when the "
                                           "program next starts in this folder.")
                                      : tr("The time is kept; press Stop again to store it."))
                               .toStdString());
        StoreKept = true;
        journalRecording();
        return;
    }
    StoreKept = false;
    dropRecordingJournal();
    TRSeconds = TRMinutes = TRHours = 0;
    ++m_countNumber;
}

// The first store takes what is counted, a paused recording's included; a
// box it shows keeps the counters running, so what they counted meanwhile is
// stored after it, unless the first store failed and its journal keeps all.
// The program may be told more than once (a quiet end, then the window's
// close, then the event loop's end): each time stores what was counted since,
// but a store that failed is not tried again, as its journal holds the time.
void TimeRecorder::programClosing(Closing how) {
    const bool first = !m_closing;
    m_closing = true;
    if (how == Closing::Quietly) {
        if (first)
            saveSession();
        QuietStore = true;
        m_away->stop();
    } else {
        endAwayWatch();
    }
    // A Stop that waited for the away question is this store.
    m_stopAfterQuestion = false;
    runGuarded([this, first] {
        if (hasCountedTime() && (first || !StoreKept))
            RecordTime();
    });
    runGuarded([this] {
        if (!StoreKept && hasCountedTime())
            RecordTime();
    });
    // Less than a minute is not worth recording, and the program ends: its
    // journal would only wait for the next start to be thrown away.
    if (!StoreKept && minutesWorked(TRHours, TRMinutes, TRSeconds) <= 0)
        dropRecordingJournal();
}

void TimeRecorder::saveSession() {
    if (Recording)
        journalRecording();
}

void TimeRecorder::journalRecording() {
    if (!Journal || ProjectId < 1)
        return;
    JournalTicks = 0;
    Journal->write({ProjectId, RecordingName, TRStart, TRHours, TRMinutes, TRSeconds});
}

// The row Stop is about to insert, noted in the journal inside the store's
// transaction: a run ended after the insert leaves a journal whose row the
// next start finds. Without a journal to note it in, the row is not stored.
bool TimeRecorder::journalRow(const TimesRow &row) {
    if (!Journal)
        return false;
    RecordingJournalEntry entry{ProjectId, RecordingName, TRStart, TRHours, TRMinutes, TRSeconds};
    entry.row = RecordingJournalRow{row.start, row.minutes};
    return Journal->write(entry);
}

void TimeRecorder::dropRecordingJournal() {
    if (Journal)
        Journal->remove();
}
