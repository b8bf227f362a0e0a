#include "main_window.h"

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <array>

// One whole check on the real window: the press of «Провери», the commands, the window
// showing the model again, and the report box repainted. The picks before it are not timed.
namespace {

void click(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void checkOfAnAlloy(benchmark::State &state)
{
    kelvaro::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window never appeared");
        return;
    }
    auto *first = window.findChild<QListWidget *>(QStringLiteral("List1_1"));
    auto *second = window.findChild<QListWidget *>(QStringLiteral("List1_2"));
    auto *check = window.findChild<QPushButton *>(QStringLiteral("Command1_0"));
    auto *report = window.findChild<QPlainTextEdit *>(QStringLiteral("Text1_0"));
    second->scrollToBottom();
    // Brass and bronze in turn, so that every check writes and repaints a new report.
    const std::array<int, 2> secondElements {11, 6}; // цинк, калай
    std::size_t turn = 0;
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        click(first, 7); // мед
        click(second, secondElements.at(turn++ % secondElements.size()));
        QApplication::processEvents();
        state.ResumeTiming();
        QTest::mouseClick(check, Qt::LeftButton);
        report->viewport()->repaint();
    }
}

} // namespace

BENCHMARK(checkOfAnAlloy)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
