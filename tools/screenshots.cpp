#include "main_window.h"
#include "window_driver.h"

#include <QApplication>
#include <QDir>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <cstdio>

namespace {

bool shown(kelvaro::MainWindow &window)
{
    window.placeOnScreen();
    window.show();
    // Key presses need the focus, which no window manager hands out on a bare virtual display.
    window.activateWindow();
    if (QTest::qWaitForWindowExposed(&window) && QTest::qWaitForWindowActive(&window))
        return true;
    std::fputs("screenshots: the window never appeared\n", stderr);
    return false;
}

// Picks copper and zinc with the keyboard alone, leaving the focus in the second list.
void pickByKeyboard()
{
    const auto key = [](Qt::Key pressed) { QTest::keyClick(QApplication::focusWidget(), pressed); };
    while (QApplication::focusWidget()->objectName() != QStringLiteral("List1_1"))
        key(Qt::Key_Tab);
    key(Qt::Key_Home);
    for (int row = 0; row < 7; ++row) // мед
        key(Qt::Key_Down);
    key(Qt::Key_Tab);
    key(Qt::Key_End); // цинк
}

// A dark desktop: Debian's Adwaita-Dark style where it is installed, else a dark palette.
void darken()
{
    if (QStyle *dark = QStyleFactory::create(QStringLiteral("Adwaita-Dark"))) {
        QApplication::setStyle(dark);
        QApplication::setPalette(dark->standardPalette());
        return;
    }
    QPalette palette(QColor(53, 53, 53), QColor(30, 30, 30));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, QColor(240, 240, 240));
    QApplication::setPalette(palette);
}

} // namespace

// Saves the window as it opens, after a check of brass, with the keyboard in a list, and under
// a dark theme, for the README.
int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QDir folder(arguments.size() > 1 ? arguments.at(1) : QStringLiteral("docs"));
    const auto save = [&folder](QWidget &window, const char *name) {
        return window.grab().save(folder.filePath(QString::fromUtf8(name)));
    };

    bool saved = true;
    {
        kelvaro::MainWindow window;
        if (!shown(window))
            return 1;
        saved = save(window, "kelvaro-start.png") && saved;
        kelvaro::driver::pick(window, 1, QStringLiteral("мед"));
        kelvaro::driver::pick(window, 2, QStringLiteral("цинк"));
        kelvaro::driver::press(window, 0);
        saved = save(window, "kelvaro-brass.png") && saved;
        pickByKeyboard();
        saved = save(window, "kelvaro-list-focus.png") && saved;
    }
    darken();
    kelvaro::MainWindow dark;
    if (!shown(dark))
        return 1;
    QTest::mouseClick(kelvaro::driver::control(dark, QStringLiteral("Option1_1")), Qt::LeftButton);
    pickByKeyboard();
    saved = save(dark, "kelvaro-dark.png") && saved;
    if (!saved)
        std::fputs("screenshots: could not write the pictures\n", stderr);
    return saved ? 0 : 1;
}
