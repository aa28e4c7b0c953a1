// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

// The entry points of SDL2 and SDL2_mixer that the sound player calls. The two
// libraries are loaded by their sonames when the first sound is opened, never
// linked: a run that plays no sound never maps them, nor the decoders and the
// MIDI synthesizer they bring with them. Their headers serve for the types
// only.
struct SoundLibrary {
    decltype(&SDL_SetHint) setHint = nullptr;
    decltype(&SDL_InitSubSystem) initSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) quitSubSystem = nullptr;
    decltype(&Mix_OpenAudio) openAudio = nullptr;
    decltype(&Mix_CloseAudio) closeAudio = nullptr;
    decltype(&Mix_QuerySpec) querySpec = nullptr;
    decltype(&Mix_Quit) quit = nullptr;
    decltype(&Mix_SetSoundFonts) setSoundFonts = nullptr;
    decltype(&Mix_GetSoundFonts) getSoundFonts = nullptr;
    decltype(&Mix_LoadMUS) loadMusic = nullptr;
    decltype(&Mix_FreeMusic) freeMusic = nullptr;
    decltype(&Mix_PlayMusic) playMusic = nullptr;
    decltype(&Mix_PlayingMusic) playingMusic = nullptr;
};

// The names the libraries are loaded by.
struct SoundLibraryNames {
    std::string sdl = "libSDL2-2.0.so.0";
    std::string mixer = "libSDL2_mixer-2.0.so.0";
    bool operator==(const SoundLibraryNames &) const = default;
};

// The loaded libraries, loading them at the first call. Null when either
// cannot be loaded or lacks an entry point; failure then gets a sentence for
// the user naming the library. A failure is not kept: the next call tries
// again, so a library installed meanwhile serves the next sound.
const SoundLibrary *soundLibrary(std::string &failure);

// Tests load other files (a broken library, say) under these names; the next
// call of soundLibrary() then loads them.
SoundLibraryNames soundLibraryNames();
void setSoundLibraryNames(const SoundLibraryNames &names);
