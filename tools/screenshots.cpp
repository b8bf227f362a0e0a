#include "main_window.h"
#include "window_driver.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>

// Saves the window as it opens and after a check of brass, for the README.
int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QDir folder(arguments.size() > 1 ? arguments.at(1) : QStringLiteral("docs"));

    kelvaro::MainWindow window;
    window.centreOnScreen();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fputs("screenshots: the window never appeared\n", stderr);
        return 1;
    }
    bool saved = window.grab().save(folder.filePath(QStringLiteral("kelvaro-start.png")));
    kelvaro::driver::pick(window, 1, QStringLiteral("мед"));
    kelvaro::driver::pick(window, 2, QStringLiteral("цинк"));
    kelvaro::driver::press(window, 0);
    saved = window.grab().save(folder.filePath(QStringLiteral("kelvaro-brass.png"))) && saved;
    if (!saved)
        std::fputs("screenshots: could not write the pictures\n", stderr);
    return saved ? 0 : 1;
}
