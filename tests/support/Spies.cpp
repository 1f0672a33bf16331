// Stand-ins for a few SDL functions: they record the call and hand it on to
// the real function further down the link order.
#include "support/Spies.h"

#include <dlfcn.h>

#include <atomic>

std::vector<SoundCall>& SoundsPlayed()
{
    static std::vector<SoundCall> calls;
    return calls;
}

static std::atomic<long> liveSurfaces{0};

long LiveSurfaces()
{
    return liveSurfaces;
}

template <typename Function>
static Function Real(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

static SDL_Surface* Counted(SDL_Surface* surface)
{
    if (surface)
        ++liveSurfaces;
    return surface;
}

extern "C" {

int Mix_PlayChannelTimed(int channel, Mix_Chunk* chunk, int loops, int ticks)
{
    static auto real = Real<int (*)(int, Mix_Chunk*, int, int)>("Mix_PlayChannelTimed");
    SoundsPlayed().push_back({channel, chunk, loops, ticks});
    return real(channel, chunk, loops, ticks);
}

SDL_Surface* SDL_CreateRGBSurface(Uint32 flags, int w, int h, int depth, Uint32 r, Uint32 g,
                                  Uint32 b, Uint32 a)
{
    static auto real = Real<SDL_Surface* (*)(Uint32, int, int, int, Uint32, Uint32, Uint32, Uint32)>(
        "SDL_CreateRGBSurface");
    return Counted(real(flags, w, h, depth, r, g, b, a));
}

SDL_Surface* SDL_LoadBMP_RW(SDL_RWops* source, int freeSource)
{
    static auto real = Real<SDL_Surface* (*)(SDL_RWops*, int)>("SDL_LoadBMP_RW");
    return Counted(real(source, freeSource));
}

SDL_Surface* SDL_ConvertSurface(SDL_Surface* source, SDL_PixelFormat* format, Uint32 flags)
{
    static auto real =
        Real<SDL_Surface* (*)(SDL_Surface*, SDL_PixelFormat*, Uint32)>("SDL_ConvertSurface");
    return Counted(real(source, format, flags));
}

void SDL_FreeSurface(SDL_Surface* surface)
{
    static auto real = Real<void (*)(SDL_Surface*)>("SDL_FreeSurface");
    if (surface)
        --liveSurfaces;
    real(surface);
}
}
