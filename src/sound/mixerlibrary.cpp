// SDL2_mixer, loaded while the program runs rather than linked.
#include "sound/mixerlibrary.h"

#include <dlfcn.h>

namespace zarvento {

namespace {

template <typename Function> bool find(void *handle, const char *name, Function &function)
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
    bool complete = true;
#define ZARVENTO_MIXER_FIND(name, member) complete = complete && find(handle, #name, found.member);
    ZARVENTO_MIXER_CALLS(ZARVENTO_MIXER_FIND)
#undef ZARVENTO_MIXER_FIND
    if (!complete) {
        dlclose(handle); // nothing of it was used
        return false;
    }
    lib = found;
    return true;
}

} // namespace zarvento
