// Time per click and per typed key on the real window, in-process on Qt's
// offscreen platform, each event followed by the repaint it causes.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QWindow>
#include <array>
#include <cstdlib>

#include "AppSetup.h"
#include "Panel.h"

namespace {

zorvane::ui::Panel* panel = nullptr;

// Delivers the posted update requests, so the window repaints what changed.
void repaint() {
    QCoreApplication::processEvents();
}

QAbstractButton* button(const char* name) {
    return panel->findChild<QAbstractButton*>(QString::fromUtf8(name));
}

void clickAndRepaint(QAbstractButton* target) {
    QTest::mouseClick(target, Qt::LeftButton);
    repaint();
}

// A chain calculation followed by a rebound round, clicked, over and over.
void BM_Click(benchmark::State& state) {
    const std::array names = {"按键1", "按键2", "运算加", "按键3", "等于",  "等于",  "清除",
                              "反弹",  "按键2", "按键0",  "等于",  "按键1", "按键0", "等于"};
    std::array<QAbstractButton*, names.size()> buttons{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        buttons[i] = button(names[i]);
    }
    std::size_t next = 0;
    for (auto _ : state) {
        clickAndRepaint(buttons[next]);
        next = (next + 1) % buttons.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Click)->Iterations(3000)->Unit(benchmark::kMicrosecond);

// The same calculation typed on the keyboard, Esc resetting between rounds.
void BM_TypedKey(benchmark::State& state) {
    const QString keys = QStringLiteral(
        "12+3==\x1b"
        "4.5*2=\x1b");
    // Keys go to the window, where the platform delivers them.
    QWindow* window = panel->windowHandle();
    int next = 0;
    for (auto _ : state) {
        const QChar ch = keys.at(next);
        if (ch == QChar(0x1b)) {
            QTest::keyClick(window, Qt::Key_Escape);
        } else {
            QTest::keyClick(window, ch.toLatin1());
        }
        repaint();
        next = (next + 1) % keys.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TypedKey)->Iterations(3000)->Unit(benchmark::kMicrosecond);

// A key typed at the end of a very long number: "." and 32000 zeros, the
// longest run the calculator takes being 32767.
void BM_KeyAfterLongRun(benchmark::State& state) {
    QWindow* window = panel->windowHandle();
    QTest::keyClick(window, Qt::Key_Escape);
    QTest::keyClick(window, '.');
    for (int i = 0; i < 32000; ++i) {
        QTest::keyClick(window, '0');
    }
    for (auto _ : state) {
        QTest::keyClick(window, '0');
        repaint();
    }
    QTest::keyClick(window, Qt::Key_Escape);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KeyAfterLongRun)->Iterations(500)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    zorvane::ui::installFontSubstitutions();
    QApplication app(argc, argv);
    zorvane::ui::pinStyle();
    zorvane::ui::Panel window;
    panel = &window;
    window.show();
    repaint();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
