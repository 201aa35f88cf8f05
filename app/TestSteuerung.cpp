#include "TestSteuerung.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace brenvik {

namespace {

QWidget* aktivesFenster() {
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    if (QWidget* w = QApplication::activeWindow()) return w;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isWindow()) return w;
    return nullptr;
}

void escDruecken() {
    QWidget* w = aktivesFenster();
    if (!w) return;
    std::printf("Fenster: %s\n", w->windowTitle().toUtf8().constData());
    std::fflush(stdout);
    for (QAction* a : w->actions()) {
        if (a->shortcut() == QKeySequence(Qt::Key_Escape) && a->isEnabled()) {
            a->trigger();
            return;
        }
    }
    w->close();
}

} // namespace

void TestSteuerungStarten() {
    const char* ms = std::getenv("BRENVIK_TEST_ESC_MS");
    if (!ms || !*ms) return;
    auto* takt = new QTimer(qApp);
    takt->setInterval(std::atoi(ms));
    QObject::connect(takt, &QTimer::timeout, qApp, [] { escDruecken(); });
    takt->start();
}

} // namespace brenvik
