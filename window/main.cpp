#include "main_window.h"
#include "termination.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Qt aborts with a long message when it finds no display; say it in one line instead.
bool displayAvailable(int argc, char **argv)
{
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char *value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (!displayAvailable(argc, argv)) {
        std::fputs("kelvaro: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); start "
                   "it from a desktop session, or under a virtual one with xvfb-run\n",
                   stderr);
        return EXIT_FAILURE;
    }
    kelvaro::catchTerminationSignals();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvaro"));
    // Ties the window to its menu entry and icon on Wayland and X11 desktops.
    QGuiApplication::setDesktopFileName(QStringLiteral("bg.kelvaro.Kelvaro"));
    kelvaro::MainWindow window;
    kelvaro::closeOnTermination(window);
    window.centreOnScreen();
    window.show();
    return QApplication::exec();
}
