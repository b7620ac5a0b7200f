// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#define _GNU_SOURCE
#include "launch.h"

#include <dirent.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static pid_t child = -1;
static int child_gone;

double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (double)ts.tv_sec * 1e3 + (double)ts.tv_nsec / 1e6;
}

void sleep_ms(double ms)
{
    if (ms <= 0)
        return;
    const long ns = (long)(ms * 1e6);
    const struct timespec ts = {ns / 1000000000L, ns % 1000000000L};
    nanosleep(&ts, NULL);
}

int launch(char **argv)
{
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    fflush(NULL);
    child = fork();
    if (child < 0) {
        perror("startprobe: fork");
        return 0;
    }
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL); /* never outlive an interrupted probe */
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[0], argv);
        fprintf(stderr, "startprobe: cannot run %s\n", argv[0]);
        _exit(127);
    }
    return 1;
}

/* Reaped once, so the program is never signalled after its process id could
 * have gone to another. */
int launched_exited(void)
{
    if (!child_gone && waitpid(child, NULL, WNOHANG) != 0)
        child_gone = 1;
    return child_gone;
}

static long parent_of(long pid)
{
    char path[64], buf[512];
    snprintf(path, sizeof path, "/proc/%ld/stat", pid);
    FILE *f = fopen(path, "r");
    if (!f)
        return -1;
    const size_t len = fread(buf, 1, sizeof buf - 1, f);
    fclose(f);
    buf[len] = '\0';
    const char *end = strrchr(buf, ')'); /* the command name may hold spaces */
    long ppid = -1;
    if (!end || sscanf(end + 1, " %*c %ld", &ppid) != 1)
        return -1;
    return ppid;
}

long measured_pid(long owner)
{
    for (long p = owner; p > 1; p = parent_of(p))
        if (p == (long)child)
            return owner;
    return child;
}

long rss_kb(long pid)
{
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%ld/status", pid);
    FILE *f = fopen(path, "r");
    long kb = -1;
    if (!f)
        return -1;
    while (fgets(line, sizeof line, f))
        if (sscanf(line, "VmRSS: %ld", &kb) == 1)
            break;
    fclose(f);
    return kb;
}

static void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i, sleep_ms(10))
        if (waitpid(pid, NULL, WNOHANG) != 0)
            return;
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
}

void stop_launched(int verbose)
{
    if (child > 0 && !launched_exited())
        stop(child);
    child_gone = 1;
    /* As the subreaper we now parent whatever the program forked and left. */
    DIR *d = opendir("/proc");
    const struct dirent *e;
    while (d && (e = readdir(d)) != NULL) {
        char *end;
        const long pid = strtol(e->d_name, &end, 10);
        if (*end == '\0' && pid > 1 && parent_of(pid) == (long)getpid()) {
            if (verbose)
                fprintf(stderr, "startprobe: stopping leftover process %ld\n", pid);
            stop((pid_t)pid);
        }
    }
    if (d)
        closedir(d);
}
