// SPDX-License-Identifier: MIT
#include "platform/SoundLibrary.h"
#include "platform/RuntimeLibrary.h"

namespace {

SoundLibraryNames &nameSetting() {
    static SoundLibraryNames names;
    return names;
}

std::string failureText(const RuntimeLibrary &library) {
    return "The sound library " + library.name() + " could not be loaded: " + library.failure() +
           ".";
}

// Loads both libraries under the given names and fills in api; empty on
// success, else the failure for the user.
std::string load(const SoundLibraryNames &names, SoundLibrary &api) {
    RuntimeLibrary sdl(names.sdl);
    sdl.resolve(api.setHint, "SDL_SetHint");
    sdl.resolve(api.initSubSystem, "SDL_InitSubSystem");
    sdl.resolve(api.quitSubSystem, "SDL_QuitSubSystem");
    if (!sdl.usable())
        return failureText(sdl);
    RuntimeLibrary mixer(names.mixer);
    mixer.resolve(api.openAudio, "Mix_OpenAudio");
    mixer.resolve(api.closeAudio, "Mix_CloseAudio");
    mixer.resolve(api.querySpec, "Mix_QuerySpec");
    mixer.resolve(api.quit, "Mix_Quit");
    mixer.resolve(api.setSoundFonts, "Mix_SetSoundFonts");
    mixer.resolve(api.getSoundFonts, "Mix_GetSoundFonts");
    mixer.resolve(api.loadMusic, "Mix_LoadMUS");
    mixer.resolve(api.freeMusic, "Mix_FreeMusic");
    mixer.resolve(api.playMusic, "Mix_PlayMusic");
    mixer.resolve(api.playingMusic, "Mix_PlayingMusic");
    if (!mixer.usable())
        return failureText(mixer);
    return {};
}

} // namespace

const SoundLibrary *soundLibrary(std::string &failure) {
    static SoundLibrary loaded;
    static SoundLibraryNames loadedNames;
    static bool isLoaded = false;
    if (isLoaded && loadedNames == nameSetting())
        return &loaded;
    SoundLibrary api;
    failure = load(nameSetting(), api);
    if (!failure.empty())
        return nullptr;
    loaded = api;
    loadedNames = nameSetting();
    isLoaded = true;
    return &loaded;
}

SoundLibraryNames soundLibraryNames() {
    return nameSetting();
}

void setSoundLibraryNames(const SoundLibraryNames &names) {
    nameSetting() = names;
}
