#include "SystemSchicht.h"

#include "IniDatei.h"
#include "PfadHilfe.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <stdexcept>
#include <unistd.h>

namespace brenvik {

namespace {
std::unique_ptr<SystemSchicht>& aktuelleSchicht() {
    static std::unique_ptr<SystemSchicht> s = std::make_unique<SystemSchicht>();
    return s;
}

QString laufendesProgramm() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}
} // namespace

SystemSchicht& System() {
    return *aktuelleSchicht();
}

void SystemSetzen(std::unique_ptr<SystemSchicht> schicht) {
    aktuelleSchicht() = schicht ? std::move(schicht) : std::make_unique<SystemSchicht>();
}

QString SystemSchicht::programmDatei() const {
    return laufendesProgramm();
}

std::optional<VersionsRessource> SystemSchicht::versionsRessource(const QString& datei) const {
    if (QFileInfo(datei).canonicalFilePath() != QFileInfo(laufendesProgramm()).canonicalFilePath())
        return std::nullopt;
    VersionsRessource v;
    const QStringList teile = QStringLiteral(BRENVIK_VERSION).split(QLatin1Char('.'));
    v.haupt = quint16(teile.value(0).toUInt());
    v.neben = quint16(teile.value(1).toUInt());
    v.release = quint16(teile.value(2).toUInt());
    v.build = QStringLiteral(BRENVIK_BUILD).toUInt();
#ifndef NDEBUG
    v.debug = true;
#endif
    v.firmenName = QStringLiteral("Kelvanta");
    v.beschreibung = QStringLiteral("Brenvik - Lohn- und Lohnsteuerberechnung");
    v.internerName = QStringLiteral("Brenvik");
    v.produktName = QStringLiteral("Brenvik");
    v.produktVersion = QStringLiteral(BRENVIK_VERSION);
    return v;
}

bool SystemSchicht::remoteSitzung() const {
    return !qEnvironmentVariableIsEmpty("XRDP_SESSION");
}

std::optional<QString> SystemSchicht::benutzerName() const {
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_name && *pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    const QString env = qEnvironmentVariable("USER");
    if (!env.isEmpty()) return env;
    return std::nullopt;
}

std::optional<QString> SystemSchicht::computerName() const {
    char name[1024] = {};
    if (gethostname(name, sizeof name - 1) != 0) {
        if (errno == ENAMETOOLONG)
            throw std::runtime_error("gethostname: " + std::string(std::strerror(errno)));
        return std::nullopt;
    }
    if (!*name) return std::nullopt;
    return QString::fromLocal8Bit(name);
}

int SystemSchicht::pixelsProZoll() const {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (const QScreen* s = QGuiApplication::primaryScreen())
            return int(std::lround(s->logicalDotsPerInch()));
    return 96;
}

QString SystemSchicht::programmeOrdner() const {
    return QStringLiteral("/opt");
}

quint64 SystemSchicht::laufKennung() const {
    return quint64(getpid());
}

QString SystemSchicht::registryDatei(const QString& speicherOrdner) {
    return speicherOrdner + QStringLiteral("/Registry.Ini");
}

SystemSchicht::RegistryErgebnis
SystemSchicht::registrySchreiben(const QString& speicherOrdner, const QString& schluessel,
                                 const QList<QPair<QString, QString>>& werte) {
    const QString ordner = PfadOhneGrossKlein(speicherOrdner);
    const QFileInfo datei(PfadOhneGrossKlein(registryDatei(ordner)));
    // A store that cannot be opened for writing is skipped, like a registry
    // key without write access.
    if (!QFileInfo(ordner).isDir() || !QFileInfo(ordner).isWritable() ||
        (datei.exists() && !datei.isWritable()))
        return RegistryErgebnis::NichtGeoeffnet;
    IniDatei ini(registryDatei(ordner));
    const QString section = QStringLiteral("HKEY_LOCAL_MACHINE\\") + schluessel;
    for (const auto& [name, wert] : werte)
        if (!ini.WriteString(section, name, wert)) return RegistryErgebnis::Fehlgeschlagen;
    return RegistryErgebnis::Geschrieben;
}

} // namespace brenvik
