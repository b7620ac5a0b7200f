// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window.h"

#include "launch.h"

#include <X11/Xatom.h>
#include <poll.h>

static Display *dpy;
static const regex_t *title_re;
static Atom net_wm_name, utf8_string;

/* Top-level windows created since the launch: the program's main window is
 * one of them (a window manager's frames are too, but carry no title). */
enum { MAX_FRESH = 256 };
static Window fresh[MAX_FRESH];
static int nfresh;

/* The title in UTF-8 (_NET_WM_NAME), else the legacy WM_NAME. */
static int title_matches(Window w)
{
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char *data = NULL;
    char *name = NULL;
    int match = 0;
    if (XGetWindowProperty(dpy, w, net_wm_name, 0, 1024, False, utf8_string, &type, &format, &n,
                           &after, &data) == Success && data && n > 0)
        match = regexec(title_re, (const char *)data, 0, NULL, 0) == 0;
    else if (XFetchName(dpy, w, &name) && name)
        match = regexec(title_re, name, 0, NULL, 0) == 0;
    if (data)
        XFree(data);
    if (name)
        XFree(name);
    return match;
}

static int shows_title(Window w)
{
    XWindowAttributes a;
    return XGetWindowAttributes(dpy, w, &a) && a.map_state == IsViewable && title_matches(w);
}

void watch_new_windows(Display *display)
{
    dpy = display;
    net_wm_name = XInternAtom(dpy, "_NET_WM_NAME", False);
    utf8_string = XInternAtom(dpy, "UTF8_STRING", False);
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);
}

/* Driven by events, so that the probe's own requests keep out of the way of
 * the program starting: a new top-level window is watched from its creation
 * on, and the windows are looked at again only when one is mapped (it, or
 * the frame it was put in), reparented or renamed. Watching first and looking
 * then misses nothing; looking every 20 ms besides is only a safety net. */
Window wait_for_window(const regex_t *title, double deadline)
{
    const Window root = DefaultRootWindow(dpy);
    double looked = now_ms();
    title_re = title;
    while (now_ms() < deadline && !launched_exited()) {
        struct pollfd pfd = {ConnectionNumber(dpy), POLLIN, 0};
        XEvent ev;
        int look = 0;
        if (!XPending(dpy))
            poll(&pfd, 1, 5);
        while (XPending(dpy)) {
            XNextEvent(dpy, &ev);
            if (ev.type == CreateNotify && ev.xcreatewindow.parent == root &&
                !ev.xcreatewindow.override_redirect && nfresh < MAX_FRESH) {
                fresh[nfresh++] = ev.xcreatewindow.window;
                XSelectInput(dpy, ev.xcreatewindow.window, StructureNotifyMask | PropertyChangeMask);
                look = 1;
            } else if (ev.type == DestroyNotify) {
                for (int i = 0; i < nfresh; ++i)
                    if (fresh[i] == ev.xdestroywindow.window)
                        fresh[i--] = fresh[--nfresh];
            } else if (ev.type == PropertyNotify) {
                look |= ev.xproperty.atom == net_wm_name || ev.xproperty.atom == XA_WM_NAME;
            } else {
                look |= ev.type == MapNotify || ev.type == ReparentNotify;
            }
        }
        if (look || now_ms() - looked >= 20) {
            looked = now_ms();
            for (int i = 0; i < nfresh; ++i)
                if (shows_title(fresh[i]))
                    return fresh[i];
        }
    }
    return 0;
}

long window_pid(Window w)
{
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char *data = NULL;
    long pid = -1;
    const Atom net_wm_pid = XInternAtom(dpy, "_NET_WM_PID", False);
    if (XGetWindowProperty(dpy, w, net_wm_pid, 0, 1, False, XA_CARDINAL, &type, &format, &n, &after,
                           &data) == Success && data && n == 1 && format == 32)
        pid = (long)*(const unsigned long *)(const void *)data;
    if (data)
        XFree(data);
    return pid;
}
