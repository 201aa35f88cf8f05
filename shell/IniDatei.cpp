#include "IniDatei.h"

#include "PfadHilfe.h"

#include <QFile>
#include <QSaveFile>
#include <optional>

namespace brenvik {

namespace {

struct Zeile {
    QString text;
    // Filled for "[name]" lines and for "key=value" lines.
    std::optional<QString> section;
    std::optional<QString> key;
    QString wert;
};

bool gleich(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

Zeile zerlegen(const QString& text) {
    Zeile z{text, {}, {}, {}};
    const QString t = text.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';'))) return z;
    if (t.startsWith(QLatin1Char('['))) {
        const qsizetype ende = t.indexOf(QLatin1Char(']'));
        if (ende > 0) {
            z.section = t.mid(1, ende - 1).trimmed();
            return z;
        }
    }
    const qsizetype gl = t.indexOf(QLatin1Char('='));
    if (gl <= 0) return z;
    z.key = t.left(gl).trimmed();
    QString w = t.mid(gl + 1).trimmed();
    if (w.size() >= 2 && (w.front() == QLatin1Char('"') || w.front() == QLatin1Char('\'')) &&
        w.back() == w.front())
        w = w.mid(1, w.size() - 2);
    z.wert = w;
    return z;
}

} // namespace

struct IniDatei::Inhalt {
    std::vector<Zeile> zeilen;
    QString zeilenende = QStringLiteral("\n");
    bool bom = false;
    bool vorhanden = false;

    // Lines [von, bis) of every section with that name, in file order.
    std::vector<std::pair<size_t, size_t>> bereiche(const QString& section) const {
        std::vector<std::pair<size_t, size_t>> r;
        for (size_t i = 0; i < zeilen.size(); ++i) {
            if (!zeilen[i].section || !gleich(*zeilen[i].section, section)) continue;
            size_t j = i + 1;
            while (j < zeilen.size() && !zeilen[j].section)
                ++j;
            r.emplace_back(i, j);
            i = j - 1;
        }
        return r;
    }
    std::optional<size_t> schluessel(const QString& section, const QString& key) const {
        for (auto [von, bis] : bereiche(section))
            for (size_t i = von + 1; i < bis; ++i)
                if (zeilen[i].key && gleich(*zeilen[i].key, key)) return i;
        return std::nullopt;
    }
};

IniDatei::IniDatei(QString dateiName) : FDateiName(MitSchraegstrich(dateiName)) {}

QString IniDatei::FileNameAufgeloest() const {
    return FDateiName.isEmpty() ? QString() : PfadOhneGrossKlein(FDateiName);
}

IniDatei::Inhalt IniDatei::laden() const {
    Inhalt in;
    if (FDateiName.isEmpty()) return in;
    QFile f(FileNameAufgeloest());
    if (!f.open(QIODevice::ReadOnly)) return in;
    QByteArray daten = f.readAll();
    in.vorhanden = true;
    if (daten.startsWith("\xEF\xBB\xBF")) {
        in.bom = true;
        daten.remove(0, 3);
    }
    if (daten.contains("\r\n")) in.zeilenende = QStringLiteral("\r\n");
    const QString text = QString::fromUtf8(daten);
    QStringList teile = text.split(QLatin1Char('\n'));
    if (!teile.isEmpty() && teile.back().isEmpty()) teile.removeLast();
    for (QString& t : teile) {
        if (t.endsWith(QLatin1Char('\r'))) t.chop(1);
        in.zeilen.push_back(zerlegen(t));
    }
    return in;
}

bool IniDatei::speichern(const Inhalt& in) const {
    if (FDateiName.isEmpty()) return false;
    QString text;
    for (const Zeile& z : in.zeilen)
        text += z.text + in.zeilenende;
    QByteArray daten = text.toUtf8();
    if (in.bom) daten.prepend("\xEF\xBB\xBF");
    QSaveFile f(FileNameAufgeloest());
    f.setDirectWriteFallback(true);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(daten) != daten.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

QString IniDatei::ReadString(const QString& section, const QString& key,
                             const QString& vorgabe) const {
    const Inhalt in = laden();
    const auto i = in.schluessel(section, key);
    return i ? in.zeilen[*i].wert : vorgabe;
}

int IniDatei::ReadInteger(const QString& section, const QString& key, int vorgabe) const {
    const QString s = ReadString(section, key).trimmed();
    bool ok = false;
    int v = s.toInt(&ok);
    if (!ok && (s.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)))
        v = s.mid(2).toInt(&ok, 16);
    else if (!ok && s.startsWith(QLatin1Char('$')))
        v = s.mid(1).toInt(&ok, 16);
    return ok ? v : vorgabe;
}

bool IniDatei::ReadBool(const QString& section, const QString& key, bool vorgabe) const {
    const QString s = ReadString(section, key).trimmed().toLower();
    bool ok = false;
    const int v = s.toInt(&ok);
    if (ok) return v != 0;
    if (s == QLatin1String("true") || s == QLatin1String("yes") || s == QLatin1String("on"))
        return true;
    if (s == QLatin1String("false") || s == QLatin1String("no") || s == QLatin1String("off"))
        return false;
    return vorgabe;
}

bool IniDatei::WriteString(const QString& section, const QString& key, const QString& wert) {
    if (key.trimmed().isEmpty()) return false;
    Inhalt in = laden();
    if (const auto i = in.schluessel(section, key)) {
        Zeile& z = in.zeilen[*i];
        z.text = *z.key + QLatin1Char('=') + wert;
        z.wert = wert;
        return speichern(in);
    }
    Zeile neu = zerlegen(key + QLatin1Char('=') + wert);
    const auto bereiche = in.bereiche(section);
    if (!bereiche.empty()) {
        // After the last non-blank line of the first section of that name.
        auto [von, bis] = bereiche.front();
        size_t nach = bis;
        while (nach > von + 1 && in.zeilen[nach - 1].text.trimmed().isEmpty())
            --nach;
        in.zeilen.insert(in.zeilen.begin() + std::ptrdiff_t(nach), neu);
    } else {
        in.zeilen.push_back(zerlegen(QLatin1Char('[') + section + QLatin1Char(']')));
        in.zeilen.push_back(neu);
    }
    return speichern(in);
}

bool IniDatei::WriteInteger(const QString& section, const QString& key, int wert) {
    return WriteString(section, key, QString::number(wert));
}

bool IniDatei::WriteBool(const QString& section, const QString& key, bool wert) {
    return WriteString(section, key, wert ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniDatei::DeleteKey(const QString& section, const QString& key) {
    Inhalt in = laden();
    const auto i = in.schluessel(section, key);
    if (!i) return true;
    in.zeilen.erase(in.zeilen.begin() + std::ptrdiff_t(*i));
    return speichern(in);
}

bool IniDatei::EraseSection(const QString& section) {
    Inhalt in = laden();
    auto bereiche = in.bereiche(section);
    if (bereiche.empty()) return true;
    for (auto it = bereiche.rbegin(); it != bereiche.rend(); ++it)
        in.zeilen.erase(in.zeilen.begin() + std::ptrdiff_t(it->first),
                        in.zeilen.begin() + std::ptrdiff_t(it->second));
    return speichern(in);
}

bool IniDatei::SectionExists(const QString& section) const {
    return !laden().bereiche(section).empty();
}

bool IniDatei::ValueExists(const QString& section, const QString& key) const {
    return laden().schluessel(section, key).has_value();
}

QStringList IniDatei::ReadSection(const QString& section) const {
    const Inhalt in = laden();
    QStringList keys;
    for (auto [von, bis] : in.bereiche(section))
        for (size_t i = von + 1; i < bis; ++i) {
            const auto& k = in.zeilen[i].key;
            if (!k) continue;
            bool schonDa = false;
            for (const QString& vorhanden : keys)
                schonDa = schonDa || gleich(vorhanden, *k);
            if (!schonDa) keys << *k;
        }
    return keys;
}

QStringList IniDatei::ReadSections() const {
    const Inhalt in = laden();
    QStringList r;
    for (const Zeile& z : in.zeilen) {
        if (!z.section) continue;
        bool schonDa = false;
        for (const QString& s : r)
            schonDa = schonDa || gleich(s, *z.section);
        if (!schonDa) r << *z.section;
    }
    return r;
}

} // namespace brenvik
