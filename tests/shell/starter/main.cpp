// Starts and ends the program's modules like the real program, without a
// main window; the exit code is that of the start.
#include "Global_Var.h"
#include "KLogger.h"
#include "Programmstart.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int rc = brenvik::ProgrammInitialisieren();
    if (rc != 0) return rc;
    brenvik::LogError("shell_starttest: erster Start");
    std::printf("%s\n", brenvik::TGlobalData::Instance().LogDateiName().toLocal8Bit().constData());
    brenvik::ProgrammFinalisieren();
    return 0;
}
