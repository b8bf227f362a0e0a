#pragma once

#include "form_description.h"
#include "main_window.h"
#include "widgets.h"
#include "window_driver.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Lets failure messages show Qt strings as text.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace kelvaro::windowtest {

inline QString name(const ControlDescription &control)
{
    return QString::fromStdString(controlName(control));
}

// A fresh window, shown and active, in every test.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindow>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template<typename Widget = QWidget> Widget *control(const QString &objectName) const
    {
        return driver::control<Widget>(*window, objectName);
    }

    void pick(int list, const QString &element) const { driver::pick(*window, list, element); }
    void press(int command) const { driver::press(*window, command); }

    QRadioButton *alloyButton(int index) const
    {
        return control<QRadioButton>(QStringLiteral("Option1_%1").arg(index));
    }

    QString report() const
    {
        return shownText(*control<QPlainTextEdit>(QStringLiteral("Text1_0")));
    }

    QString focusName() const
    {
        const QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QStringLiteral("(nothing)");
    }

    std::unique_ptr<MainWindow> window;
};

} // namespace kelvaro::windowtest
