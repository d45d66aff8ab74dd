// The calculator's start-up, exactly as its main does it, measured by the probe.
#include "bench/startup/probe.h"
#include "ui/qt/form1.h"
#include "ui/qt/start.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    kolvex_bench::Probe probe;
    QApplication app(argc, argv);
    ui::Form1 window;
    ui::start(window);
    probe.reportWhenIdle(window);
    return QApplication::exec();
}
