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

/* Windows that were there before the launch; the program's window is new. */
enum { MAX_KNOWN = 1024, MAX_DEPTH = 3 };
static Window known[MAX_KNOWN];
static int nknown;

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

static int is_known(Window w)
{
    int i = 0;
    while (i < nknown && known[i] != w)
        ++i;
    return i < nknown;
}

/* A new, viewable window with the title asked for: a client window lies
 * inside its window manager's frame, so look a few levels down. */
static Window find_new(Window w, int depth)
{
    Window root, parent, *kids = NULL, found = 0;
    unsigned n = 0;
    if (!XQueryTree(dpy, w, &root, &parent, &kids, &n))
        return 0;
    for (unsigned i = 0; i < n && !found; ++i) {
        XWindowAttributes a;
        if (is_known(kids[i]) || !XGetWindowAttributes(dpy, kids[i], &a) ||
            a.map_state != IsViewable || a.override_redirect)
            continue;
        if (title_matches(kids[i]))
            found = kids[i];
        else if (depth < MAX_DEPTH)
            found = find_new(kids[i], depth + 1);
    }
    if (kids)
        XFree(kids);
    return found;
}

static void remember_tree(Window w, int depth)
{
    Window root, parent, *kids = NULL;
    unsigned n = 0;
    if (!XQueryTree(dpy, w, &root, &parent, &kids, &n))
        return;
    for (unsigned i = 0; i < n; ++i) {
        if (nknown < MAX_KNOWN)
            known[nknown++] = kids[i];
        if (depth < MAX_DEPTH)
            remember_tree(kids[i], depth + 1);
    }
    if (kids)
        XFree(kids);
}

void remember_windows(Display *display)
{
    dpy = display;
    net_wm_name = XInternAtom(dpy, "_NET_WM_NAME", False);
    utf8_string = XInternAtom(dpy, "UTF8_STRING", False);
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    remember_tree(DefaultRootWindow(dpy), 1);
}

/* Looks again whenever a window below the root changes. Each new top-level
 * window (the program's, or the frame its window manager puts it in) is
 * watched too: the client is mapped inside the frame, and its title may come
 * late. Watching first and then looking misses nothing; waking every 10 ms
 * besides is only a safety net. */
Window wait_for_window(const regex_t *title, double deadline)
{
    const Window root = DefaultRootWindow(dpy);
    title_re = title;
    while (now_ms() < deadline && !launched_exited()) {
        struct pollfd pfd = {ConnectionNumber(dpy), POLLIN, 0};
        XEvent ev;
        if (!XPending(dpy))
            poll(&pfd, 1, 10);
        while (XPending(dpy)) {
            XNextEvent(dpy, &ev);
            if (ev.type == CreateNotify && ev.xcreatewindow.parent == root)
                XSelectInput(dpy, ev.xcreatewindow.window,
                             StructureNotifyMask | SubstructureNotifyMask | PropertyChangeMask);
        }
        const Window w = find_new(root, 1);
        if (w)
            return w;
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
