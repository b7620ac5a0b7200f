// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Start-up timing for development: built with -DBITOVKA_STARTUP_PROBES=ON,
// each probe prints the milliseconds since the first probe to stderr;
// otherwise probes compile to nothing.
#ifdef BITOVKA_STARTUP_PROBES
void startupProbe(const char *what);
#else
inline void startupProbe(const char * /*what*/) {}
#endif
