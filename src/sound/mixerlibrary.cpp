// SDL2_mixer, loaded while the program runs rather than linked.
#include "sound/mixerlibrary.h"

#include <dlfcn.h>

namespace zarvento {

namespace {

template <typename Function>
bool find(void *handle, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

} // namespace

bool loadMixerLibrary(const char *fileName, MixerLibrary &lib)
{
    void *handle = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        return false;
    // The mixer's handle finds SDL2's calls too: SDL2 is among the libraries it needs.
    MixerLibrary found;
    const bool complete = find(handle, "SDL_SetHint", found.setHint)
        && find(handle, "SDL_InitSubSystem", found.initSubSystem)
        && find(handle, "SDL_QuitSubSystem", found.quitSubSystem)
        && find(handle, "SDL_RWFromFile", found.rwFromFile)
        && find(handle, "SDL_RWclose", found.rwClose)
        && find(handle, "SDL_TLSCleanup", found.tlsCleanup)
        && find(handle, "Mix_OpenAudio", found.openAudio)
        && find(handle, "Mix_CloseAudio", found.closeAudio)
        && find(handle, "Mix_AllocateChannels", found.allocateChannels)
        && find(handle, "Mix_LoadWAV_RW", found.loadWavRw)
        && find(handle, "Mix_FreeChunk", found.freeChunk)
        && find(handle, "Mix_PlayChannel", found.playChannel)
        && find(handle, "Mix_HaltChannel", found.haltChannel)
        && find(handle, "Mix_Playing", found.playing)
        && find(handle, "Mix_GetChunk", found.getChunk);
    if (!complete) {
        dlclose(handle); // nothing of it was used
        return false;
    }
    lib = found;
    return true;
}

} // namespace zarvento
