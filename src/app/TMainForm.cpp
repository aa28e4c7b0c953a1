// SPDX-License-Identifier: MIT
#include "app/TMainForm.h"

#include "app/Accessibility.h"
#include "app/AppWindows.h"
#include "app/SoundsFolder.h"
#include "options/TOptionsForm.h"
#include "options/initfile.h"
#include "platform/Dialogs.h"
#include "platform/SystemMetrics.h"
#include "platform/WidgetWatch.h"
#include "platform/Widgets.h"
#include "ui_TMainForm.h"
#include "windows/TQuenAbout.h"
#include "windows/TUserLogWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QResizeEvent>

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
    : QMainWindow(parent), ui(std::make_unique<Ui::TMainForm>()), ShortTimer(this),
      SecondsTimer(this, 1000), ClearTimer(this, 5000), AlarmTimer(this), ClockTimer(this, 1000),
      SWTimer(this, 100), TRTimer(this, 1000) {
    ui->setupUi(this);
    move(187, 178);
    setBlankCaptions();
    applyFonts();
    bindHandlers();
    bindMenus();
    bindTimers();
    makeAccessible(*ui);
    runGuarded([this] { Creator(); });
}

TMainForm::~TMainForm() {
    runGuarded([this] { SaveIni(); });
}

// The layout file cannot hold a text made of blanks only: these labels start
// with blanks so that they keep their height before anything is shown.
void TMainForm::setBlankCaptions() {
    ui->ShortLabel->setText("      ");
    ui->SecondLabel->setText(" ");
    ui->AlarmLabel->setText("  ");
}

void TMainForm::applyFonts() {
    setPixelSize(this, 13);
    // Controls whose text is larger than the window's font.
    for (QWidget *widget :
         {static_cast<QWidget *>(ui->StopLabel), static_cast<QWidget *>(ui->Button8),
          static_cast<QWidget *>(ui->Button9), static_cast<QWidget *>(ui->StopLabel2),
          static_cast<QWidget *>(ui->Button11), static_cast<QWidget *>(ui->PauseButton)})
        setPixelSize(widget, 19);
    setPixelSize(ui->ProjectBox, 16);
}

void TMainForm::bindHandlers() {
    const auto bind = [this](auto *button, auto handler) { bindHandler(this, button, handler); };
    bind(ui->Button1, &TMainForm::Sec20);
    bind(ui->Button2, &TMainForm::Sec90);
    bind(ui->Button3, &TMainForm::Min3);
    bind(ui->Button4, &TMainForm::Min4);
    bind(ui->Button10, &TMainForm::tenMinutes);
    bind(ui->Button7, &TMainForm::Specified);
    bind(ui->Button5, &TMainForm::SetAlarm);
    bind(ui->Button8, &TMainForm::Start_Or_Stop);
    bind(ui->Button9, &TMainForm::StopTheWatch);
    onFocusEntering(ui->Page1, [this] { ClockEnter(); });
    onMousePress(ui->ClockEdit->viewport(), [this] { ClockMouse(); });
    bind(ui->Button11, &TMainForm::ProjectClick);
    bind(ui->PauseButton, &TMainForm::Pauser);
    bind(ui->Button13, &TMainForm::GetMinutes);
    bind(ui->Button14, &TMainForm::ShowSchema);
    bind(ui->Button12, &TMainForm::StartClient);
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
    bind(ui->Warranty1, &TMainForm::Warrant);
    bind(ui->Loganerrororcomment1, &TMainForm::UserLogger);
    bind(ui->About1, &TMainForm::AboutMe);
}

void TMainForm::bindTimers() {
    ShortTimer.setHandler([this] { BuzzEm(); });
    ShortTimer.setClock(TimerClock::Boot); // a countdown's time asleep counts
    SecondsTimer.setHandler([this] { SecondsDisplay(); });
    ClearTimer.setHandler([this] { Clearing(); });
    AlarmTimer.setHandler([this] { AlarmFires(); });
    SWTimer.setHandler([this] { SWSecond(); });
    ClockTimer.setHandler([this] { ClockSecond(); });
    TRTimer.setHandler([this] { RecordSecond(); });
}

std::string TMainForm::configFolder() {
    // A relative value would depend on the folder the program is started from.
    if (const char *config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        return config;
    const char *home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config";
}

void TMainForm::Creator() {
    SWHours = SWMinutes = SWSeconds = SWTenths = 0;
    TRSeconds = TRMinutes = TRHours = 0;
    Paused = Recording = SWRunning = false;

    WindowsDir = configFolder();

    MediaPlayer1.setAutoSelect();
    if (MediaPlayer1.Error() != 0)
        showMessage("Media Player does not seem to be functioning", "Error");

    OptionList.clear();
    {
        initfile store(optionsFileName(WindowsDir));
        store.read();
        store.get("AlarmSound", AlarmSoundFile);
        OptionList.emplace_back().setFileOption("AlarmSound", "Alarm sound file name",
                                                AlarmSoundFile);
        store.get("TimerSound", TimerSoundFile);
        OptionList.emplace_back().setFileOption("TimerSound", "Timer sound file name",
                                                TimerSoundFile);
    }
    OptionsAsRead = optionValues(OptionList);

    NoAlarmSoundAtStart = AlarmSoundFile.size() < 4;
    if (NoAlarmSoundAtStart) {
        showMessage("No file set for the alarm sound. Please set with the Options menu", "Warning");
        return;
    }
    if (TimerSoundFile.size() < 4)
        showMessage("No file set for the timer sound. Please set with the Options menu", "Warning");

    ClockStyle = 1;

    openProjectDatabase();
}

// The file is read first so that entries this program does not use survive
// the rewrite. Without a folder (start-up never got that far) there is nothing
// to write to. A file left as it was (unreadable, read-only, too full, or a
// folder that cannot be written) would silently lose the sounds chosen in
// this run, and bring back the start-up warnings next time, so the user is
// told; an unchanged choice lost nothing.
void TMainForm::SaveIni() {
    if (WindowsDir.empty())
        return;
    initfile store(optionsFileName(WindowsDir));
    store.read();
    store.set("AlarmSound", AlarmSoundFile);
    store.set("TimerSound", TimerSoundFile);
    if (!store.write() && optionValues(OptionList) != OptionsAsRead)
        showMessage("Could not save the options to " + store.fileName() + ".", "Warning");
}

// A recording still counting, or paused, is stored as the window closes.
void TMainForm::CloseQ() {
    if (TRHours || TRMinutes || TRSeconds)
        RecordTime();
}

// CloseQ has zeroed the counters, so this stores only what was counted since.
// When CloseQ's store failed, its journal keeps the time for the next start.
void TMainForm::Closer() {
    if (!StoreKept && (TRHours || TRMinutes || TRSeconds))
        RecordTime();
}

void TMainForm::closeEvent(QCloseEvent *event) {
    runGuarded([this] { CloseQ(); });
    runGuarded([this] { Closer(); });
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
    ui->ClockEdit->resize(page->width() - 5, page->height() - 5);
    QFont font = ui->ClockEdit->font();
    font.setPointSize(std::max(1, ui->ClockEdit->width() / 30));
    ui->ClockEdit->setFont(font);
}

void TMainForm::AllDone() {
    close();
}

void TMainForm::ShowOptions() {
    if (!OptionsForm)
        return;
    static const std::string names[] = {"Sound files", "All files"};
    static const std::string patterns[] = {"*.wav;*.mid", "*.*"};
    OptionsForm->fill(OptionList);
    OptionsForm->setFilter(names, patterns, 2);
    OptionsForm->dialogFolder =
        installedSoundsFolder(QCoreApplication::applicationDirPath().toStdString());
    OptionsForm->show();
    OptionsForm->raise();
    OptionsForm->activateWindow();
}

void TMainForm::AboutMe() {
    if (!QuenAbout)
        return;
    QuenAbout->SetYears(2006, 2017);
    QuenAbout->SetVersion(VersionText);
    QuenAbout->SetDescription(
        "This program functions as a timer, stop, alarm clock and project work timer. It was "
        "designed for Quen's personal use and if you can utilize it all the better.",
        12);
    QuenAbout->show();
    QuenAbout->raise();
    QuenAbout->activateWindow();
}

void TMainForm::Warrant() {
    showMessage(
        "The program is unconditionally unwarranted. In particular, since you paid nothing, if "
        "this thing wrecks your computer, your car, your stock portfolio or your relationships "
        "you have absolutely no legal rights for compensation. Is that clear enough?",
        "You got to be kidding!");
}

void TMainForm::UserLogger() {
    if (!UserLogWindow)
        return;
    const UserLogParms parms{"Please enter your comments and be as specific as possible.",
                             "Chimeral.log", ""};
    UserLogWindow->showRequest(parms);
}

void TMainForm::text24() {
    ClockStyle = 0;
}
void TMainForm::Text12hour1Click() {
    ClockStyle = 1;
}
void TMainForm::Roman24() {
    ClockStyle = 2;
}
void TMainForm::Roman12() {
    ClockStyle = 3;
}
void TMainForm::Binary1Click() {
    ClockStyle = 4;
}
void TMainForm::Digits24hour1Click() {
    ClockStyle = 5;
}
void TMainForm::Digits12hour1Click() {
    ClockStyle = 6;
}
