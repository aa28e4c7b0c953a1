// SPDX-License-Identifier: MIT
#pragma once

#include <alsa/asoundlib.h>

// The entry points of the ALSA library that the speaker unmute calls. The
// library is loaded by its soname at the first unmute (or the first sound),
// never linked, so that a run that neither counts down nor plays does not map
// it. Its headers serve for the types only.
struct AlsaLibrary {
    decltype(&snd_lib_error_set_handler) setErrorHandler = nullptr;
    decltype(&snd_card_next) cardNext = nullptr;
    decltype(&snd_card_get_name) cardGetName = nullptr;
    decltype(&snd_mixer_open) mixerOpen = nullptr;
    decltype(&snd_mixer_attach) mixerAttach = nullptr;
    decltype(&snd_mixer_load) mixerLoad = nullptr;
    decltype(&snd_mixer_close) mixerClose = nullptr;
    decltype(&snd_mixer_find_selem) findElement = nullptr;
    decltype(&snd_mixer_selem_register) registerElements = nullptr;
    decltype(&snd_mixer_selem_id_malloc) idMalloc = nullptr;
    decltype(&snd_mixer_selem_id_free) idFree = nullptr;
    decltype(&snd_mixer_selem_id_set_index) idSetIndex = nullptr;
    decltype(&snd_mixer_selem_id_set_name) idSetName = nullptr;
    decltype(&snd_mixer_selem_is_active) isActive = nullptr;
    decltype(&snd_mixer_selem_has_playback_volume) hasPlaybackVolume = nullptr;
    decltype(&snd_mixer_selem_has_playback_switch) hasPlaybackSwitch = nullptr;
    decltype(&snd_mixer_selem_has_playback_channel) hasPlaybackChannel = nullptr;
    decltype(&snd_mixer_selem_get_playback_switch) getPlaybackSwitch = nullptr;
    decltype(&snd_mixer_selem_set_playback_switch_all) setPlaybackSwitchAll = nullptr;
};

// The loaded library, loading it at the first call; null when it cannot be
// loaded or lacks an entry point (then nothing can be unmuted). A failure is
// not kept: the next call tries again.
const AlsaLibrary *alsaLibrary();
