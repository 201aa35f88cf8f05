#pragma once
// Ordered list of key/value lines ("key=value") with a character-tree index
// over the keys, typed access, an optional nested list per entry and a text
// file form. Keys are 8-bit texts (Windows-1252) of at most 255 characters
// with codes 32 to 252; without case sensitivity they are indexed lower-case.

#include "Zahl.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringConverter>
#include <QStringList>
#include <array>
#include <memory>
#include <stdexcept>
#include <vector>

namespace brenvik {

class TWertList;

class TWertListFehler : public std::runtime_error {
public:
    explicit TWertListFehler(const QString& text) : std::runtime_error(text.toStdString()) {}
};

struct TNodeValue {
    QByteArray Parameter; // as indexed
    QString ParameterOrg; // as passed in
    quint8 PLen = 0;
    QString Wert;
    std::unique_ptr<TWertList> Additional;
    QObject* Obj = nullptr; // not owned
    int Position = -1;
};

class TWertList {
public:
    explicit TWertList(bool CaseSensitive = false, int NodeCountStart = 250);
    ~TWertList();
    TWertList(const TWertList&) = delete;
    TWertList& operator=(const TWertList&) = delete;

    int Count() const { return int(FRec.size()); }
    bool CaseSensitive() const { return FCaseSensitive; }
    QChar Trenner() const { return FTrenner; }
    void SetTrenner(QChar t) { FTrenner = t; }
    QChar AddTrenner() const { return FAddTrenner; }
    void SetAddTrenner(QChar t) { FAddTrenner = t; }
    QStringConverter::Encoding Encoding() const { return FEncoding; }
    void SetEncoding(QStringConverter::Encoding e) { FEncoding = e; }
    // Last file loaded or saved.
    const QString& FileName() const { return FFileName; }

    // New position, or -1 when the key exists already (nothing is added).
    // Throws TWertListFehler for a key that cannot be stored.
    int Add(const QString& Parameter, const QString& Wert,
            std::unique_ptr<TWertList> Additional = nullptr);
    int Add(const QString& S);
    // A line that cannot be added is logged; the rest goes on.
    void AddStrings(const QStringList& Strings);
    // A new key at Index (at most the end); an existing key gets the value.
    int Insert(int Index, const QString& S);

    void Delete(int Index);
    // Deletes the key and every entry after it; the number deleted.
    int DeleteArea(const QString& Parameter);
    void Clear();
    void Exchange(int Index1, int Index2);
    void Move(int CurIndex, int NewIndex);

    int IndexOf(const QString& Parameter) const;

    QString WertByStr(const QString& Parameter) const;
    void SetWertByStr(const QString& Parameter, const QString& Wert);
    QString WertByIndex(int IndexID) const;
    void SetWertByIndex(int IndexID, const QString& Wert);
    QString WertLowerByStr(const QString& Parameter) const;
    void SetWertLowerByStr(const QString& Parameter, const QString& Wert);
    QString WertLowerByIndex(int IndexID) const;
    void SetWertLowerByIndex(int IndexID, const QString& Wert);
    QString Values(const QString& Parameter) const { return WertByStr(Parameter); }
    void SetValues(const QString& Parameter, const QString& Wert) { SetWertByStr(Parameter, Wert); }

    int ZahlByStr(const QString& Parameter) const;
    void SetZahlByStr(const QString& Parameter, int Wert);
    int ZahlByIndex(int IndexID) const;
    void SetZahlByIndex(int IndexID, int Wert);
    int ColorByStr(const QString& Parameter) const { return ZahlByStr(Parameter); }
    void SetColorByStr(const QString& Parameter, int Wert) { SetZahlByStr(Parameter, Wert); }
    int ColorByIndex(int IndexID) const { return ZahlByIndex(IndexID); }
    void SetColorByIndex(int IndexID, int Wert) { SetZahlByIndex(IndexID, Wert); }

    // Money amount with four decimal places ("12,5").
    Zahl CurrByStr(const QString& Parameter) const;
    void SetCurrByStr(const QString& Parameter, const Zahl& Wert);
    Zahl CurrByIndex(int IndexID) const;
    void SetCurrByIndex(int IndexID, const Zahl& Wert);

    // By key: a date "dd.mm.yyyy"; an invalid text gives 30.12.1899, a
    // missing key 1.1.0001. By position: days since 30.12.1899.
    QDateTime DateTimeByStr(const QString& Parameter) const;
    void SetDateTimeByStr(const QString& Parameter, const QDateTime& Wert);
    QDateTime DateTimeByIndex(int IndexID) const;

    QObject* ObjektByStr(const QString& Parameter) const;
    void SetObjektByStr(const QString& Parameter, QObject* Obj);
    QObject* ObjektByIndex(int IndexID) const;
    void SetObjektByIndex(int IndexID, QObject* Obj);

    QString OriginalByStr(const QString& Parameter) const;
    QString OriginalByIndex(int IndexID) const;
    QString ParameterByIndex(int IndexID) const;

    QString AdditionalStrByStr(const QString& Parameter) const;
    void SetAdditionalStrByStr(const QString& Parameter, const QString& Text);
    QString AdditionalStrByIndex(int IndexID) const;
    void SetAdditionalStrByIndex(int IndexID, const QString& Text);
    QString AdditionalItemByStr(const QString& Parameter, const QString& Add) const;
    void SetAdditionalItemByStr(const QString& Parameter, const QString& Add, const QString& Wert);
    QString AdditionalItemByIndex(int IndexID, const QString& Add) const;
    void SetAdditionalItemByIndex(int IndexID, const QString& Add, const QString& Wert);
    TWertList* AdditionalListByStr(const QString& Parameter) const;
    // Created if missing.
    TWertList* AdditionalListByIndex(int IndexID);
    void SetAdditionalListByStr(const QString& Parameter, std::unique_ptr<TWertList> Liste);

    // Every entry's text form followed by CR LF.
    QString Text() const;
    // The text forms, last entry first.
    QStringList Liste() const;

    // Errors are logged; false then.
    bool LoadFromFile(const QString& FileName);
    bool SaveToFile(const QString& FileName);

    // Not provided: each raises TWertListFehler.
    [[noreturn]] void Append(const QString& S);
    [[noreturn]] int Find(const QString& S);
    [[noreturn]] TWertList* GetAdditional(int IndexID);
    [[noreturn]] QStringList ParameterArray();
    [[noreturn]] QStringList WertArray();

private:
    struct Knoten {
        TNodeValue* wert = nullptr;
        int eltern = -1;
        quint8 kinderZahl = 0;
        bool frisch = true;
        std::array<int, 221> kinder; // codes 32 to 252
        Knoten() { kinder.fill(-1); }
    };
    struct Geparst {
        QString key, wert, additional;
        bool hatAdditional = false;
    };

    QByteArray schluessel(const QString& org) const; // throws for a key that cannot be stored
    TNodeValue* suchen(const QByteArray& key) const;
    TNodeValue* eintrag(const QString& Parameter) const;
    TNodeValue* eintrag(int IndexID) const;
    TNodeValue& eintragOderNeu(const QString& Parameter);
    void indexEinfuegen(TNodeValue* e);
    void indexEntfernen(TNodeValue* e);
    int neuerKnoten(int eltern);
    void nummerieren(int ab, int bis);
    Geparst zerlegen(const QString& S) const;
    std::unique_ptr<TWertList> neueAdditional(const QString& zeile) const;
    QString textForm(const TNodeValue& e) const;
    [[noreturn]] void nichtImplementiert(const QString& text, const QString& logText = {});

    bool FCaseSensitive;
    QStringConverter::Encoding FEncoding = QStringConverter::Utf8;
    QChar FTrenner = QLatin1Char('=');
    QChar FAddTrenner = QChar(0xB6); // pilcrow
    std::vector<std::unique_ptr<TNodeValue>> FRec;
    std::vector<Knoten> FNodeIndex; // [0] is the root
    QString FFileName;
};

// Makes TWertList known to Qt's meta-type system (for queued signals and
// QVariant), the counterpart of registering it for streaming.
void TWertListRegistrieren();

} // namespace brenvik
