#pragma once
// Scratch installations and a system layer with chosen answers.

#include "Global_Var.h"
#include "KLogger.h"
#include "Meldung.h"
#include "SystemSchicht.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace brenvik::test {

struct TestSystem : SystemSchicht {
    QString programm;
    bool remote = false;
    std::optional<QString> benutzer = QStringLiteral("tester");
    std::optional<QString> rechner = QStringLiteral("Rechner1");
    std::optional<VersionsRessource> version;
    bool registryFehler = false;
    int ppi = 96;

    QString programmDatei() const override { return programm; }
    std::optional<VersionsRessource> versionsRessource(const QString&) const override {
        return version;
    }
    bool remoteSitzung() const override { return remote; }
    std::optional<QString> benutzerName() const override { return benutzer; }
    std::optional<QString> computerName() const override { return rechner; }
    int pixelsProZoll() const override { return ppi; }
    quint64 laufKennung() const override { return 0xAB12; }
    RegistryErgebnis registrySchreiben(const QString& ordner, const QString& schluessel,
                                       const QList<QPair<QString, QString>>& werte) override {
        if (registryFehler) return RegistryErgebnis::Fehlgeschlagen;
        return SystemSchicht::registrySchreiben(ordner, schluessel, werte);
    }
};

inline void schreibeDatei(const QString& pfad, const QByteArray& inhalt) {
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write test file");
    f.write(inhalt);
}

inline QByteArray leseDatei(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

// <tmp>/A/B/Prog/x is the program; <tmp>/A holds the main settings file,
// <tmp>/A/Programm and <tmp>/A/Daten are the roots.
class Installation : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        basis = tmp.path() + QStringLiteral("/A");
        auto s = std::make_unique<TestSystem>();
        sys = s.get();
        sys->programm = basis + QStringLiteral("/B/Prog/x");
        schreibeDatei(sys->programm, "programm");
        QDir().mkpath(basis + QStringLiteral("/Programm"));
        QDir().mkpath(basis + QStringLiteral("/Daten"));
        SystemSetzen(std::move(s));
        MeldungsAusgabeSetzen([this](MeldungsArt art, const QString& text) {
            meldungen.push_back({art, text});
        });
    }
    void TearDown() override {
        TGlobalData::ReleaseInstance();
        TLogger::ReleaseInstance();
        MeldungsAusgabeSetzen({});
        SystemSetzen(nullptr);
        QDir::setCurrent(QDir::tempPath());
    }
    void hauptIni(const QByteArray& inhalt, const QString& name = QStringLiteral("Kelvanta.Ini")) {
        schreibeDatei(basis + QLatin1Char('/') + name, inhalt);
    }
    QByteArray standardIni(const QByteArray& mehr = {}) const {
        return "[Ordner]\nProgrammRoot=" + (basis + "/Programm").toUtf8() +
               "\nDatenRoot=" + (basis + "/Daten").toUtf8() + "\n[Standards]\n" + mehr;
    }
    // The start as the program does it: logger first, then the settings.
    void starten() {
        TLogger::Instance();
        TGlobalData::Instance();
    }
    int startFehlerCode() {
        TLogger::Instance();
        try {
            TGlobalData::Instance();
        } catch (const TGlobalDataFehler& f) {
            fehlerText = f.Text();
            return f.ExitCode();
        }
        return 0;
    }

    QTemporaryDir tmp;
    QString basis;
    TestSystem* sys = nullptr;
    std::vector<std::pair<MeldungsArt, QString>> meldungen;
    QString fehlerText;
};

} // namespace brenvik::test
