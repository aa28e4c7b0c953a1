// SPDX-License-Identifier: MIT
#include "platform/AlsaLibrary.h"
#include "platform/RuntimeLibrary.h"

const AlsaLibrary *alsaLibrary() {
    static AlsaLibrary loaded;
    static bool isLoaded = false;
    if (isLoaded)
        return &loaded;
    AlsaLibrary api;
    RuntimeLibrary alsa("libasound.so.2");
    alsa.resolve(api.setErrorHandler, "snd_lib_error_set_handler");
    alsa.resolve(api.cardNext, "snd_card_next");
    alsa.resolve(api.cardGetName, "snd_card_get_name");
    alsa.resolve(api.mixerOpen, "snd_mixer_open");
    alsa.resolve(api.mixerAttach, "snd_mixer_attach");
    alsa.resolve(api.mixerLoad, "snd_mixer_load");
    alsa.resolve(api.mixerClose, "snd_mixer_close");
    alsa.resolve(api.findElement, "snd_mixer_find_selem");
    alsa.resolve(api.registerElements, "snd_mixer_selem_register");
    alsa.resolve(api.idMalloc, "snd_mixer_selem_id_malloc");
    alsa.resolve(api.idFree, "snd_mixer_selem_id_free");
    alsa.resolve(api.idSetIndex, "snd_mixer_selem_id_set_index");
    alsa.resolve(api.idSetName, "snd_mixer_selem_id_set_name");
    alsa.resolve(api.isActive, "snd_mixer_selem_is_active");
    alsa.resolve(api.hasPlaybackVolume, "snd_mixer_selem_has_playback_volume");
    alsa.resolve(api.hasPlaybackSwitch, "snd_mixer_selem_has_playback_switch");
    alsa.resolve(api.hasPlaybackChannel, "snd_mixer_selem_has_playback_channel");
    alsa.resolve(api.getPlaybackSwitch, "snd_mixer_selem_get_playback_switch");
    alsa.resolve(api.setPlaybackSwitchAll, "snd_mixer_selem_set_playback_switch_all");
    if (!alsa.usable())
        return nullptr;
    loaded = api;
    isLoaded = true;
    return &loaded;
}
