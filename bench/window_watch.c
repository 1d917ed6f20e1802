/* Times what a user sees from outside the program, without polling by
 * process (each xdotool call is a process that shares the machine with the
 * office and delays what it measures):
 *
 *   window_watch map MINW MINH -- COMMAND...
 *       starts COMMAND (not waited for) and prints the milliseconds until a
 *       top-level window at least MINW x MINH pixels is mapped, then the
 *       command's process id: "ms pid".
 *   window_watch change WINDOW -- COMMAND...
 *       takes a picture of WINDOW, starts COMMAND and prints the
 *       milliseconds until the window's picture differs from it.
 *
 * Gives up after 60 s with exit status 1, killing a command whose window
 * never came. */
#define _DEFAULT_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static double nowMs(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static pid_t startCommand(char **argv)
{
    const pid_t child = fork();
    if (child == 0) {
        /* Its output is not ours: a caller reading ours would wait for it to end. */
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        execvp(argv[0], argv);
        perror(argv[0]);
        _exit(127);
    }
    return child;
}

/* FNV-1a over the window's pixels; 0 when the window cannot be read. */
static uint64_t pictureHash(Display *display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return 0;
    XImage *image = XGetImage(display, window, 0, 0, (unsigned)attributes.width, (unsigned)attributes.height, AllPlanes,
                              ZPixmap);
    if (!image)
        return 0;
    uint64_t hash = 1469598103934665603ull;
    const size_t size = (size_t)image->bytes_per_line * (size_t)image->height;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ (unsigned char)image->data[i]) * 1099511628211ull;
    XDestroyImage(image);
    return hash;
}

static int ignoreErrors(Display *display, XErrorEvent *error)
{
    (void)display;
    (void)error;
    return 0;
}

int main(int argc, char *argv[])
{
    const double limitMs = 60000;
    if (argc < 5 || (strcmp(argv[1], "map") == 0 && (argc < 6 || strcmp(argv[4], "--") != 0))
        || (strcmp(argv[1], "change") == 0 && strcmp(argv[3], "--") != 0)) {
        fprintf(stderr, "usage: %s map MINW MINH -- COMMAND... | change WINDOW -- COMMAND...\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors); /* a window may go while it is looked at */

    if (strcmp(argv[1], "map") == 0) {
        const int minWidth = atoi(argv[2]), minHeight = atoi(argv[3]);
        XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
        XSync(display, False);
        const double start = nowMs();
        const pid_t child = startCommand(argv + 5);
        while (nowMs() - start < limitMs) {
            while (XPending(display)) {
                XEvent event;
                XNextEvent(display, &event);
                if (event.type != MapNotify)
                    continue;
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display, event.xmap.window, &attributes) && attributes.width >= minWidth
                    && attributes.height >= minHeight) {
                    printf("%.0f %d\n", nowMs() - start, (int)child);
                    return 0;
                }
            }
            usleep(1000);
        }
        /* A program whose window never came (a start that hangs) is not left running. */
        kill(child, SIGKILL);
        return 1;
    }

    const Window window = (Window)strtoul(argv[2], NULL, 0);
    const uint64_t before = pictureHash(display, window);
    const double start = nowMs();
    startCommand(argv + 4);
    while (nowMs() - start < limitMs) {
        usleep(5000);
        const uint64_t now = pictureHash(display, window);
        if (now != 0 && now != before) {
            printf("%.0f\n", nowMs() - start);
            return 0;
        }
    }
    return 1;
}
