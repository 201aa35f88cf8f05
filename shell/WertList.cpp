#include "WertList.h"

#include "Formate.h"
#include "KLogger.h"
#include "ZeitFormat.h"

#include <QFile>
#include <QMetaType>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace brenvik {

namespace {

constexpr int kMaxKey = 255;
constexpr int kErsterCode = 32;
constexpr int kLetzterCode = 252;
constexpr int kKnotenZuwachs = 100;
constexpr int kKnotenStart = 250;
constexpr int kEintragZuwachs = 50;

// Windows-1252 codes 0x80 to 0x9F.
constexpr char16_t kCp1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                  0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int achtBit(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    for (int i = 0; i < 32; ++i)
        if (kCp1252[i] && kCp1252[i] == u) return 0x80 + i;
    return -1;
}

QString ausAchtBit(const QByteArray& b) {
    QString r;
    for (char c : b) {
        const auto u = static_cast<unsigned char>(c);
        r += (u >= 0x80 && u < 0xA0 && kCp1252[u - 0x80]) ? QChar(kCp1252[u - 0x80]) : QChar(u);
    }
    return r;
}

QString klein(const QString& s) {
    return s.toLower();
}

int ganzzahl(const QString& text) {
    QString s = text.trimmed();
    bool ok = false;
    int v = s.toInt(&ok);
    if (ok) return v;
    bool negativ = s.startsWith(QLatin1Char('-'));
    if (negativ || s.startsWith(QLatin1Char('+'))) s = s.mid(1);
    if (s.startsWith(QLatin1Char('$')))
        v = int(s.mid(1).toUInt(&ok, 16));
    else if (s.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = int(s.mid(2).toUInt(&ok, 16));
    return ok ? (negativ ? -v : v) : 0;
}

Zahl betrag(const QString& text) {
    Zahl z;
    if (!Zahl::ausText(text.trimmed().toStdString(), z)) return Zahl(0);
    return Zahl::bruch((z * Zahl(10000)).round(), 10000);
}

QString betragText(const Zahl& z) {
    const Zahl gerundet = Zahl::bruch((z * Zahl(10000)).round(), 10000);
    QString t = QString::fromStdString(gerundet.text(4));
    t.replace(QLatin1Char('.'), ProgrammFormate().dezimalTrenner);
    return t;
}

const QDateTime kNullDatum(QDate(1899, 12, 30), QTime(0, 0));
const QDateTime kFehltDatum(QDate(1, 1, 1), QTime(0, 0));

QDateTime datumAusText(const QString& text) {
    const QChar t = ProgrammFormate().datumsTrenner;
    const QString muster = QStringLiteral("^\\s*(\\d{1,2})") + QRegularExpression::escape(t) +
                           QStringLiteral("(\\d{1,2})") + QRegularExpression::escape(t) +
                           QStringLiteral("(\\d{2}|\\d{4})\\s*$");
    const auto m = QRegularExpression(muster).match(text);
    if (!m.hasMatch()) return kNullDatum;
    int jahr = m.captured(3).toInt();
    if (m.captured(3).size() == 2) jahr += jahr < 50 ? 2000 : 1900;
    const QDate d(jahr, m.captured(2).toInt(), m.captured(1).toInt());
    return d.isValid() ? QDateTime(d, QTime(0, 0)) : kNullDatum;
}

QString datumText(const QDateTime& dt) {
    Zeitpunkt z;
    z.jahr = dt.date().year();
    z.monat = dt.date().month();
    z.tag = dt.date().day();
    z.stunde = dt.time().hour();
    z.minute = dt.time().minute();
    z.sekunde = dt.time().second();
    const Formateinstellungen& f = ProgrammFormate();
    QString format = f.kurzesDatumsFormat;
    format.replace(QLatin1Char('.'), f.datumsTrenner);
    if (dt.time() != QTime(0, 0))
        format += QStringLiteral(" hh") + f.zeitTrenner + QStringLiteral("nn") + f.zeitTrenner +
                  QStringLiteral("ss");
    return QString::fromStdString(FormatDateTime(format.toStdString(), z));
}

QStringList zeilen(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
}

bool hatZeilen(const QStringList& l) {
    for (const QString& z : l)
        if (!z.isEmpty()) return true;
    return false;
}

} // namespace

TWertList::TWertList(bool CaseSensitive, int /*NodeCountStart: the pool always starts at 250*/)
    : FCaseSensitive(CaseSensitive) {
    FRec.reserve(kEintragZuwachs);
    FNodeIndex.reserve(kKnotenStart);
    FNodeIndex.emplace_back();
}

TWertList::~TWertList() = default;

// ---- Index ----

QByteArray TWertList::schluessel(const QString& org) const {
    if (org.size() > kMaxKey)
        throw TWertListFehler(QStringLiteral("TWertList: Parameter länger als 255 Zeichen: ") +
                              org);
    QByteArray b;
    b.reserve(org.size());
    for (QChar c : org) {
        int code = achtBit(c);
        if (code < kErsterCode || code > kLetzterCode)
            throw TWertListFehler(QStringLiteral("TWertList: unzulässiges Zeichen im Parameter: ") +
                                  org);
        if (!FCaseSensitive) {
            if (code >= 'A' && code <= 'Z')
                code += 'a' - 'A';
            else if (code == 0xC4 || code == 0xD6 || code == 0xDC)
                code += 0x20;
        }
        b.append(char(code));
    }
    return b;
}

int TWertList::neuerKnoten(int eltern) {
    if (FNodeIndex.size() == FNodeIndex.capacity())
        FNodeIndex.reserve(FNodeIndex.capacity() + kKnotenZuwachs);
    FNodeIndex.emplace_back();
    FNodeIndex.back().eltern = eltern;
    return int(FNodeIndex.size()) - 1;
}

TNodeValue* TWertList::suchen(const QByteArray& key) const {
    int k = 0;
    for (int tiefe = 0;; ++tiefe) {
        const Knoten& n = FNodeIndex[size_t(k)];
        if (n.wert && n.wert->PLen == key.size() && n.wert->Parameter == key) return n.wert;
        if (tiefe == key.size()) return nullptr;
        k = n.kinder[size_t(static_cast<unsigned char>(key[tiefe]) - kErsterCode)];
        if (k < 0) return nullptr;
    }
}

void TWertList::indexEinfuegen(TNodeValue* e) {
    int k = 0;
    for (int tiefe = 0;; ++tiefe) {
        if (!FNodeIndex[size_t(k)].wert) {
            FNodeIndex[size_t(k)].wert = e;
            FNodeIndex[size_t(k)].frisch = false;
            return;
        }
        // The node for the full key belongs to this key: the entry resting
        // here goes one level down its own path.
        if (tiefe == e->PLen) std::swap(FNodeIndex[size_t(k)].wert, e);
        const size_t c = size_t(static_cast<unsigned char>(e->Parameter[tiefe]) - kErsterCode);
        int kind = FNodeIndex[size_t(k)].kinder[c];
        if (kind < 0) {
            kind = neuerKnoten(k);
            FNodeIndex[size_t(k)].kinder[c] = kind;
            ++FNodeIndex[size_t(k)].kinderZahl;
        }
        k = kind;
    }
}

void TWertList::indexEntfernen(TNodeValue* e) {
    int k = 0;
    for (int tiefe = 0;; ++tiefe) {
        Knoten& n = FNodeIndex[size_t(k)];
        if (n.wert == e) {
            n.wert = nullptr;
            return;
        }
        if (tiefe == e->PLen) return;
        k = n.kinder[size_t(static_cast<unsigned char>(e->Parameter[tiefe]) - kErsterCode)];
        if (k < 0) return;
    }
}

void TWertList::nummerieren(int ab, int bis) {
    for (int i = std::max(ab, 0); i < std::min(bis, Count()); ++i)
        FRec[size_t(i)]->Position = i;
}

int TWertList::IndexOf(const QString& Parameter) const {
    try {
        const TNodeValue* e = suchen(schluessel(Parameter));
        return e ? e->Position : -1;
    } catch (const std::exception&) {
        LogException(QStringLiteral("TWertList.IndexOfIntern : ") + Parameter);
        return -1;
    }
}

TNodeValue* TWertList::eintrag(const QString& Parameter) const {
    const int i = IndexOf(Parameter);
    return i < 0 ? nullptr : FRec[size_t(i)].get();
}

TNodeValue* TWertList::eintrag(int IndexID) const {
    return IndexID >= 0 && IndexID < Count() ? FRec[size_t(IndexID)].get() : nullptr;
}

TNodeValue& TWertList::eintragOderNeu(const QString& Parameter) {
    if (TNodeValue* e = eintrag(Parameter)) return *e;
    return *FRec[size_t(Add(Parameter, QString()))];
}

// ---- Adding and removing ----

TWertList::Geparst TWertList::zerlegen(const QString& S) const {
    Geparst g;
    QString rest = S;
    const qsizetype add = rest.indexOf(FAddTrenner);
    if (add >= 0) {
        g.additional = rest.mid(add + 1);
        g.hatAdditional = true;
        rest = rest.left(add);
    }
    const qsizetype t = rest.indexOf(FTrenner);
    g.key = t >= 0 ? rest.left(t) : rest;
    g.wert = t >= 0 ? rest.mid(t + 1) : QString();
    return g;
}

std::unique_ptr<TWertList> TWertList::neueAdditional(const QString& zeile) const {
    auto l = std::make_unique<TWertList>(FCaseSensitive);
    l->FTrenner = FTrenner;
    l->FAddTrenner = FAddTrenner;
    l->FEncoding = FEncoding;
    l->Add(zeile);
    return l;
}

int TWertList::Add(const QString& Parameter, const QString& Wert,
                   std::unique_ptr<TWertList> Additional) {
    const QByteArray key = schluessel(Parameter);
    if (suchen(key)) return -1;
    auto e = std::make_unique<TNodeValue>();
    e->Parameter = key;
    e->ParameterOrg = Parameter;
    e->PLen = quint8(key.size());
    e->Wert = Wert;
    e->Additional = std::move(Additional);
    e->Position = Count();
    if (FRec.size() == FRec.capacity()) FRec.reserve(FRec.capacity() + kEintragZuwachs);
    indexEinfuegen(e.get());
    FRec.push_back(std::move(e));
    return Count() - 1;
}

int TWertList::Add(const QString& S) {
    if (S.isEmpty()) return -1;
    const Geparst g = zerlegen(S);
    if (IndexOf(g.key) >= 0) return -1;
    return Add(g.key, g.wert, g.hatAdditional ? neueAdditional(g.additional) : nullptr);
}

void TWertList::AddStrings(const QStringList& Strings) {
    for (qsizetype i = 0; i < Strings.size(); ++i) {
        try {
            Add(Strings[i]);
        } catch (const std::exception& e) {
            LogException(QStringLiteral("TWertList.AddStrings") + QString::number(i), e);
        }
    }
}

int TWertList::Insert(int Index, const QString& S) {
    const Geparst g = zerlegen(S);
    if (TNodeValue* e = eintrag(g.key)) {
        e->Wert = g.wert;
        if (g.hatAdditional) e->Additional = neueAdditional(g.additional);
        return e->Position;
    }
    const int neu = Add(g.key, g.wert, g.hatAdditional ? neueAdditional(g.additional) : nullptr);
    const int ziel = std::clamp(Index, 0, neu);
    if (ziel != neu) Move(neu, ziel);
    return ziel;
}

void TWertList::Delete(int Index) {
    TNodeValue* e = eintrag(Index);
    if (!e) return;
    indexEntfernen(e);
    FRec.erase(FRec.begin() + Index);
    nummerieren(Index, Count());
}

int TWertList::DeleteArea(const QString& Parameter) {
    const int ab = IndexOf(Parameter);
    if (ab < 0) return 0;
    const int anzahl = Count() - ab;
    for (int i = Count() - 1; i >= ab; --i)
        Delete(i);
    return anzahl;
}

void TWertList::Clear() {
    FRec.clear();
    FNodeIndex.clear();
    FNodeIndex.emplace_back();
}

void TWertList::Exchange(int Index1, int Index2) {
    if (!eintrag(Index1) || !eintrag(Index2)) {
        const QString text = QStringLiteral("TWertList.Exchange : wrong value ");
        LogException(text);
        throw TWertListFehler(text);
    }
    std::swap(FRec[size_t(Index1)], FRec[size_t(Index2)]);
    FRec[size_t(Index1)]->Position = Index1;
    FRec[size_t(Index2)]->Position = Index2;
}

void TWertList::Move(int CurIndex, int NewIndex) {
    if (!eintrag(CurIndex) || !eintrag(NewIndex)) {
        LogException(QStringLiteral("TWertList.Move : wrong value "));
        throw TWertListFehler(QStringLiteral("Move : wrong value "));
    }
    auto e = std::move(FRec[size_t(CurIndex)]);
    FRec.erase(FRec.begin() + CurIndex);
    FRec.insert(FRec.begin() + NewIndex, std::move(e));
    nummerieren(std::min(CurIndex, NewIndex), std::max(CurIndex, NewIndex) + 1);
}

// ---- Typed access ----

QString TWertList::WertByStr(const QString& Parameter) const {
    const TNodeValue* e = eintrag(Parameter);
    return e ? e->Wert : QString();
}
void TWertList::SetWertByStr(const QString& Parameter, const QString& Wert) {
    eintragOderNeu(Parameter).Wert = Wert;
}
QString TWertList::WertByIndex(int IndexID) const {
    const TNodeValue* e = eintrag(IndexID);
    return e ? e->Wert : QString();
}
void TWertList::SetWertByIndex(int IndexID, const QString& Wert) {
    if (TNodeValue* e = eintrag(IndexID)) e->Wert = Wert;
}
QString TWertList::WertLowerByStr(const QString& Parameter) const {
    return klein(WertByStr(Parameter));
}
void TWertList::SetWertLowerByStr(const QString& Parameter, const QString& Wert) {
    SetWertByStr(Parameter, Wert);
}
QString TWertList::WertLowerByIndex(int IndexID) const {
    return klein(WertByIndex(IndexID));
}
void TWertList::SetWertLowerByIndex(int IndexID, const QString& Wert) {
    SetWertByIndex(IndexID, Wert);
}

int TWertList::ZahlByStr(const QString& Parameter) const {
    const TNodeValue* e = eintrag(Parameter);
    return e ? ganzzahl(e->Wert) : 0;
}
void TWertList::SetZahlByStr(const QString& Parameter, int Wert) {
    SetWertByStr(Parameter, QString::number(Wert));
}
int TWertList::ZahlByIndex(int IndexID) const {
    const TNodeValue* e = eintrag(IndexID);
    return e ? ganzzahl(e->Wert) : 0;
}
void TWertList::SetZahlByIndex(int IndexID, int Wert) {
    SetWertByIndex(IndexID, QString::number(Wert));
}

Zahl TWertList::CurrByStr(const QString& Parameter) const {
    const TNodeValue* e = eintrag(Parameter);
    return e ? betrag(e->Wert) : Zahl(0);
}
void TWertList::SetCurrByStr(const QString& Parameter, const Zahl& Wert) {
    SetWertByStr(Parameter, betragText(Wert));
}
Zahl TWertList::CurrByIndex(int IndexID) const {
    const TNodeValue* e = eintrag(IndexID);
    return e ? betrag(e->Wert) : Zahl(0);
}
void TWertList::SetCurrByIndex(int IndexID, const Zahl& Wert) {
    SetWertByIndex(IndexID, betragText(Wert));
}

QDateTime TWertList::DateTimeByStr(const QString& Parameter) const {
    const TNodeValue* e = eintrag(Parameter);
    return e ? datumAusText(e->Wert) : kFehltDatum;
}
void TWertList::SetDateTimeByStr(const QString& Parameter, const QDateTime& Wert) {
    SetWertByStr(Parameter, datumText(Wert));
}
QDateTime TWertList::DateTimeByIndex(int IndexID) const {
    const TNodeValue* e = eintrag(IndexID);
    if (!e) return kFehltDatum;
    bool ok = false;
    const int tage = e->Wert.trimmed().toInt(&ok);
    return ok ? kNullDatum.addDays(tage) : kNullDatum;
}

QObject* TWertList::ObjektByStr(const QString& Parameter) const {
    const TNodeValue* e = eintrag(Parameter);
    return e ? e->Obj : nullptr;
}
void TWertList::SetObjektByStr(const QString& Parameter, QObject* Obj) {
    eintragOderNeu(Parameter).Obj = Obj;
}
QObject* TWertList::ObjektByIndex(int IndexID) const {
    const TNodeValue* e = eintrag(IndexID);
    return e ? e->Obj : nullptr;
}
void TWertList::SetObjektByIndex(int IndexID, QObject* Obj) {
    if (TNodeValue* e = eintrag(IndexID)) e->Obj = Obj;
}

QString TWertList::textForm(const TNodeValue& e) const {
    QString t = e.ParameterOrg;
    if (!e.Wert.isEmpty()) t += FTrenner + e.Wert;
    if (e.Additional)
        for (const auto& a : e.Additional->FRec)
            t += FAddTrenner + e.Additional->textForm(*a);
    return t;
}

QString TWertList::OriginalByStr(const QString& Parameter) const {
    const TNodeValue* e = eintrag(Parameter);
    return e ? textForm(*e) : QString();
}
QString TWertList::OriginalByIndex(int IndexID) const {
    const TNodeValue* e = eintrag(IndexID);
    return e ? textForm(*e) : QString();
}
QString TWertList::ParameterByIndex(int IndexID) const {
    const TNodeValue* e = eintrag(IndexID);
    return e ? ausAchtBit(e->Parameter) : QString();
}

QString TWertList::AdditionalStrByStr(const QString& Parameter) const {
    const TNodeValue* e = eintrag(Parameter);
    return e && e->Additional ? e->Additional->Text() : QString();
}
void TWertList::SetAdditionalStrByStr(const QString& Parameter, const QString& Text) {
    const int i = IndexOf(Parameter);
    if (i < 0) {
        Add(Parameter, QString());
        return;
    }
    SetAdditionalStrByIndex(i, Text);
}
QString TWertList::AdditionalStrByIndex(int IndexID) const {
    const TNodeValue* e = eintrag(IndexID);
    return e && e->Additional ? e->Additional->Text() : QString();
}
void TWertList::SetAdditionalStrByIndex(int IndexID, const QString& Text) {
    TNodeValue* e = eintrag(IndexID);
    if (!e) return;
    if (!e->Additional) e->Additional = neueAdditional(QString());
    e->Additional->Clear();
    e->Additional->Add(Text);
}
QString TWertList::AdditionalItemByStr(const QString& Parameter, const QString& Add) const {
    const TNodeValue* e = eintrag(Parameter);
    return e && e->Additional ? e->Additional->WertByStr(Add) : QString();
}
void TWertList::SetAdditionalItemByStr(const QString& Parameter, const QString& Add,
                                       const QString& Wert) {
    TNodeValue& e = eintragOderNeu(Parameter);
    if (e.Additional) e.Additional->SetWertByStr(Add, Wert);
}
QString TWertList::AdditionalItemByIndex(int IndexID, const QString& Add) const {
    const TNodeValue* e = eintrag(IndexID);
    return e && e->Additional ? e->Additional->WertByStr(Add) : QString();
}
void TWertList::SetAdditionalItemByIndex(int IndexID, const QString& Add, const QString& Wert) {
    TNodeValue* e = eintrag(IndexID);
    if (e && e->Additional) e->Additional->SetWertByStr(Add, Wert);
}
TWertList* TWertList::AdditionalListByStr(const QString& Parameter) const {
    const TNodeValue* e = eintrag(Parameter);
    return e ? e->Additional.get() : nullptr;
}
TWertList* TWertList::AdditionalListByIndex(int IndexID) {
    TNodeValue* e = eintrag(IndexID);
    if (!e) return nullptr;
    if (!e->Additional) e->Additional = neueAdditional(QString());
    return e->Additional.get();
}
void TWertList::SetAdditionalListByStr(const QString& Parameter, std::unique_ptr<TWertList> Liste) {
    TNodeValue* e = eintrag(Parameter);
    if (e && Liste) e->Additional = std::move(Liste);
}

QString TWertList::Text() const {
    QString t;
    for (const auto& e : FRec)
        if (e->Position >= 0) t += textForm(*e) + QStringLiteral("\r\n");
    return t;
}

QStringList TWertList::Liste() const {
    QStringList l;
    for (auto it = FRec.rbegin(); it != FRec.rend(); ++it)
        l << textForm(**it);
    return l;
}

// ---- Files ----

bool TWertList::LoadFromFile(const QString& FileName) {
    QByteArray daten;
    {
        QFile f(FileName);
        if (!f.open(QIODevice::ReadOnly)) {
            LogException(QStringLiteral("TWertList.LoadFromFile: ") + FileName);
            return false;
        }
        daten = f.readAll();
    }
    QStringDecoder dekoder(FEncoding);
    QStringList liste = zeilen(dekoder.decode(daten));
    if (dekoder.hasError() || !hatZeilen(liste)) {
        // Second attempt: the encoding the data announces, else 8-bit.
        const auto erkannt = QStringConverter::encodingForData(daten);
        QStringDecoder zweiter(erkannt.value_or(QStringConverter::Latin1));
        liste = zeilen(zweiter.decode(daten));
    }
    Clear();
    for (const QString& z : liste) {
        if (z.isEmpty()) continue;
        try {
            Add(z);
        } catch (const std::exception&) {
            LogException(QStringLiteral("WertList ADD für ") + z +
                         QStringLiteral(" fehl geschlagen ") + QString::number(Count()));
        }
    }
    FFileName = FileName;
    return true;
}

bool TWertList::SaveToFile(const QString& FileName) {
    QString text;
    int i = 0;
    try {
        for (; i < Count(); ++i)
            text += textForm(*FRec[size_t(i)]) + QStringLiteral("\r\n");
    } catch (const std::exception&) {
        LogException(QStringLiteral("WertList.SaveToFile:") + FileName + QStringLiteral(": ") +
                     QString::number(i) + QStringLiteral(" von ") + QString::number(Count()));
        return false;
    }
    QStringEncoder enkoder(FEncoding, QStringConverter::Flag::WriteBom);
    const QByteArray daten = enkoder.encode(text);
    QSaveFile f(FileName);
    f.setDirectWriteFallback(true);
    if (!f.open(QIODevice::WriteOnly) || f.write(daten) != daten.size() || !f.commit()) {
        LogException(QStringLiteral("WertList.SaveToFile:") + FileName + QStringLiteral(": ") +
                     QString::number(Count()));
        return false;
    }
    FFileName = FileName;
    return true;
}

// ---- Not provided ----

void TWertList::nichtImplementiert(const QString& text, const QString& logText) {
    LogException(QStringLiteral("TWertList.") + (logText.isEmpty() ? text : logText));
    throw TWertListFehler(text);
}

void TWertList::Append(const QString&) {
    nichtImplementiert(QStringLiteral("Append:Anweisung in TWertList nicht Implementiert!"));
}
int TWertList::Find(const QString&) {
    nichtImplementiert(QStringLiteral("Find:Anweisung in TWertList nicht Implementiert!"));
}
TWertList* TWertList::GetAdditional(int) {
    nichtImplementiert(QStringLiteral("GetAdditiona:Anweisung in TWertList nicht Implementiert!"));
}
QStringList TWertList::ParameterArray() {
    nichtImplementiert(QStringLiteral("GetParameter:Anweisung in TWertList nicht Implementiert!"));
}
QStringList TWertList::WertArray() {
    nichtImplementiert(QStringLiteral("GetWert:Anweisung in TWertList nicht Implementiert!"),
                       QStringLiteral("GetParameter"));
}

void TWertListRegistrieren() {
    qRegisterMetaType<TWertList*>("brenvik::TWertList*");
}

} // namespace brenvik
