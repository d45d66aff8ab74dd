#include "ui/qt/form1.h"
#include "ui/qt/start.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (ui::lacksDisplay()) {
        std::fprintf(stderr, "%s\n", ui::noDisplayMessage(argc > 0 ? argv[0] : "kolvex-calculator").c_str());
        return 1;
    }
    QApplication app(argc, argv);
    ui::Form1 window;
    ui::start(window);
    return QApplication::exec();
}
