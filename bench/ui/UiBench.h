#pragma once

// Figures of the window. A figure file defines
//     NERKA_UI_BENCH(channelRefresh) { ... printFigure("ui.channel_refresh_ms", ms, "ms"); }
// and UiBenchMain runs every registered figure in a QApplication on the
// offscreen platform. Figures print "name: value unit" lines like every bench.

#include <chrono>
#include <cstdio>

namespace nerka::bench {

using UiFigureFn = void (*)();
int registerUiFigure(const char* name, UiFigureFn fn);

inline void printFigure(const char* name, double value, const char* unit) {
    std::printf("%s: %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

inline double elapsedMs(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
        .count();
}

} // namespace nerka::bench

#define NERKA_UI_BENCH(fn)                                                                         \
    static void fn();                                                                              \
    [[maybe_unused]] static const int fn##Registered = nerka::bench::registerUiFigure(#fn, fn);    \
    static void fn()
