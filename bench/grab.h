// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

/* Grabbing a window's pixels for startprobe, as cheaply for the X server as
 * it allows: it serves the program being timed at the same time. */
#ifndef BITOVKA_BENCH_GRAB_H
#define BITOVKA_BENCH_GRAB_H

#include <X11/Xlib.h>

/* The window's pixels at size A, through memory shared with the server where
 * it offers that, else copied through the connection; NULL if the window is
 * gone or unmapped. The image stays valid until the next call. */
XImage *grab_window(Display *dpy, Window w, const XWindowAttributes *a);
/* Frees what grabbing holds. */
void grab_done(Display *dpy);

#endif
