#pragma once
// One settings file in the usual INI form: "[Section]" lines and "key=value"
// lines. Section and key names compare without regard to case, a missing file
// reads as empty, and a write changes only the one line it concerns (the rest
// of the file, comments and order included, stays as it was). Every access
// reads the file anew, so several objects on one file see each other's writes.

#include <QString>
#include <QStringList>

namespace brenvik {

class IniDatei {
public:
    // An empty name gives an object that reads nothing and writes nothing.
    explicit IniDatei(QString dateiName);

    // The name as given; FileNameAufgeloest is the existing file of any case.
    const QString& FileName() const { return FDateiName; }
    QString FileNameAufgeloest() const;

    QString ReadString(const QString& section, const QString& key,
                       const QString& vorgabe = QString()) const;
    int ReadInteger(const QString& section, const QString& key, int vorgabe) const;
    // "1"/"0" as written; also any integer (non-zero is true) and the words
    // true/false, yes/no, on/off. Anything else gives the default.
    bool ReadBool(const QString& section, const QString& key, bool vorgabe) const;

    // False when the file could not be written.
    bool WriteString(const QString& section, const QString& key, const QString& wert);
    bool WriteInteger(const QString& section, const QString& key, int wert);
    bool WriteBool(const QString& section, const QString& key, bool wert);
    bool DeleteKey(const QString& section, const QString& key);
    bool EraseSection(const QString& section);

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    QStringList ReadSection(const QString& section) const; // the keys
    QStringList ReadSections() const;

private:
    struct Inhalt;
    Inhalt laden() const;
    bool speichern(const Inhalt& inhalt) const;

    QString FDateiName;
};

} // namespace brenvik
