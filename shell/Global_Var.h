#pragma once
// The program-wide settings object: finds the installation through the main
// settings file two folders above the program, derives every folder the
// program works in, opens the settings files on demand, configures the
// logger and keeps the program file's version information.

#include "IniDatei.h"
#include "KLogger.h"

#include <QDateTime>
#include <QString>
#include <memory>
#include <stdexcept>

namespace brenvik {

struct TFileInfo {
    quint16 HauptVersion = 0;
    quint16 NebenVersion = 0;
    quint16 Release = 0;
    quint32 CompileZahl = 0;
    quint16 Jahr = 0;
    QDateTime FileDatum;
    QString FirmenName, Beschreibung, DateiVersion, InternerName, ProduktName, ProduktVersion;
    bool TestVersion = false;
    bool PrivatVersion = false;
    QString NameDerDatei;
};

// A failure that ends the start; the text is the German message for the user.
class TGlobalDataFehler : public std::runtime_error {
public:
    TGlobalDataFehler(int exitCode, const QString& text);
    int ExitCode() const { return FExitCode; }
    QString Text() const { return QString::fromUtf8(what()); }

private:
    int FExitCode;
};

class TGlobalData {
public:
    // Fails with "Access class TGlobalData through Instance only".
    TGlobalData();
    ~TGlobalData();
    TGlobalData(const TGlobalData&) = delete;
    TGlobalData& operator=(const TGlobalData&) = delete;

    // Creates the object on first use; throws TGlobalDataFehler when the
    // installation is unusable (no object remains then).
    static TGlobalData& Instance();
    static bool IsInstance();
    static void ReleaseInstance();

    const QString& ProgrammPfad() const { return FProgrammPfad; }
    const QString& ProgName() const { return FProgName; }
    const QString& MainIniPfad() const { return FMainIniPfad; }
    const QString& ProgrammRoot() const { return FProgrammRoot; }
    const QString& DatenRoot() const { return FDatenRoot; }
    const QString& StammdatenPfad() const { return FStammdatenPfad; }
    const QString& Arbeitsplatz() const { return FArbeitsplatz; }
    // Relative to DatenRoot, with a leading "/": "/Stamm/PCs/<name>".
    const QString& ArbeitsplatzPfad() const { return FArbeitsplatzPfad; }
    const QString& WinBenutzer() const { return FWinBenutzer; }
    const QString& UpdatePfad() const { return FUpdatePfad; }
    const QString& GlobalDatPfad() const { return FGlobalDatPfad; }
    const QString& HilfePfad() const { return FHilfePfad; }
    // Full name of the log file, empty when logging is off or no root.
    const QString& LogDateiName() const { return FLogDateiName; }
    bool TS_Einsatz() const { return FTS_Einsatz; }
    bool Entwicklung() const { return FEntwicklung; }
    bool MorvanaVersion() const { return FMorvanaVersion; }
    bool MehrfachStart() const { return FMehrfachStart; }
    bool ShowStep() const { return FShowStep; }
    bool GrosseWindowsSchriften() const { return FGrosseWindowsSchriften; }
    bool WindowsSkalierung() const { return FWindowsSkalierung; }
    quint32 EditFeldFarbe() const { return 0x99FFFF; }
    quint32 EditSchriftFarbe() const { return 0; }
    const TFileInfo& Dat_Info() const { return FDat_Info; }
    int ExitCode() const { return FExitCode; }
    const QString& UserName() const { return FUserName; }
    const QString& UserGruppe() const { return FUserGruppe; }
    bool NachF12_Aktiv() const { return false; }

    IniDatei& MainIni();
    IniDatei& PCIni();
    IniDatei& ProgIni();
    IniDatei& GlobalIni();
    IniDatei& InUseIni();
    IniDatei& UserIni();
    IniDatei& DruckerIni();
    IniDatei& UpdateInf();

    void SetHelpFile(const QString& xHelpDatName);
    QString VersionsString() const;

private:
    void CreateInstance();
    void ReadParam();
    void DatInfoFuellen();
    IniDatei& ini(std::unique_ptr<IniDatei>& objekt, const char* name, const QString& ordner,
                  const QString& datei);
    [[noreturn]] void startFehler(int code, const QString& text, const QString& showStepText = {});
    QString wurzel(const QString& wert) const;

    QString FProgrammPfad, FProgName, FMainIniPfad, FProgrammRoot, FDatenRoot, FStammdatenPfad;
    QString FArbeitsplatz, FArbeitsplatzPfad, FWinBenutzer, FUpdatePfad, FGlobalDatPfad;
    QString FHilfePfad, FLogDateiName, FUserName, FUserGruppe;
    bool FTS_Einsatz = false, FEntwicklung = false, FMorvanaVersion = false;
    bool FMehrfachStart = false, FShowStep = false;
    bool FGrosseWindowsSchriften = false, FWindowsSkalierung = false;
    TFileInfo FDat_Info;
    int FExitCode = 0;
    std::unique_ptr<IniDatei> FMainIni, FPCIni, FProgIni, FGlobalIni, FInUseIni, FUserIni,
        FDruckerIni, FUpdateInf;
};

// The application's help file (empty when none was found).
QString AnwendungsHilfeDatei();

// Working-place name: keeps A-Z (any case), digits and , - . / : ; and
// spells out umlauts; everything else is dropped.
QString ArbeitsplatzName(const QString& name);
// "calc, Foo" and the like; unknown names give group 0.
TLogGroupSet LogGruppenAusText(const QString& text, bool entwicklung, bool morvana);
// "never" 1 ... "always" 8 in any case, anything else 0.
TLogWriteLevel LogSchreibmomentAusText(const QString& text);

} // namespace brenvik
