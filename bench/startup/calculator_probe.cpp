// The calculator's start-up, the program's own from its command line on, measured by the probe.
#include "bench/startup/probe.h"
#include "ui/qt/form1.h"
#include "ui/qt/program.h"

int main(int argc, char* argv[]) {
    kolvex_bench::Probe probe;
    return ui::qt::runProgram(argc, argv, [&probe](ui::qt::Form1& window) { probe.reportWhenIdle(window); });
}
