// SPDX-License-Identifier: MIT
#include "platform/MediaPlayer.h"
#include "platform/QuietAlsa.h"
#include "platform/SoundLibrary.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

using namespace std::chrono_literals;

namespace {

// A sound service that has not answered by then will not answer soon; the
// user is told the sound failed rather than left waiting.
std::chrono::milliseconds deviceOpenTimeout = 3000ms;
std::function<void()> beforeDeviceOpen;
// The device is closed this long after the last sound ended; the tail of a
// sound is well out by then, and a sound soon after another finds it open.
constexpr auto LetGoAfter = 1500ms;
constexpr auto WatchInterval = 250ms;

// General MIDI sound fonts, in order of preference, used when the user has not
// chosen one through SDL_SOUNDFONTS. Without one FluidSynth has no instruments.
const char *const GeneralMidiSoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
};

bool readable(const std::string &path) {
    return !path.empty() && access(path.c_str(), R_OK) == 0;
}

void chooseSoundFont(const SoundLibrary &sound) {
    const char *chosen = std::getenv("SDL_SOUNDFONTS");
    if (chosen && *chosen)
        return;
    for (const char *path : GeneralMidiSoundFonts) {
        if (readable(path)) {
            sound.setSoundFonts(path);
            return;
        }
    }
}

bool soundFontAvailable(const SoundLibrary &sound) {
    const char *paths = sound.getSoundFonts();
    if (!paths)
        return false;
    std::istringstream list(paths);
    std::string path;
    while (std::getline(list, path, ':'))
        if (readable(path))
            return true;
    return false;
}

bool looksLikeMidi(const std::string &fileName) {
    char head[12] = {};
    std::ifstream file(fileName, std::ios::binary);
    file.read(head, sizeof head);
    const auto got = file.gcount();
    if (got >= 4 && std::memcmp(head, "MThd", 4) == 0)
        return true;
    return got >= 12 && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "RMID", 4) == 0;
}

// Checks what can be told about the file before any decoder sees it, so that
// the common mistakes get a precise message.
int checkFile(const std::string &fileName) {
    if (fileName.empty())
        return MediaPlayer::NoFileName;
    struct stat info {};
    if (stat(fileName.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? MediaPlayer::FileNotFound
                                                   : MediaPlayer::CannotReadFile;
    // The decoders would take an empty file for a silent sound and report
    // success while nothing can ever be heard.
    if (!S_ISREG(info.st_mode) || info.st_size == 0)
        return MediaPlayer::InvalidFile;
    if (!readable(fileName))
        return MediaPlayer::CannotReadFile;
    return MediaPlayer::Success;
}

bool openMixer(const SoundLibrary &sound) {
    if (sound.initSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (sound.openAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        sound.quitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

// Closes the device and, once no player holds the mixer any more, the
// decoders, then SDL's audio, which ends SDL's audio thread and its stream.
void closeMixer(const SoundLibrary &sound) {
    sound.closeAudio();
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    if (sound.querySpec(&frequency, &format, &channels) == 0)
        sound.quit();
    sound.quitSubSystem(SDL_INIT_AUDIO);
}

} // namespace

// What the opening thread and the player share. The thread owns a share of
// it, so a player destroyed while the device is still being opened leaves it
// to the thread to close what it opened.
struct MediaPlayer::Opening {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool opened = false;
    bool abandoned = false; // the player is gone
    // The innermost wait for this opening; the window's thread only.
    QPointer<QEventLoop> waiting;
};

MediaPlayer::MediaPlayer() = default;

MediaPlayer::~MediaPlayer() {
    closeSound();
    if (m_opening) {
        std::lock_guard lock(m_opening->mutex);
        if (m_opening->done)
            m_deviceOpen = m_opening->opened;
        else
            m_opening->abandoned = true;
    }
    closeDevice();
}

void MediaPlayer::setDeviceOpenTimeout(std::chrono::milliseconds timeout) {
    deviceOpenTimeout = timeout;
}

void MediaPlayer::setBeforeDeviceOpen(std::function<void()> stall) {
    beforeDeviceOpen = std::move(stall);
}

void MediaPlayer::Open() {
    closeSound();
    m_soundFile.clear();
    m_deviceLate = false;
    const unsigned command = ++m_commands;
    const std::string fileName = FileName;
    int code = checkFile(fileName);
    if (code == Success)
        code = openDevice(Clock::now() + deviceOpenTimeout);
    // An open or play made while this one waited for the device has taken
    // over the player; its result stands.
    if (command != m_commands)
        return;
    if (code == DeviceTimedOut) {
        m_soundFile = fileName;
        m_deviceLate = true;
        m_error = Success;
        return;
    }
    if (code == Success)
        code = loadSound(fileName);
    m_error = code;
    // Thrown on purpose: for the alarm, this failure ends on the exception display.
    if (code != Success)
        throw MediaError(code, ErrorMessage());
    m_soundFile = fileName;
}

void MediaPlayer::Play(Repeat repeat) {
    if (m_soundFile.empty()) {
        m_error = NotOpen;
        return;
    }
    if (!m_music) {
        // The device was late for the open and had its time then, or it was
        // let go since: open it again and load the sound once more.
        const unsigned command = ++m_commands;
        const auto deadline =
            m_deviceLate && m_opening ? Clock::now() : Clock::now() + deviceOpenTimeout;
        int code = openDevice(deadline);
        if (command != m_commands)
            return;
        if (code == Success)
            code = loadSound(m_soundFile);
        if (code != Success) {
            m_error = code;
            return;
        }
        m_deviceLate = false;
    }
    // SDL_mixer counts -1 loops as for ever and 0 as a single play.
    const int loops = repeat == Repeat::UntilStopped ? -1 : 0;
    m_error = m_library->playMusic(m_music, loops) == 0 ? Success : PlayFailed;
    m_quietSince = Clock::now();
}

void MediaPlayer::Stop() {
    closeSound();
}

std::string MediaPlayer::ErrorMessage() const {
    if (m_error == NoSoundLibrary && !m_libraryFailure.empty())
        return m_libraryFailure + " Make sure SDL2 and SDL2_mixer are installed.";
    return errorText(m_error);
}

std::string MediaPlayer::errorText(int code) {
    switch (code) {
    case Success:
        return "The specified command was carried out.";
    case NoFileName:
        return "No file name was given. Choose a wave or MIDI file to play.";
    case FileNotFound:
        return "The specified file was not found. Make sure the path and file name are correct.";
    case CannotReadFile:
        return "The specified file could not be read. Make sure you are allowed to read it.";
    case InvalidFile:
        return "The specified file cannot be played. It is not a wave or MIDI file, or it is "
               "damaged.";
    case NoMidiSynth:
        return "MIDI files cannot be played because no General MIDI sound font was found.";
    case NoAudioDevice:
        return "No sound device is available. Make sure a sound device is installed and not in "
               "use by another program.";
    case NotOpen:
        return "No sound file is open. Open a file before playing it.";
    case PlayFailed:
        return "The sound could not be started on the sound device.";
    case NoSoundLibrary:
        return "The sound library could not be loaded. Make sure SDL2 and SDL2_mixer are "
               "installed.";
    case DeviceTimedOut:
        return "The sound device did not open in time. The desktop's sound service may not be "
               "answering.";
    default:
        return "Unknown error code";
    }
}

int MediaPlayer::openDevice(Clock::time_point deadline) {
    if (m_deviceOpen)
        return Success;
    if (!m_opening) {
        const SoundLibrary *sound = soundLibrary(m_libraryFailure);
        if (!sound)
            return NoSoundLibrary;
        m_library = sound;
        startOpening();
    }
    if (!waitForOpening(deadline))
        return DeviceTimedOut;
    return takeOpening();
}

void MediaPlayer::startOpening() {
    // SDL would otherwise take over SIGINT and SIGTERM, and the program would
    // no longer end when asked to.
    m_library->setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    m_library->setHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "chimeral");
    m_quiet = std::make_unique<QuietAlsa>();
    m_opening = std::make_shared<Opening>();
    std::thread([opening = m_opening, sound = m_library, stall = beforeDeviceOpen] {
        if (stall)
            stall();
        const bool opened = openMixer(*sound);
        std::lock_guard lock(opening->mutex);
        opening->done = true;
        opening->opened = opened;
        if (opening->abandoned) {
            if (opened)
                closeMixer(*sound);
            return;
        }
        opening->finished.notify_all();
        // Wakes a wait on the window's thread; the player still exists, and
        // so does the application it lives in.
        if (QCoreApplication *application = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                application,
                [weak = std::weak_ptr<Opening>(opening)] {
                    if (const auto shared = weak.lock(); shared && shared->waiting)
                        shared->waiting->quit();
                },
                Qt::QueuedConnection);
    }).detach();
    startWatching();
}

// Runs the window's events while it waits, user input excepted, so that
// ticks, repaints and boxes go on; an open or play that comes from one of
// them waits inside this one.
bool MediaPlayer::waitForOpening(Clock::time_point deadline) {
    const std::shared_ptr<Opening> opening = m_opening;
    const auto done = [&opening] {
        std::lock_guard lock(opening->mutex);
        return opening->done;
    };
    if (!QCoreApplication::instance()) {
        std::unique_lock lock(opening->mutex);
        return opening->finished.wait_until(lock, deadline, [&opening] { return opening->done; });
    }
    ++m_waits;
    while (!done() && Clock::now() < deadline) {
        QEventLoop loop;
        const QPointer<QEventLoop> outer = opening->waiting;
        opening->waiting = &loop;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        QTimer::singleShot(left, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        opening->waiting = outer;
        // The wake-up reached only the innermost wait.
        if (outer && done())
            outer->quit();
    }
    --m_waits;
    return done();
}

int MediaPlayer::takeOpening() {
    if (m_deviceOpen)
        return Success;
    if (!m_opening)
        return NoAudioDevice;
    bool opened = false;
    {
        std::lock_guard lock(m_opening->mutex);
        opened = m_opening->opened;
    }
    m_opening.reset();
    m_quiet.reset();
    if (!opened)
        return NoAudioDevice;
    m_deviceOpen = true;
    chooseSoundFont(*m_library);
    m_quietSince = Clock::now();
    return Success;
}

int MediaPlayer::loadSound(const std::string &fileName) {
    m_music = m_library->loadMusic(fileName.c_str());
    if (!m_music)
        return loadFailureCode(fileName);
    m_quietSince = Clock::now();
    return Success;
}

void MediaPlayer::closeSound() {
    if (!m_music)
        return;
    // Frees and, if it is the one playing, stops only this player's sound.
    m_library->freeMusic(m_music);
    m_music = nullptr;
}

void MediaPlayer::closeDevice() {
    if (!m_deviceOpen)
        return;
    closeMixer(*m_library);
    m_deviceOpen = false;
}

void MediaPlayer::startWatching() {
    if (!QCoreApplication::instance())
        return; // no events: the device is held until the player goes
    if (!m_watch) {
        m_watch = std::make_unique<QTimer>();
        m_watch->setInterval(WatchInterval);
        QObject::connect(m_watch.get(), &QTimer::timeout, m_watch.get(), [this] { watchDevice(); });
    }
    m_watch->start();
}

// A device that opened after its sound had given up on it is taken here, and
// then let go like any other.
void MediaPlayer::watchDevice() {
    if (m_waits > 0)
        return;
    if (m_opening) {
        {
            std::lock_guard lock(m_opening->mutex);
            if (!m_opening->done)
                return;
        }
        takeOpening();
    }
    if (!m_deviceOpen) {
        m_watch->stop();
        return;
    }
    if (m_library->playingMusic()) {
        m_quietSince = Clock::now();
        return;
    }
    if (Clock::now() - m_quietSince < LetGoAfter)
        return;
    closeSound();
    closeDevice();
    m_watch->stop();
}

int MediaPlayer::loadFailureCode(const std::string &fileName) const {
    if (looksLikeMidi(fileName) && !soundFontAvailable(*m_library))
        return NoMidiSynth;
    return InvalidFile;
}
