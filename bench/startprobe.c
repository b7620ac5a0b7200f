// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

/*
 * startprobe - launch a desktop program and time it, from outside through the
 * X server, to its first settled, painted main window.
 *
 *   startprobe [-t TITLE] [-c COLOURS] [-s SETTLE_MS] [-p POLL_MS] [-T SECONDS]
 *              [-v] -- PROGRAM ARGS...
 *
 * mapped_ms:  launch (just before fork) -> a new top-level window whose title
 *             (_NET_WM_NAME, else WM_NAME) matches the extended regex TITLE
 *             is viewable, its window manager frame included.
 * painted_ms: launch -> the first moment the window showed its final pixels.
 *             The window is grabbed every POLL_MS (default 2), through
 *             shared memory (MIT-SHM) where the server offers it; the pixels
 *             count as final once they show at least COLOURS distinct values
 *             (default 3; an unpainted window shows one) and then stay
 *             unchanged for SETTLE_MS (default 100). The time reported is when
 *             the grab that first showed them returned, so it is late by at
 *             most one poll interval and one grab.
 * rss_kb:     VmRSS of the program (or of the window's _NET_WM_PID, if that
 *             descends from it) when the pixels were judged settled.
 * Then the program and what it left running get SIGTERM (SIGKILL 2 s later).
 * Prints one line, NA for what it could not measure; the program's own output
 * goes to stderr.
 *
 * Build: cc -O2 -Wall -Wextra -o startprobe startprobe.c window.c grab.c launch.c -lX11 -lXext
 */
#define _GNU_SOURCE
#include "grab.h"
#include "launch.h"
#include "window.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <regex.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static Display *dpy;
static regex_t title_re;
/* What counts as painted, in ms and distinct pixel values. */
static double settle = 100, interval = 2;
static int colours = 3, verbose;

/* A window can vanish between two requests; that is not an error here. */
static int ignore_xerror(Display *d, XErrorEvent *e)
{
    (void)d, (void)e;
    return 0;
}

/* Whether the image shows at least `want` distinct pixel values. */
static int has_colours(XImage *im, int want)
{
    unsigned long seen[256];
    int n = 0;
    for (int y = 0; y < im->height; ++y)
        for (int x = 0; x < im->width; ++x) {
            const unsigned long p = XGetPixel(im, x, y);
            int k = 0;
            while (k < n && seen[k] != p)
                ++k;
            if (k == n)
                seen[n++] = p;
            if (n >= want)
                return 1;
        }
    return 0;
}

/* Grabs the window until its pixels settle; returns when it first showed
 * them, or -1. Keeps *A's size current as the window is resized. */
static double wait_for_paint(Window w, XWindowAttributes *a, double t0, double deadline)
{
    XSelectInput(dpy, w, StructureNotifyMask);
    if (!XGetWindowAttributes(dpy, w, a))
        return -1;
    char *last = NULL;
    size_t last_len = 0;
    double changed = -1, painted = -1, grabbing = 0;
    int enough = 0, gone = 0, grabs = 0;
    while (!gone && painted < 0 && now_ms() < deadline && !launched_exited()) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == ConfigureNotify && ev.xconfigure.window == w) {
                a->width = ev.xconfigure.width;
                a->height = ev.xconfigure.height;
            } else if (ev.type == DestroyNotify && ev.xdestroywindow.window == w) {
                gone = 1;
            }
        }
        const double asked = now_ms();
        XImage *im = gone ? NULL : grab_window(dpy, w, a);
        const double got = now_ms();
        grabs += im != NULL;
        grabbing += im ? got - asked : 0;
        if (im) {
            const size_t len = (size_t)im->bytes_per_line * (size_t)im->height;
            if (!last || len != last_len || memcmp(last, im->data, len) != 0) {
                free(last);
                last = malloc(len);
                memcpy(last, im->data, len);
                last_len = len;
                changed = got;
                enough = has_colours(im, colours);
                if (verbose)
                    fprintf(stderr, "startprobe: %dx%d changed at %.1f ms%s\n", im->width,
                            im->height, got - t0, enough ? "" : " (too few colours)");
            } else if (enough && got - changed >= settle) {
                painted = changed;
            }
        }
        sleep_ms(asked + interval - now_ms());
    }
    free(last);
    grab_done(dpy);
    if (verbose)
        fprintf(stderr, "startprobe: %d grabs, %.2f ms each\n", grabs, grabs ? grabbing / grabs : 0);
    return painted;
}

static void put_ms(const char *name, double t, double t0)
{
    if (t >= 0)
        printf(" %s=%.1f", name, t - t0);
    else
        printf(" %s=NA", name);
}

int main(int argc, char **argv)
{
    const char *title = ".";
    double timeout = 30;
    int opt;
    while ((opt = getopt(argc, argv, "+t:c:s:p:T:v")) != -1)
        switch (opt) {
        case 't': title = optarg; break;
        case 'c': colours = atoi(optarg); break;
        case 's': settle = atof(optarg); break;
        case 'p': interval = atof(optarg); break;
        case 'T': timeout = atof(optarg); break;
        case 'v': verbose = 1; break;
        default: return 2;
        }
    if (optind >= argc || colours < 1 || colours > 256 ||
        regcomp(&title_re, title, REG_EXTENDED | REG_NOSUB) != 0) {
        fprintf(stderr, "usage: startprobe [-t TITLE] [-c COLOURS] [-s SETTLE_MS] [-p POLL_MS] "
                        "[-T SECONDS] [-v] -- PROGRAM ARGS...\n");
        return 2;
    }
    dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "startprobe: no display\n");
        return 2;
    }
    fcntl(ConnectionNumber(dpy), F_SETFD, FD_CLOEXEC);
    XSetErrorHandler(ignore_xerror);
    watch_new_windows(dpy);

    const double t0 = now_ms();
    if (!launch(argv + optind))
        return 2;
    const double deadline = t0 + timeout * 1e3;
    const Window w = wait_for_window(&title_re, deadline);
    const double mapped = w ? now_ms() : -1;
    XWindowAttributes a = {0};
    const double painted = w ? wait_for_paint(w, &a, t0, deadline) : -1;
    const long kb = painted >= 0 ? rss_kb(measured_pid(window_pid(w))) : -1;
    stop_launched(verbose);
    XCloseDisplay(dpy);

    char size[32] = "NA", mem[32] = "NA";
    if (w)
        snprintf(size, sizeof size, "%dx%d", a.width, a.height);
    if (kb >= 0)
        snprintf(mem, sizeof mem, "%ld", kb);
    printf("window=%s", size);
    put_ms("mapped_ms", mapped, t0);
    put_ms("painted_ms", painted, t0);
    printf(" rss_kb=%s\n", mem);
    return painted >= 0 && kb >= 0 ? 0 : 1;
}
