#pragma once
// What the program asks of the operating system: program file, remote
// session, user and computer name, screen resolution, the machine-wide
// settings store. Tests replace it with their own answers.

#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <memory>
#include <optional>

namespace brenvik {

// Version information compiled into a program file.
struct VersionsRessource {
    quint16 haupt = 0, neben = 0, release = 0;
    quint32 build = 0;
    bool debug = false, privat = false;
    QString firmenName, beschreibung, internerName, produktName, produktVersion;
};

class SystemSchicht {
public:
    virtual ~SystemSchicht() = default;

    // Full path of the running program file.
    virtual QString programmDatei() const;
    // The version information of `datei`; only the running program has one.
    virtual std::optional<VersionsRessource> versionsRessource(const QString& datei) const;
    // A graphical remote session (xrdp sets XRDP_SESSION).
    virtual bool remoteSitzung() const;
    // Login name; none if it cannot be determined.
    virtual std::optional<QString> benutzerName() const;
    // Host name; none if it cannot be read. Throws std::runtime_error when
    // reading fails with an error.
    virtual std::optional<QString> computerName() const;
    virtual int pixelsProZoll() const;
    // Counterpart of the system's program-files folder.
    virtual QString programmeOrdner() const;
    // Number that tells runs of one working place apart (the process id).
    virtual quint64 laufKennung() const;

    // Machine-wide settings ("registry"): kept in the file "Registry.Ini" in
    // `speicherOrdner`, one section per key.
    enum class RegistryErgebnis { NichtGeoeffnet, Geschrieben, Fehlgeschlagen };
    virtual RegistryErgebnis registrySchreiben(const QString& speicherOrdner,
                                               const QString& schluessel,
                                               const QList<QPair<QString, QString>>& werte);
    static QString registryDatei(const QString& speicherOrdner);
};

// The layer in use; `SystemSetzen(nullptr)` brings back the real one.
SystemSchicht& System();
void SystemSetzen(std::unique_ptr<SystemSchicht> schicht);

} // namespace brenvik
