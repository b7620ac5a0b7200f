// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

/*
 * clicklatency - time from a synthetic mouse click on a Bitovka button to
 * the yellow row's repaint, measured from outside through the X server.
 *
 *   clicklatency [-n CLICKS] [-t TITLE]
 *
 * Finds the window titled TITLE (default "Bitovka"), then clicks "<<" and
 * ">>" in turn. From the first draw's blue 4 the yellow row alternates
 * between 8 and 4, so every click changes it. For each click it records the
 * time from sending the press/release (XTest) to the first grab of the
 * yellow row that differs from the one before the click, and waits for the
 * row to settle before the next click. Prints one line per statistic in ms.
 *
 * Build: cc -O2 -o clicklatency clicklatency.c -lX11 -lXtst
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

/* Client coordinates of the yellow row (both frames) and of the buttons. */
enum { ROW_X = 16, ROW_Y = 288, ROW_W = 321, ROW_H = 57 };
static const int shiftLeft[2] = {128 + 37, 216 + 12};
static const int shiftRight[2] = {240 + 37, 216 + 12};

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static Window find_window(Display *d, Window w, const char *title)
{
    char *name = NULL;
    if (XFetchName(d, w, &name) && name) {
        int match = strcmp(name, title) == 0;
        XFree(name);
        XWindowAttributes a;
        if (match && XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable)
            return w;
    }
    Window root, parent, *kids = NULL;
    unsigned n = 0;
    Window found = 0;
    if (XQueryTree(d, w, &root, &parent, &kids, &n)) {
        for (unsigned i = 0; i < n && !found; ++i)
            found = find_window(d, kids[i], title);
        if (kids)
            XFree(kids);
    }
    return found;
}

static unsigned long row_hash(Display *d, Window w)
{
    XImage *img = XGetImage(d, w, ROW_X, ROW_Y, ROW_W, ROW_H, AllPlanes, ZPixmap);
    if (!img)
        return 0;
    unsigned long h = 1469598103934665603UL;
    for (int y = 0; y < ROW_H; ++y)
        for (int x = 0; x < ROW_W; ++x)
            h = (h ^ XGetPixel(img, x, y)) * 1099511628211UL;
    XDestroyImage(img);
    return h;
}

static int cmp(const void *a, const void *b)
{
    double x = *(const double *)a, y = *(const double *)b;
    return x < y ? -1 : x > y;
}

int main(int argc, char **argv)
{
    int clicks = 100;
    const char *title = "Bitovka";
    for (int i = 1; i < argc; ++i) {
        if (!strcmp(argv[i], "-n") && i + 1 < argc)
            clicks = atoi(argv[++i]);
        else if (!strcmp(argv[i], "-t") && i + 1 < argc)
            title = argv[++i];
    }
    Display *d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "clicklatency: no display\n");
        return 2;
    }
    Window w = 0;
    for (int i = 0; i < 100 && !w; ++i, usleep(100000))
        w = find_window(d, DefaultRootWindow(d), title);
    if (!w) {
        fprintf(stderr, "clicklatency: no window titled %s\n", title);
        return 2;
    }
    usleep(300000);
    double *lat = calloc((size_t)clicks, sizeof *lat);
    int got = 0;
    for (int i = 0; i < clicks; ++i) {
        const int *b = i % 2 == 0 ? shiftLeft : shiftRight;
        int rx, ry;
        Window child;
        XTranslateCoordinates(d, w, DefaultRootWindow(d), b[0], b[1], &rx, &ry, &child);
        XTestFakeMotionEvent(d, -1, rx, ry, 0);
        XSync(d, False);
        usleep(20000);
        const unsigned long before = row_hash(d, w);
        const double t0 = now_ms();
        XTestFakeButtonEvent(d, 1, True, 0);
        XTestFakeButtonEvent(d, 1, False, 0);
        XFlush(d);
        double t1 = -1;
        while (now_ms() - t0 < 1000) {
            if (row_hash(d, w) != before) {
                t1 = now_ms();
                break;
            }
        }
        if (t1 < 0) {
            fprintf(stderr, "clicklatency: click %d changed nothing within 1 s\n", i + 1);
            continue;
        }
        lat[got++] = t1 - t0;
        usleep(30000);
    }
    if (got == 0)
        return 1;
    qsort(lat, (size_t)got, sizeof *lat, cmp);
    const double median = got % 2 ? lat[got / 2] : (lat[got / 2 - 1] + lat[got / 2]) / 2;
    printf("clicks=%d median_ms=%.2f min_ms=%.2f max_ms=%.2f\n", got, median, lat[0], lat[got - 1]);
    free(lat);
    return got == clicks ? 0 : 1;
}
