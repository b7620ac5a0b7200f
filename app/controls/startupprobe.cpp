// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/controls/startupprobe.h"

#ifdef BITOVKA_STARTUP_PROBES
#include <QElapsedTimer>

#include <cstdio>

void startupProbe(const char *what)
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    std::fprintf(stderr, "startup %7.2f ms  %s\n", static_cast<double>(clock.nsecsElapsed()) / 1e6, what);
}
#endif
