// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

/* The process side of startprobe: launching the program, its memory, and
 * stopping it with whatever it left running. */
#ifndef BITOVKA_BENCH_LAUNCH_H
#define BITOVKA_BENCH_LAUNCH_H

double now_ms(void);
void sleep_ms(double ms);

/* Makes this process the reaper of what the program forks, then starts
 * ARGV[0] with its output sent to stderr; returns 0 if it could not fork. */
int launch(char **argv);
/* Whether the launched program has exited (it is then reaped). */
int launched_exited(void);
/* The process whose memory counts: OWNER (a window's _NET_WM_PID) when that
 * is the launched program or one of its descendants, else the program. */
long measured_pid(long owner);
/* VmRSS in kB, or -1. */
long rss_kb(long pid);
/* SIGTERM, SIGKILL 2 s later, to the program and what it left behind. */
void stop_launched(int verbose);

#endif
