// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "support/MainFormFixture.h"
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <QDir>
#include <QProcess>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// Runs of the real program in the test's folders.
class ProgramRuns : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        setenv("XDG_RUNTIME_DIR", runtime.path().toUtf8().constData(), 1);
    }

    QProcessEnvironment environment(bool display) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config.path());
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("SDL_AUDIODRIVER", "disk");
        env.insert("SDL_DISKAUDIOFILE", runtime.filePath("audio.raw"));
        // The English texts, whatever the machine's language.
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(name);
        env.insert("LANG", "C");
        env.remove("DBUS_SESSION_BUS_ADDRESS");
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        if (display)
            env.insert("QT_QPA_PLATFORM", "offscreen");
        return env;
    }

    std::unique_ptr<QProcess> run(const QStringList &arguments, bool display = true,
                                  const QString &folder = QString()) {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment(display));
        process->setWorkingDirectory(folder.isEmpty() ? QDir::currentPath() : folder);
        process->start(CHIMERAL_BINARY, arguments);
        EXPECT_TRUE(process->waitForStarted(10000));
        return process;
    }

    // Waits with the event loop running, so that a window of this process
    // can answer the program.
    static bool finishes(QProcess &process) {
        return QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 20000);
    }

    QString socketFor(const QString &folder) const {
        return QFile::decodeName(SingleInstance::serverName(QFile::encodeName(folder),
                                                            QFile::encodeName(config.path())));
    }

    QTemporaryDir runtime;
};

QStringList entries(const QString &folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}
} // namespace

TEST_F(ProgramRuns, HelpVersionAndMistakesNeedNoDisplayAndWriteNothing) {
    struct Case {
        QStringList arguments;
        int exitCode;
        const char *stdoutHas;
        const char *stderrHas;
    };
    const Case cases[] = {
        {{"--help"}, 0, "--countdown <DURATION>", ""},
        {{"-h"}, 0, "--tab <NAME>", ""},
        {{"--version"}, 0, "chimeral 4.0", ""},
        {{"--bogus"}, 1, "", "Unknown option 'bogus'"},
        {{"--tab", "kitchen"}, 1, "", "No tab 'kitchen'"},
        {{"stray"}, 1, "", "Unexpected argument 'stray'."},
        {{"--countdown"}, 1, "", "Missing value after '--countdown'"},
        {{"--help"}, 0, "--cancel", ""},
        {{"--countdown", "1:2:3"}, 2, "", "'1:2:3' is not a countdown duration"},
        {{"--alarm", "noon", "--tab", "clock"}, 2, "", "'noon' is not an alarm time"},
        {{"--pause", "--cancel"}, 1, "", "only one of --pause, --resume and --cancel"},
        {{"--resume"}, 0, "", ""}, // no window runs here: nothing to resume
    };
    for (const Case &c : cases) {
        auto process = run(c.arguments, false);
        ASSERT_TRUE(process->waitForFinished(20000));
        const QString out = process->readAllStandardOutput();
        const QString err = process->readAllStandardError();
        EXPECT_EQ(process->exitCode(), c.exitCode) << err.toStdString();
        EXPECT_TRUE(out.contains(c.stdoutHas)) << out.toStdString();
        EXPECT_TRUE(err.contains(c.stderrHas)) << err.toStdString();
        EXPECT_EQ(entries(QDir::currentPath()), QStringList())
            << c.arguments.join(' ').toStdString();
        EXPECT_EQ(entries(config.path()), QStringList());
        EXPECT_EQ(entries(runtime.path()), QStringList());
    }
}

// The window runs in this process, after a run that crashed left its socket
// file behind with nobody listening.
TEST_F(ProgramRuns, ASecondStartHandsItsRequestToTheWindowHere) {
    const QString name = socketFor(QDir::currentPath());
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", name.toUtf8().constData());
    ASSERT_EQ(::bind(stale, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ::close(stale);

    auto &w = startForm();
    SingleInstance instance(QFile::encodeName(name));
    EXPECT_EQ(instance.handOver(requestArguments({})), SingleInstance::HandOver::NoneRunning);
    ASSERT_TRUE(instance.listen());
    takeLaterStarts(instance, w);
    w.showMinimized();
    messages.messages.clear();

    auto second = run({"--countdown", "2:00", "--tab", "Time Record"});
    ASSERT_TRUE(finishes(*second));
    EXPECT_EQ(second->exitCode(), 0) << second->readAllStandardError().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return timer("ShortTimer").interval() == 120000u; }, 10000));
    EXPECT_EQ(widget<QTabWidget>("Page1")->currentWidget(), widget<QWidget>("TimeRecord"));
    // The countdown runs without its page; opening it shows its state.
    openTab("TabSheet1");
    EXPECT_EQ(widget<QLabel>("SecondLabel")->text(), "120");
    EXPECT_EQ(widget<QLabel>("ShortLabel")->text(), "Counting...");
    EXPECT_EQ(widget<QLineEdit>("Edit2")->text(), "2:00");
    EXPECT_FALSE(w.isMinimized());

    // A time the entry would refuse never reaches the window.
    auto third = run({"--alarm", "noon"});
    ASSERT_TRUE(finishes(*third));
    EXPECT_EQ(third->exitCode(), 2);
    QTest::qWait(100);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(widget<QTabWidget>("Page1")->currentWidget(), widget<QWidget>("TabSheet1"));
}

// Pause, resume and cancel from later starts reach the countdown of the
// window here, and leave the window where it is.
TEST_F(ProgramRuns, LaterStartsPauseResumeAndCancelTheCountdown) {
    auto &w = startForm();
    SingleInstance instance(QFile::encodeName(socketFor(QDir::currentPath())));
    ASSERT_TRUE(instance.listen());
    takeLaterStarts(instance, w);
    openTab("TabSheet1");
    w.startCountdown("1:00");
    w.showMinimized();
    const auto state = [&] { return widget<QLabel>("ShortLabel")->text(); };

    const std::pair<const char *, const char *> steps[] = {
        {"--pause", "Paused"}, {"--pause", "Paused"}, {"--resume", "Counting..."},
        {"--cancel", " "},     {"--resume", " "},
    };
    for (const auto &[option, after] : steps) {
        auto start = run({option});
        ASSERT_TRUE(finishes(*start));
        EXPECT_EQ(start->exitCode(), 0) << option;
        EXPECT_TRUE(QTest::qWaitFor([&] { return state() == after; }, 10000))
            << option << ": " << state().toStdString();
    }
    EXPECT_TRUE(w.isMinimized());
    EXPECT_FALSE(timer("ShortTimer").enabled());
}

TEST_F(ProgramRuns, WithoutADisplayOneLineAndStatusOne) {
    auto process = run({}, false);
    ASSERT_TRUE(process->waitForFinished(20000));
    EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process->exitCode(), 1);
    EXPECT_EQ(QString(process->readAllStandardError()),
              "chimeral: no display to show the window on\n");
}

TEST_F(ProgramRuns, OneWindowPerFolderBetweenRealRuns) {
    auto first = run({});
    const QString here = socketFor(QDir::currentPath());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(here); }, 20000));

    auto second = run({"--tab", "timer"});
    ASSERT_TRUE(finishes(*second));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);

    // Another folder, another database: a window of its own.
    QTemporaryDir elsewhere;
    auto other = run({}, true, elsewhere.path());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return QFileInfo::exists(socketFor(elsewhere.path())); }, 20000));
    EXPECT_EQ(other->state(), QProcess::Running);

    for (QProcess *process : {first.get(), other.get()}) {
        process->kill();
        process->waitForFinished();
    }
}

// The language follows the environment, before any window too: the help,
// the program's own mistakes and the parser's, and the window's menus.
TEST_F(ProgramRuns, TextsSpeakTheLanguageTheEnvironmentAsksFor) {
    struct Case {
        const char *lang;
        QStringList arguments;
        const char *stdoutHas;
        const char *stderrHas;
    };
    const Case cases[] = {
        {"de_DE.UTF-8", {"--help"}, "Diese Hilfe anzeigen und beenden.", ""},
        {"de_DE.UTF-8", {"--help"}, "Aufruf: chimeral [Optionen]", ""},
        {"de_DE.UTF-8", {"--bogus"}, "", "Unbekannte Option 'bogus'."},
        {"fr_FR.UTF-8", {"--tab", "kitchen"}, "", "Pas d'onglet « kitchen »"},
        {"es_ES.UTF-8", {"stray"}, "", "Argumento inesperado 'stray'."},
        {"en_GB.UTF-8", {"--help"}, "Show this help and exit.", ""},
    };
    for (const Case &c : cases) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = environment(false);
        env.insert("LANG", c.lang);
        process->setProcessEnvironment(env);
        process->start(CHIMERAL_BINARY, c.arguments);
        ASSERT_TRUE(process->waitForFinished(20000));
        const QString out = QString::fromUtf8(process->readAllStandardOutput());
        const QString err = QString::fromUtf8(process->readAllStandardError());
        EXPECT_TRUE(out.contains(QString::fromUtf8(c.stdoutHas))) << c.lang << out.toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.stderrHas))) << c.lang << err.toStdString();
    }

    for (const auto &[lang, menus] :
         {std::pair{"de_DE.UTF-8", QStringList{"&Datei", "&Optionen", "&Hilfe"}},
          std::pair{"C", QStringList{"&File", "&Options", "&Help"}}}) {
        QProcess program;
        QProcessEnvironment env = environment(true);
        env.insert("LANG", lang);
        env.insert("CHIMERAL_TEST_MENUS", runtime.filePath("menus"));
        // The start-up's boxes (no sounds set) go to a file instead.
        env.insert("CHIMERAL_TEST_MESSAGES", runtime.filePath("messages"));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(runtime.path());
        program.start(CHIMERAL_PROGRAM, {});
        ASSERT_TRUE(finishes(program)) << lang;
        QFile file(runtime.filePath("menus"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << lang;
        const QStringList shown = QString::fromUtf8(file.readAll()).split('\n');
        for (const QString &menu : menus)
            EXPECT_TRUE(shown.contains(menu)) << lang << ": " << shown.join('|').toStdString();
    }
}
