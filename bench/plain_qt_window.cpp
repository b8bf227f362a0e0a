#include "catalogue.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>

// The floor for Kelvaro's start-up on Linux: its window written plainly, with no window model,
// no design table and no logic: the same widgets, texts, font, colours and style sheets, placed
// in pixels by hand.
namespace {

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void fill(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QPushButton *button(const QString &caption, const QString &colour, const QRect &place,
                    QWidget *window)
{
    auto *pushButton = new QPushButton(caption, window);
    pushButton->setGeometry(place);
    pushButton->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: #000000; border: 1px solid %2;"
                       " border-radius: 2px; } QPushButton:focus { border: 2px solid #000000; }"
                       " QPushButton:pressed { background-color: %2; }")
            .arg(colour, QColor(colour).darker(150).name()));
    return pushButton;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Kelvaro"));
    window.setWindowIcon(QIcon(QStringLiteral(":/icons/kelvaro-32.png")));
    window.setFont(QFont(QStringLiteral("Liberation Serif"), 12));
    window.setFixedSize(511, 424);
    fill(&window, QColor(192, 192, 255));

    auto *title = new QLabel(QStringLiteral("Kelvaro"), &window);
    title->setGeometry(64, 0, 385, 25);
    title->setAlignment(Qt::AlignCenter);
    fill(title, QColor(255, 192, 128));
    auto *frame = new QGroupBox(QStringLiteral("Kelvaro"), &window);
    frame->setGeometry(24, 32, 161, 225);
    for (std::size_t i = 0; i < kelvaro::catalogue::alloyCount; ++i) {
        auto *alloy = new QRadioButton(text(kelvaro::catalogue::alloyNames.at(i)), frame);
        alloy->setGeometry(16, 20 + 20 * static_cast<int>(i), 129, 20);
        fill(alloy, QColor(255, 255, 192));
    }
    auto *heading = new QLabel(QStringLiteral("Участващ химически елемент"), &window);
    heading->setGeometry(200, 32, 305, 25);
    heading->setAlignment(Qt::AlignCenter);
    fill(heading, QColor(255, 192, 128));
    for (const int left : {200, 304, 408}) {
        auto *list = new QListWidget(&window);
        list->setGeometry(left, 56, 97, 194);
        for (std::string_view element : kelvaro::catalogue::elementNames)
            list->addItem(text(element));
    }
    button(QStringLiteral("Провери"), QStringLiteral("#80ff80"), {40, 264, 97, 19}, &window);
    button(QStringLiteral("Чисти"), QStringLiteral("#ff0000"), {360, 264, 97, 19}, &window);
    auto *report = new QPlainTextEdit(text(kelvaro::catalogue::taskStatement), &window);
    report->setGeometry(8, 296, 489, 121);
    report->setReadOnly(true);
    window.show();
    return QApplication::exec();
}
