// The yardstick: the least a Qt Widgets program shows, a main window with one label.
#include "bench/startup/probe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    kolvex_bench::Probe probe;
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Hello"), &window));
    window.show();
    probe.reportWhenIdle(window);
    return QApplication::exec();
}
