#include "main_window.h"
#include "termination.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

bool isSet(const char *variable)
{
    const char *value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// The platform Qt will use: the -platform option, else QT_QPA_PLATFORM, else the desktop's own.
std::string_view platformName(int argc, char **argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return argv[i + 1];
    }
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    return platform != nullptr ? platform : "";
}

// Qt aborts with a long message when it finds no display; say it in one line instead.
bool displayAvailable(int argc, char **argv)
{
    const std::string_view platform = platformName(argc, argv);
    if (platform.starts_with("xcb"))
        return isSet("DISPLAY");
    if (platform.starts_with("wayland"))
        return isSet("WAYLAND_DISPLAY");
    return !platform.empty() || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
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
    QGuiApplication::setDesktopFileName(QStringLiteral(KELVARO_APP_ID));
    kelvaro::MainWindow window;
    kelvaro::closeOnTermination(window);
    window.placeOnScreen();
    window.show();
    return QApplication::exec();
}
