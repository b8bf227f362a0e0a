#include <QApplication>
#include <QLabel>
#include <QWidget>

// The yardsticks for Kelvaro's start-up: an empty Qt Widgets window of the same size and title,
// and (built with KELVARO_BARE_WITH_TEXT) the same window showing one line of Cyrillic text, which
// makes Qt load its font database as every window with text must.
int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Kelvaro"));
    window.setFixedSize(511, 424);
#ifdef KELVARO_BARE_WITH_TEXT
    QLabel label(QStringLiteral("Участващ химически елемент"), &window);
    label.setFont(QFont(QStringLiteral("Liberation Serif"), 12));
    label.move(200, 32);
#endif
    window.show();
    return QApplication::exec();
}
