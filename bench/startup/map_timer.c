/* Starts a program and reports how long it takes until it maps a top-level
 * window, then its resident memory one second later:
 *     map_timer PROGRAM [ARGS...]  ->  "<ms> <VmRSS kB> <VmHWM kB>"
 * It listens for the X server's MapNotify on the root window, so it sees the
 * map as it happens instead of polling for it. */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long status_kb(pid_t pid, const char* field) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f) return -1;
    char line[256];
    long kb = -1;
    size_t n = strlen(field);
    while (fgets(line, sizeof line, f)) {
        if (strncmp(line, field, n) == 0 && line[n] == ':') {
            kb = strtol(line + n + 1, NULL, 10);
            break;
        }
    }
    fclose(f);
    return kb;
}

int main(int argc, char* argv[]) {
    if (argc < 2) {
        fprintf(stderr, "usage: map_timer PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "map_timer: cannot open display\n");
        return 2;
    }
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    double start = now_ms();
    pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int fd = ConnectionNumber(display);
    double mapped = -1;
    while (mapped < 0) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
                mapped = now_ms();
                break;
            }
        }
        if (mapped >= 0) break;
        if (waitpid(child, NULL, WNOHANG) == child) {
            fprintf(stderr, "map_timer: %s exited before mapping a window\n", argv[1]);
            return 1;
        }
        if (now_ms() - start > 20000) {
            fprintf(stderr, "map_timer: no window within 20 s\n");
            kill(child, SIGKILL);
            return 1;
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        struct timeval wait = {0, 10000};
        select(fd + 1, &fds, NULL, NULL, &wait);
    }
    sleep(1);
    long rss = status_kb(child, "VmRSS");
    long hwm = status_kb(child, "VmHWM");
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    printf("%.1f %ld %ld\n", mapped - start, rss, hwm);
    XCloseDisplay(display);
    return 0;
}
