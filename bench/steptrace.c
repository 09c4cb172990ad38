/* A probe preloaded into the game (LD_PRELOAD) by bench/frameloop_measure.sh: it writes one line
 * when a step begins and one when a step's events have all been read, so that the step cadence
 * and the time spent waiting between steps can be read off any build of the game, old or new,
 * without a line of the game changed.
 *
 * A step begins with the music keep-alive (Mix_PlayingMusic), right after the frame loop has read
 * the tick counter for it: the last SDL_GetTicks reading is the step's own. A step ends when
 * SDL_PollEvent reports the queue empty; the wait for the next step follows.
 *
 *   step TICKS WALL_NS THREAD_CPU_NS
 *   idle WALL_NS THREAD_CPU_NS
 *
 * Only the main thread is traced. The lines go to the file named by STEPTRACE_FILE. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

static FILE* g_out;
static uint32_t g_lastTicks;

static void* Next(const char* name)
{
    void* function = dlsym(RTLD_NEXT, name);
    if (!function) {
        fprintf(stderr, "steptrace: %s not found\n", name);
        abort();
    }
    return function;
}

static int OnMainThread(void) { return syscall(SYS_gettid) == getpid(); }

static FILE* Out(void)
{
    if (!g_out) {
        const char* path = getenv("STEPTRACE_FILE");
        g_out = fopen(path ? path : "steptrace.txt", "w");
        if (!g_out)
            abort();
    }
    return g_out;
}

static long long Nanoseconds(clockid_t clock)
{
    struct timespec now;
    clock_gettime(clock, &now);
    return (long long)now.tv_sec * 1000000000LL + now.tv_nsec;
}

uint32_t SDL_GetTicks(void)
{
    static uint32_t (*real)(void);
    if (!real)
        real = (uint32_t(*)(void))Next("SDL_GetTicks");
    const uint32_t ticks = real();
    if (OnMainThread())
        g_lastTicks = ticks;
    return ticks;
}

int Mix_PlayingMusic(void)
{
    static int (*real)(void);
    if (!real)
        real = (int (*)(void))Next("Mix_PlayingMusic");
    if (OnMainThread())
        fprintf(Out(), "step %u %lld %lld\n", g_lastTicks, Nanoseconds(CLOCK_MONOTONIC),
                Nanoseconds(CLOCK_THREAD_CPUTIME_ID));
    return real();
}

/* The event is SDL's; the probe only passes it on. */
int SDL_PollEvent(void* event)
{
    static int (*real)(void*);
    if (!real)
        real = (int (*)(void*))Next("SDL_PollEvent");
    const int got = real(event);
    if (!got && OnMainThread())
        fprintf(Out(), "idle %lld %lld\n", Nanoseconds(CLOCK_MONOTONIC), Nanoseconds(CLOCK_THREAD_CPUTIME_ID));
    return got;
}
