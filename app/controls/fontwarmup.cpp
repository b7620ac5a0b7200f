#include "controls/fontwarmup.h"

#include <fontconfig/fontconfig.h>

#include <system_error>
#include <thread>

namespace FontWarmup {

namespace {
std::thread warmup;
}

void start()
{
    if (warmup.joinable())
        return;
    try {
        warmup = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No second thread: Qt loads the configuration itself, a little later.
    }
}

void wait()
{
    if (warmup.joinable())
        warmup.join();
}

} // namespace FontWarmup
