// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "grab.h"

#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

static XShmSegmentInfo segment;
static XImage *shared;   /* sized as the last grab, in segment */
static XImage *copied;   /* the last grab without shared memory */
static int no_sharing, attach_failed;

static int note_error(Display *d, XErrorEvent *e)
{
    (void)d, (void)e;
    attach_failed = 1;
    return 0;
}

static void drop_shared(Display *dpy)
{
    if (!shared)
        return;
    XShmDetach(dpy, &segment);
    XSync(dpy, False);
    shmdt(segment.shmaddr);
    shared->data = NULL;
    XDestroyImage(shared);
    shared = NULL;
}

/* A shared image of size A, or NULL once the server has refused sharing
 * (a display on another machine, for one). */
static XImage *shared_image(Display *dpy, const XWindowAttributes *a)
{
    if (shared && shared->width == a->width && shared->height == a->height)
        return shared;
    drop_shared(dpy);
    if (no_sharing || !XShmQueryExtension(dpy))
        return no_sharing = 1, NULL;
    XImage *im = XShmCreateImage(dpy, a->visual, (unsigned)a->depth, ZPixmap, NULL, &segment,
                                 (unsigned)a->width, (unsigned)a->height);
    if (!im)
        return no_sharing = 1, NULL;
    segment.shmid = shmget(IPC_PRIVATE, (size_t)im->bytes_per_line * (size_t)im->height,
                           IPC_CREAT | 0600);
    segment.shmaddr = segment.shmid < 0 ? (char *)-1 : shmat(segment.shmid, NULL, 0);
    segment.readOnly = False;
    attach_failed = 0;
    if (segment.shmaddr != (char *)-1) {
        XErrorHandler before = XSetErrorHandler(note_error);
        XShmAttach(dpy, &segment);
        XSync(dpy, False);
        XSetErrorHandler(before);
    }
    if (segment.shmid >= 0)
        shmctl(segment.shmid, IPC_RMID, NULL); /* goes once both sides detach */
    if (segment.shmaddr == (char *)-1 || attach_failed) {
        if (segment.shmaddr != (char *)-1)
            shmdt(segment.shmaddr);
        XDestroyImage(im);
        return no_sharing = 1, NULL;
    }
    im->data = segment.shmaddr;
    return shared = im;
}

XImage *grab_window(Display *dpy, Window w, const XWindowAttributes *a)
{
    if (copied)
        XDestroyImage(copied);
    copied = NULL;
    if (a->width <= 0 || a->height <= 0)
        return NULL;
    XImage *im = shared_image(dpy, a);
    if (im)
        return XShmGetImage(dpy, w, im, 0, 0, AllPlanes) ? im : NULL;
    return copied = XGetImage(dpy, w, 0, 0, (unsigned)a->width, (unsigned)a->height, AllPlanes,
                              ZPixmap);
}

void grab_done(Display *dpy)
{
    drop_shared(dpy);
    if (copied)
        XDestroyImage(copied);
    copied = NULL;
}
