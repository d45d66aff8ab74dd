#include "ui/qt/program.h"

int main(int argc, char* argv[]) {
    return ui::qt::runProgram(argc, argv);
}
