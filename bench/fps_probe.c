/* Preloaded into the game: wraps SDL_Flip, and once a second tells on
 * standard error how many flips there were and where the process's CPU time
 * went: the main thread (and the part of it inside SDL_Flip) or the other
 * threads, among them the software renderer's (llvmpipe), which draws the
 * flipped frame into the window after SDL_Flip has returned. CPU figures are
 * in percent of one core. */
#define _GNU_SOURCE
#include <dirent.h>
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

struct SDL_Surface;

static double Seconds(clockid_t clock)
{
    struct timespec now;
    clock_gettime(clock, &now);
    return now.tv_sec + now.tv_nsec * 1e-9;
}

/* utime + stime of one thread, in seconds; 0 when it has gone. */
static double ThreadCpu(const char* tid, char* name, size_t nameSize)
{
    char path[64], line[512];
    snprintf(path, sizeof path, "/proc/self/task/%s/stat", tid);
    FILE* stat = fopen(path, "r");
    if (!stat)
        return 0;
    const int read = fgets(line, sizeof line, stat) != NULL;
    fclose(stat);
    const char* open = strchr(line, '(');
    const char* close = strrchr(line, ')');
    unsigned long user = 0, system = 0;
    if (!read || !open || !close ||
        sscanf(close + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &user, &system) != 2)
        return 0;
    snprintf(name, nameSize, "%.*s", (int)(close - open - 1), open + 1);
    return (double)(user + system) / sysconf(_SC_CLK_TCK);
}

/* The CPU time of every thread but the main one, and of the renderer's. */
static void OtherThreadsCpu(double* others, double* renderer)
{
    *others = *renderer = 0;
    DIR* tasks = opendir("/proc/self/task");
    if (!tasks)
        return;
    const long self = getpid();
    struct dirent* task;
    while ((task = readdir(tasks)) != NULL) {
        if (task->d_name[0] == '.' || atol(task->d_name) == self)
            continue;
        char name[32] = "";
        const double cpu = ThreadCpu(task->d_name, name, sizeof name);
        *others += cpu;
        if (strncmp(name, "llvmpipe", 8) == 0)
            *renderer += cpu;
    }
    closedir(tasks);
}

struct Sample {
    double wall, process, mainThread, others, renderer;
};

static struct Sample TakeSample(void)
{
    struct Sample s = {Seconds(CLOCK_MONOTONIC), Seconds(CLOCK_PROCESS_CPUTIME_ID),
                       Seconds(CLOCK_THREAD_CPUTIME_ID), 0, 0};
    OtherThreadsCpu(&s.others, &s.renderer);
    return s;
}

static struct Sample windowStart;
static double flipWall, flipCpu;
static long flips;

static void Report(const struct Sample* end)
{
    const struct Sample* start = &windowStart;
    const double span = end->wall - start->wall;
    fprintf(stderr,
            "fps_probe: fps=%.1f process_cpu=%.1f main_thread=%.1f in_flip=%.1f other_threads=%.1f "
            "llvmpipe=%.1f flip_wall=%.1f flip_cpu_ms=%.3f\n",
            flips / span, 100 * (end->process - start->process) / span,
            100 * (end->mainThread - start->mainThread) / span, 100 * flipCpu / span,
            100 * (end->others - start->others) / span, 100 * (end->renderer - start->renderer) / span,
            100 * flipWall / span, flips ? 1e3 * flipCpu / flips : 0.0);
}

static void StartWindow(void)
{
    windowStart = TakeSample();
    flipWall = flipCpu = 0;
    flips = 0;
}

int SDL_Flip(struct SDL_Surface* screen)
{
    static int (*real)(struct SDL_Surface*);
    if (!real) {
        real = (int (*)(struct SDL_Surface*))dlsym(RTLD_NEXT, "SDL_Flip");
        StartWindow();
    }
    const double wallBefore = Seconds(CLOCK_MONOTONIC);
    const double cpuBefore = Seconds(CLOCK_THREAD_CPUTIME_ID);
    const int result = real(screen);
    flipCpu += Seconds(CLOCK_THREAD_CPUTIME_ID) - cpuBefore;
    flipWall += Seconds(CLOCK_MONOTONIC) - wallBefore;
    flips += 1;
    if (Seconds(CLOCK_MONOTONIC) - windowStart.wall >= 1.0) {
        const struct Sample end = TakeSample();
        Report(&end);
        StartWindow();
    }
    return result;
}
