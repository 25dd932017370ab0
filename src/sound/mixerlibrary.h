// SDL2_mixer, loaded while the program runs rather than linked: with the forty-odd libraries it
// brings along (decoders, a synthesiser, sound servers) it would otherwise hold back the start of
// every run by about 8 ms, before the first box could appear.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

namespace zarvento {

// The calls the voice makes: each one's name in the library, and the member that holds it.
#define ZARVENTO_MIXER_CALLS(CALL)                                                                 \
    CALL(SDL_SetHint, setHint)                                                                     \
    CALL(SDL_InitSubSystem, initSubSystem)                                                         \
    CALL(SDL_QuitSubSystem, quitSubSystem)                                                         \
    CALL(SDL_RWFromFile, rwFromFile)                                                               \
    CALL(SDL_RWclose, rwClose)                                                                     \
    CALL(SDL_TLSCleanup, tlsCleanup)                                                               \
    CALL(Mix_OpenAudio, openAudio)                                                                 \
    CALL(Mix_CloseAudio, closeAudio)                                                               \
    CALL(Mix_AllocateChannels, allocateChannels)                                                   \
    CALL(Mix_LoadWAV_RW, loadWavRw)                                                                \
    CALL(Mix_FreeChunk, freeChunk)                                                                 \
    CALL(Mix_PlayChannel, playChannel)                                                             \
    CALL(Mix_HaltChannel, haltChannel)                                                             \
    CALL(Mix_Playing, playing)                                                                     \
    CALL(Mix_GetChunk, getChunk)

// Those calls, taken from one loaded copy of the library.
struct MixerLibrary {
#define ZARVENTO_MIXER_MEMBER(name, member) decltype(&name) member = nullptr;
    ZARVENTO_MIXER_CALLS(ZARVENTO_MIXER_MEMBER)
#undef ZARVENTO_MIXER_MEMBER
};

// The library's name as Debian's runtime package of SDL2_mixer installs it.
inline constexpr const char *mixerLibraryName = "libSDL2_mixer-2.0.so.0";

// Loads the library (and SDL2 with it) and finds every call; false, with lib untouched, when the
// library or any of its calls is missing. A loaded library stays until the program ends: not all
// the sound servers' libraries it brings are ready to be unloaded.
bool loadMixerLibrary(const char *fileName, MixerLibrary &lib);

} // namespace zarvento
