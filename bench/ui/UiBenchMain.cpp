#include "UiBench.h"

#include <QApplication>
#include <QStandardPaths>

#include <map>
#include <string>

namespace nerka::bench {

namespace {
std::map<std::string, UiFigureFn>& figures() {
    static std::map<std::string, UiFigureFn> all;
    return all;
}
} // namespace

int registerUiFigure(const char* name, UiFigureFn fn) {
    figures()[name] = fn;
    return 0;
}

} // namespace nerka::bench

// bench_ui [FIGURE…]: runs the named figures (the NERKA_UI_BENCH names), or all.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("nerka-bench"));
    QApplication::setApplicationName(QStringLiteral("nerka-bench"));
    int status = 0;
    for (const auto& [name, fn] : nerka::bench::figures()) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i)
            wanted = wanted || name == argv[i];
        if (wanted)
            fn();
    }
    return status;
}
