#include <QApplication>
#include <QWidget>

// A yardstick for Kelvaro's start-up: an empty Qt Widgets window of the same size and title, what
// any Qt program pays before it shows anything.
int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Kelvaro"));
    window.setFixedSize(511, 424);
    window.show();
    return QApplication::exec();
}
