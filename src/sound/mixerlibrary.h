// SDL2_mixer, loaded while the program runs rather than linked: with the forty-odd libraries it
// brings along (decoders, a synthesiser, sound servers) it would otherwise hold back the start of
// every run by about 8 ms, before the first box could appear.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

namespace zarvento {

// The calls the voice makes, taken from one loaded copy of the library.
struct MixerLibrary {
    decltype(&SDL_SetHint) setHint = nullptr;
    decltype(&SDL_InitSubSystem) initSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) quitSubSystem = nullptr;
    decltype(&SDL_RWFromFile) rwFromFile = nullptr;
    decltype(&SDL_RWclose) rwClose = nullptr;
    decltype(&SDL_TLSCleanup) tlsCleanup = nullptr;
    decltype(&Mix_OpenAudio) openAudio = nullptr;
    decltype(&Mix_CloseAudio) closeAudio = nullptr;
    decltype(&Mix_AllocateChannels) allocateChannels = nullptr;
    decltype(&Mix_LoadWAV_RW) loadWavRw = nullptr;
    decltype(&Mix_FreeChunk) freeChunk = nullptr;
    decltype(&Mix_PlayChannel) playChannel = nullptr;
    decltype(&Mix_HaltChannel) haltChannel = nullptr;
    decltype(&Mix_Playing) playing = nullptr;
    decltype(&Mix_GetChunk) getChunk = nullptr;
};

// The library's name as Debian's runtime package of SDL2_mixer installs it.
inline constexpr const char *mixerLibraryName = "libSDL2_mixer-2.0.so.0";

// Loads the library (and SDL2 with it) and finds every call; false, with lib untouched, when the
// library or any of its calls is missing. A loaded library stays until the program ends: not all
// the sound servers' libraries it brings are ready to be unloaded.
bool loadMixerLibrary(const char *fileName, MixerLibrary &lib);

} // namespace zarvento
