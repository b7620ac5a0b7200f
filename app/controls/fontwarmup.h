#pragma once

// Loads the font configuration (fontconfig's files and caches, several
// milliseconds) on a second thread while the application object connects to
// the display. start() is called before the application object is built,
// wait() before the first font is looked up.
namespace FontWarmup {

void start();
void wait();

} // namespace FontWarmup
