// SPDX-License-Identifier: MIT
#include "app/TMainForm.h"

#include "app/AppWindows.h"
#include "app/PanelController.h"
#include "app/SoundsFolder.h"
#include "clock/ClockFace.h"
#include "options/TOptionsForm.h"
#include "options/initfile.h"
#include "platform/Dialogs.h"
#include "platform/SafeReplace.h"
#include "platform/SystemMetrics.h"
#include "platform/WidgetWatch.h"
#include "platform/Widgets.h"
#include "projects/AddTimeDialog.h"
#include "projects/HistoryWindow.h"
#include "projects/ProjectSql.h"
#include "projects/ProjectStore.h"
#include "projects/RecordExport.h"
#include "projects/RecordTotals.h"
#include "projects/TimeRecorder.h"
#include "projects/TotalsWindow.h"
#include "timers/AlarmClock.h"
#include "timers/Countdown.h"
#include "timers/Stopwatch.h"
#include "ui_TMainForm.h"
#include "windows/TQuenAbout.h"
#include "windows/TUserLogWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QResizeEvent>
#include <QShortcut>

#include <cstdio>
#include <cstdlib>

namespace {
std::string optionsFileName(const std::string &folder) {
    return folder + "/chimeral.ini";
}

// The values of the records' variables, in the records' order.
std::vector<std::string> optionValues(const std::vector<GeneralOption> &options) {
    std::vector<std::string> values;
    for (const GeneralOption &option : options)
        values.push_back(option.textTarget ? *option.textTarget : std::string());
    return values;
}
} // namespace

TMainForm::TMainForm(QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TMainForm>()),
      m_projects(std::make_unique<ProjectStore>()) {
    ui->setupUi(this);
    move(187, 178);
    applyFonts();
    createFeatures();
    bindMenus();
    bindTabKeys();
    buildShownPage();
    runGuarded([this] { Creator(); });
}

TMainForm::~TMainForm() {
    runGuarded([this] { SaveIni(); });
}

// The pages' own larger texts are set as each page is built.
void TMainForm::applyFonts() {
    setPixelSize(this, 13);
}

void TMainForm::createFeatures() {
    m_countdown = new Countdown(ui->TabSheet1, m_sound, TimerSoundFile);
    m_alarm = new AlarmClock(ui->TabSheet2, m_sound, AlarmSoundFile);
    m_stopwatch = new Stopwatch(ui->TabSheet3);
    m_recorder = new TimeRecorder(ui->TimeRecord, *m_projects);
    m_clock = new ClockFace(ui->TabSheet4);
    m_panel =
        std::make_unique<PanelController>(this, m_countdown, m_alarm, m_stopwatch, m_recorder);
    onFocusEntering(ui->Page1, [this] { m_clock->ClockEnter(); });
    connect(ui->Page1, &QTabWidget::currentChanged, this, guarded([this] { buildShownPage(); }));
}

// A page is built when its tab is first shown. The tabs show a page before
// they tell which one it is, and widgets made inside a page already shown
// stay hidden until shown themselves.
void TMainForm::buildShownPage() {
    QWidget *page = ui->Page1->currentWidget();
    if (!page)
        return;
    if (page == ui->TabSheet1)
        m_countdown->buildPage();
    else if (page == ui->TabSheet2)
        m_alarm->buildPage();
    else if (page == ui->TabSheet3)
        m_stopwatch->buildPage();
    else if (page == ui->TimeRecord)
        m_recorder->buildPage();
    else if (page == ui->TabSheet4)
        m_clock->buildPage();
    if (page->isVisible())
        for (QWidget *child : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!child->testAttribute(Qt::WA_WState_ExplicitShowHide))
                child->show();
}

void TMainForm::bindMenus() {
    const auto bind = [this](auto *action, auto handler) { bindHandler(this, action, handler); };
    bind(ui->testTimersound1, &TMainForm::TestTimerSound);
    bind(ui->testAlarmsound1, &TMainForm::TestAlarmSound);
    bind(ui->eXit2, &TMainForm::AllDone);
    bind(ui->Text24hour1, &TMainForm::text24);
    bind(ui->Text12hour1, &TMainForm::Text12hour1Click);
    bind(ui->RomanNumerals24hour1, &TMainForm::Roman24);
    bind(ui->RomanNumerals12hour1, &TMainForm::Roman12);
    bind(ui->Binary1, &TMainForm::Binary1Click);
    bind(ui->Digits24hour1, &TMainForm::Digits24hour1Click);
    bind(ui->Digits12hour1, &TMainForm::Digits12hour1Click);
    bind(ui->Sounds1, &TMainForm::ShowOptions);
    bind(ui->RingUntilStopped1, &TMainForm::RingUntilStopped);
    bind(ui->Warranty1, &TMainForm::Warrant);
    bind(ui->Loganerrororcomment1, &TMainForm::UserLogger);
    bind(ui->About1, &TMainForm::AboutMe);
    bind(ui->Totals1, &TMainForm::ShowTotals);
    bind(ui->History1, &TMainForm::ShowHistory);
    bind(ui->AddTime1, &TMainForm::AddTime);
    bind(ui->ExportCSV1, &TMainForm::ExportCsv);
}

// Alt+1 to Alt+5 show the tabs in their order.
void TMainForm::bindTabKeys() {
    for (int index = 0; index < ui->Page1->count(); ++index) {
        auto *key = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + index)), this);
        connect(key, &QShortcut::activated, this,
                guarded([this, index] { ui->Page1->setCurrentIndex(index); }));
    }
}

void TMainForm::showTab(const QString &page) {
    if (auto *shown = ui->Page1->findChild<QWidget *>(page))
        ui->Page1->setCurrentWidget(shown);
}

void TMainForm::startCountdown(const QString &entry) {
    m_countdown->startTyped(entry);
}

void TMainForm::setAlarm(const QString &entry) {
    m_alarm->setTyped(entry);
}

void TMainForm::pauseCountdown() {
    m_countdown->pause();
}

void TMainForm::resumeCountdown() {
    m_countdown->resume();
}

void TMainForm::cancelCountdown() {
    m_countdown->cancel();
}

// The journal is brought up to date first: should the store take longer
// than the process is given, the next start finds the time there.
void TMainForm::endQuietly() {
    m_recorder->programClosing(TimeRecorder::Closing::Quietly);
    // A box already open would hold the window's close up until dismissed.
    closeOpenBoxes();
    close();
}

void TMainForm::storeQuietly() {
    m_recorder->programClosing(TimeRecorder::Closing::Quietly);
}

void TMainForm::saveSession() {
    m_recorder->saveSession();
}

std::string TMainForm::configFolder() {
    // A relative value would depend on the folder the program is started from.
    if (const char *config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        return config;
    const char *home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config";
}

void TMainForm::Creator() {
    m_configFolder = configFolder();
    // A run killed while it rewrote the options file leaves the fresh file.
    removeDeadReplacements(
        m_configFolder, [](std::string_view name) { return isFreshFileOf(name, "chimeral.ini"); });

    if (!m_sound.selectDevice())
        showMessage(tr("Media Player does not seem to be functioning").toStdString(),
                    tr("Error").toStdString());

    OptionList.clear();
    {
        initfile store(optionsFileName(m_configFolder));
        store.read();
        store.get("AlarmSound", AlarmSoundFile);
        OptionList.emplace_back().setFileOption(
            "AlarmSound", tr("Alarm sound file name").toStdString(), AlarmSoundFile);
        store.get("TimerSound", TimerSoundFile);
        OptionList.emplace_back().setFileOption(
            "TimerSound", tr("Timer sound file name").toStdString(), TimerSoundFile);
        std::string repeat;
        store.get("AlarmRepeat", repeat);
        AlarmRepeat = repeat == "1";
        AwayMinutes = readAwayMinutes(store);
    }
    m_recorder->setAwayMinutes(AwayMinutes);
    OptionsAsRead = optionValues(OptionList);
    AlarmRepeatAsRead = AlarmRepeat;
    ui->RingUntilStopped1->setChecked(AlarmRepeat);
    m_alarm->setRingUntilStopped(AlarmRepeat);

    if (AlarmSoundFile.size() < 4) {
        m_recorder->skipDatabaseForWantOfAlarmSound();
        showMessage(
            tr("No file set for the alarm sound. Please set with the Options menu").toStdString(),
            tr("Warning").toStdString());
        return;
    }
    if (TimerSoundFile.size() < 4)
        showMessage(
            tr("No file set for the timer sound. Please set with the Options menu").toStdString(),
            tr("Warning").toStdString());

    m_clock->setStyle(ClockText12Hour);

    m_recorder->openProjectDatabase();
}

// The file is read first so that entries this program does not use survive
// the rewrite. Without a folder (start-up never got that far) there is nothing
// to write to. A file left as it was (unreadable, read-only, too full, or a
// folder that cannot be written) would silently lose the sounds chosen in
// this run, and bring back the start-up warnings next time, so the user is
// told; an unchanged choice lost nothing.
void TMainForm::SaveIni() {
    if (m_configFolder.empty())
        return;
    initfile store(optionsFileName(m_configFolder));
    store.read();
    store.set("AlarmSound", AlarmSoundFile);
    store.set("TimerSound", TimerSoundFile);
    // An empty value is left out of the file, so a file that never had the
    // option is written as before.
    store.set("AlarmRepeat", AlarmRepeat ? "1" : "");
    writeAwayMinutes(store, AwayMinutes);
    if (!store.write() &&
        (optionValues(OptionList) != OptionsAsRead || AlarmRepeat != AlarmRepeatAsRead))
        showMessage(tr("Could not save the options to %1.")
                        .arg(QString::fromStdString(store.fileName()))
                        .toStdString(),
                    tr("Warning").toStdString());
}

// A recording still counting, or paused, is stored as the window closes.
void TMainForm::CloseQ() {
    m_recorder->programClosing(TimeRecorder::Closing::Window);
}

void TMainForm::closeEvent(QCloseEvent *event) {
    runGuarded([this] { CloseQ(); });
    event->accept();
    emit closed();
}

void TMainForm::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    runGuarded([this] { Sizing(); });
}

void TMainForm::Sizing() {
    const int width = frameGeometry().width();
    const int height = frameGeometry().height();
    QTabWidget *page = ui->Page1;
    page->resize(width - page->x() - 2 * systemMetric(SM_CXFRAME, this) -
                     2 * systemMetric(SM_CXDLGFRAME, this),
                 height - page->y() - systemMetric(SM_CYMIN, this) -
                     (systemMetric(SM_CYMENU, this) + 1) - 2 * systemMetric(SM_CXDLGFRAME, this));
    m_clock->fitTo(page->width(), page->height());
}

void TMainForm::AllDone() {
    close();
}

// From the next ring on; a ring under way goes on as it began.
void TMainForm::RingUntilStopped() {
    AlarmRepeat = ui->RingUntilStopped1->isChecked();
    m_alarm->setRingUntilStopped(AlarmRepeat);
}

void TMainForm::ShowOptions() {
    if (!OptionsForm)
        return;
    const std::string names[] = {tr("Sound files").toStdString(), tr("All files").toStdString()};
    static const std::string patterns[] = {"*.wav;*.mid", "*.*"};
    if (!m_followingOptions) {
        m_followingOptions = true;
        connect(OptionsForm, &TOptionsForm::accepted, this, guarded([this] { OptionsAccepted(); }));
    }
    OptionsForm->fill(OptionList);
    OptionsForm->setFilter(names, patterns, 2);
    OptionsForm->dialogFolder =
        installedSoundsFolder(QCoreApplication::applicationDirPath().toStdString());
    OptionsForm->show();
    OptionsForm->raise();
    OptionsForm->activateWindow();
}

// The steps start-up skipped for want of an alarm sound run once one is set,
// so the Time Record tab works without a restart. The clock keeps the style
// the user may have chosen meanwhile.
void TMainForm::OptionsAccepted() {
    if (AlarmSoundFile.size() >= 4)
        m_recorder->alarmSoundSet();
}

void TMainForm::AboutMe() {
    if (!QuenAbout)
        return;
    QuenAbout->SetYears(2006, 2017);
    QuenAbout->SetVersion(VersionText);
    QuenAbout->SetDescription(
        tr("This program functions as a timer, stop, alarm clock and project work timer. It was "
           "designed for Quen's personal use and if you can utilize it all the better.")
            .toStdString(),
        12);
    QuenAbout->show();
    QuenAbout->raise();
    QuenAbout->activateWindow();
}

void TMainForm::Warrant() {
    showMessage(
        tr("The program is unconditionally unwarranted. In particular, since you paid nothing, if "
           "this thing wrecks your computer, your car, your stock portfolio or your relationships "
           "you have absolutely no legal rights for compensation. Is that clear enough?")
            .toStdString(),
        tr("You got to be kidding!").toStdString());
}

void TMainForm::UserLogger() {
    if (!UserLogWindow)
        return;
    const UserLogParms parms{
        tr("Please enter your comments and be as specific as possible.").toStdString(),
        "Chimeral.log", ""};
    UserLogWindow->showRequest(parms);
}

void TMainForm::text24() {
    m_clock->setStyle(ClockText24Hour);
}
void TMainForm::Text12hour1Click() {
    m_clock->setStyle(ClockText12Hour);
}
void TMainForm::Roman24() {
    m_clock->setStyle(ClockRoman24Hour);
}
void TMainForm::Roman12() {
    m_clock->setStyle(ClockRoman12Hour);
}
void TMainForm::Binary1Click() {
    m_clock->setStyle(ClockBinary);
}
void TMainForm::Digits24hour1Click() {
    m_clock->setStyle(ClockDigits24Hour);
}
void TMainForm::Digits12hour1Click() {
    m_clock->setStyle(ClockDigits12Hour);
}

void TMainForm::TestTimerSound() {
    if (TimerSoundFile.size() < 2) {
        showMessage(
            tr("There is no file name given for the timer. Use Options to choose the wave, midi "
               "or other file to play for the timer.")
                .toStdString(),
            tr("No timer sound file!").toStdString());
        return;
    }
    m_sound.PlaySoundFile(TimerSoundFile);
}

void TMainForm::TestAlarmSound() {
    if (AlarmSoundFile.size() < 2) {
        showMessage(tr("There is no file name given for the alarm. Use Options to choose the "
                       "wav/mid file to play for the alarm.")
                        .toStdString(),
                    tr("No alarm sound file!").toStdString());
        return;
    }
    m_sound.PlaySoundFile(AlarmSoundFile);
}

// One Totals window, which follows every change of the records. The project
// a recording runs for is left alone there, and the tab's box follows a
// project renamed there.
void TMainForm::ShowTotals() {
    if (!m_totals) {
        m_totals = new TotalsWindow(*m_projects, this);
        m_totals->setRecordedProject([this] {
            return m_recorder->recording() ? m_recorder->recordingProject().toStdString()
                                           : std::string();
        });
        connect(m_totals, &TotalsWindow::projectRenamed, m_recorder,
                [this](const QString &name, const QString &newName) {
                    runGuarded([&] { m_recorder->followRename(name, newName); });
                });
    }
    m_totals->showAndRaise();
}

// One History window, a child of this window as Totals is: the store goes
// first, and neither uses it while it is destroyed.
void TMainForm::ShowHistory() {
    if (!m_history)
        m_history = new HistoryWindow(*m_projects, this);
    m_history->showAndRaise();
}

void TMainForm::AddTime() {
    AddTimeDialog dialog(*m_projects, m_recorder->currentProject(), this);
    dialog.exec();
}

// The same file as the command line's --export-csv, through the same code,
// from the database this run opened, else the one the command line reads.
void TMainForm::ExportCsv() {
    const std::string database =
        m_projects->isOpen() ? m_projects->path() : ProjectStore::pathOf(ProjectDatabaseName);
    // The patterns are the dialog's, not words.
    const QString filter = tr("CSV files") + " (*.csv);;" + tr("All files") + " (*)";
    const std::string target = chooseSaveFile(this, tr("Export CSV").toStdString(),
                                              exportCsvStartPath(database), filter.toStdString());
    if (target.empty())
        return;
    char *errorText = nullptr;
    size_t errorSize = 0;
    std::FILE *errors = open_memstream(&errorText, &errorSize);
    const int code = exportRecordsCsv(database, {}, target, stdout, errors ? errors : stderr);
    if (errors)
        std::fclose(errors);
    std::string message = errorText ? errorText : "";
    std::free(errorText);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    if (message.starts_with("chimeral: "))
        message.erase(0, 10);
    if (code != 0)
        showMessage(
            message.empty()
                ? tr("Could not export to %1.").arg(QString::fromStdString(target)).toStdString()
                : message,
            tr("Error").toStdString());
}
