#include "platform/MediaPlayer.h"
#include "platform/QuietAlsa.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

void chooseSoundFont() {
    const char *chosen = SDL_getenv("SDL_SOUNDFONTS");
    if (chosen && *chosen)
        return;
    for (const char *path : GeneralMidiSoundFonts) {
        if (readable(path)) {
            Mix_SetSoundFonts(path);
            return;
        }
    }
}

bool soundFontAvailable() {
    const char *paths = Mix_GetSoundFonts();
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
    if (code == Success && !openDevice())
        code = NoAudioDevice;
    if (code == Success) {
        m_music = Mix_LoadMUS(FileName.c_str());
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
    m_error = Mix_PlayMusic(m_music, 0) == 0 ? Success : PlayFailed;
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
    default:
        return "Unknown error code";
    }
}

bool MediaPlayer::openDevice() {
    if (m_deviceOpen)
        return true;
    // SDL would otherwise take over SIGINT and SIGTERM, and the program would
    // no longer end when asked to.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "chimeral");
    QuietAlsa quiet;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    chooseSoundFont();
    m_deviceOpen = true;
    return true;
}

void MediaPlayer::closeSound() {
    if (!m_music)
        return;
    // Frees and, if it is the one playing, stops only this player's sound.
    Mix_FreeMusic(m_music);
    m_music = nullptr;
}

void MediaPlayer::closeDevice() {
    if (!m_deviceOpen)
        return;
    Mix_CloseAudio();
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0)
        Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m_deviceOpen = false;
}

int MediaPlayer::loadFailureCode() const {
    if (looksLikeMidi(FileName) && !soundFontAvailable())
        return NoMidiSynth;
    return InvalidFile;
}
