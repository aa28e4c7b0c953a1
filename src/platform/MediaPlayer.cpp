// SPDX-License-Identifier: MIT
#include "platform/MediaPlayer.h"
#include "platform/QuietAlsa.h"
#include "platform/SoundLibrary.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

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

} // namespace

MediaPlayer::MediaPlayer() = default;

MediaPlayer::~MediaPlayer() {
    closeSound();
    closeDevice();
}

void MediaPlayer::Open() {
    closeSound();
    int code = checkFile(FileName);
    if (code == Success)
        code = openDevice();
    if (code == Success) {
        m_music = m_library->loadMusic(FileName.c_str());
        if (!m_music)
            code = loadFailureCode();
    }
    m_error = code;
    // Thrown on purpose: for the alarm, this failure ends on the exception display.
    if (code != Success)
        throw MediaError(code, ErrorMessage());
}

void MediaPlayer::Play() {
    if (!m_music) {
        m_error = NotOpen;
        return;
    }
    m_error = m_library->playMusic(m_music, 0) == 0 ? Success : PlayFailed;
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
    default:
        return "Unknown error code";
    }
}

int MediaPlayer::openDevice() {
    if (m_deviceOpen)
        return Success;
    const SoundLibrary *sound = soundLibrary(m_libraryFailure);
    if (!sound)
        return NoSoundLibrary;
    m_library = sound;
    // SDL would otherwise take over SIGINT and SIGTERM, and the program would
    // no longer end when asked to.
    sound->setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sound->setHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "chimeral");
    QuietAlsa quiet;
    if (sound->initSubSystem(SDL_INIT_AUDIO) != 0)
        return NoAudioDevice;
    if (sound->openAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        sound->quitSubSystem(SDL_INIT_AUDIO);
        return NoAudioDevice;
    }
    chooseSoundFont(*sound);
    m_deviceOpen = true;
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
    m_library->closeAudio();
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    if (m_library->querySpec(&frequency, &format, &channels) == 0)
        m_library->quit();
    m_library->quitSubSystem(SDL_INIT_AUDIO);
    m_deviceOpen = false;
}

int MediaPlayer::loadFailureCode() const {
    if (looksLikeMidi(FileName) && !soundFontAvailable(*m_library))
        return NoMidiSynth;
    return InvalidFile;
}
