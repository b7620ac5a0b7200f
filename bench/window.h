// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

/* The window side of startprobe: finding the launched program's main
 * window among the ones created after the launch. */
#ifndef BITOVKA_BENCH_WINDOW_H
#define BITOVKA_BENCH_WINDOW_H

#include <X11/Xlib.h>
#include <regex.h>

/* Starts noting the top-level windows created from now on, before the
 * launch: only those count. */
void watch_new_windows(Display *dpy);
/* A new, viewable top-level window whose title matches TITLE; 0 once
 * DEADLINE (now_ms) passes or the launched program has exited. */
Window wait_for_window(const regex_t *title, double deadline);
/* The window's _NET_WM_PID, or -1. */
long window_pid(Window w);

#endif
