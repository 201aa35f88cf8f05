#include "LStCalc.h"
#include "Programmstart.h"
#include "Start.h"
#include "TestSteuerung.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    // Figures and dates are German whatever the system says.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brenvik"));
    QApplication::setWindowIcon(brenvik::ProgrammIcon());

    if (int fehler = brenvik::ProgrammInitialisieren(); fehler != 0) return fehler;

    brenvik::TStartFensteroeffner oeffner;
    oeffner.LohnsteuerBerechnung = brenvik::ZeigeLohnsteuerBerechnung;
    int ergebnis;
    {
        brenvik::TStartForm start(oeffner);
        start.show();
        brenvik::TestSteuerungStarten();
        ergebnis = app.exec();
    }
    brenvik::ProgrammFinalisieren();
    return ergebnis;
}
