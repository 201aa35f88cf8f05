#include "PfadHilfe.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace brenvik {

QString MitSchraegstrich(const QString& pfad) {
    QString p = pfad;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

QString OhneEndTrenner(const QString& pfad) {
    QString p = pfad;
    while (p.size() > 1 && (p.endsWith(QLatin1Char('/')) || p.endsWith(QLatin1Char('\\'))))
        p.chop(1);
    return p;
}

QString PfadOhneGrossKlein(const QString& pfad) {
    const QString p = MitSchraegstrich(pfad);
    if (p.isEmpty() || QFileInfo::exists(p)) return p;
    const bool absolut = p.startsWith(QLatin1Char('/'));
    const QStringList teile = p.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString bisher = absolut ? QStringLiteral("/") : QString();
    for (qsizetype i = 0; i < teile.size(); ++i) {
        const QString& teil = teile[i];
        const QString ordner = bisher.isEmpty() ? QStringLiteral(".") : bisher;
        auto verbinden = [&](const QString& name) {
            if (bisher.isEmpty()) return name;
            return bisher.endsWith(QLatin1Char('/')) ? bisher + name
                                                     : bisher + QLatin1Char('/') + name;
        };
        if (teil == QLatin1String(".") || teil == QLatin1String("..") ||
            QFileInfo::exists(verbinden(teil))) {
            bisher = verbinden(teil);
            continue;
        }
        QString gefunden;
        const QStringList eintraege = QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
        for (const QString& e : eintraege)
            if (e.compare(teil, Qt::CaseInsensitive) == 0) {
                gefunden = e;
                break;
            }
        if (gefunden.isEmpty()) {
            // The rest does not exist in any case; keep it as given.
            QStringList rest = teile.mid(i);
            return verbinden(rest.join(QLatin1Char('/')));
        }
        bisher = verbinden(gefunden);
    }
    return bisher;
}

bool OrdnerExistiert(const QString& pfad) {
    if (pfad.isEmpty()) return false;
    return QFileInfo(PfadOhneGrossKlein(pfad)).isDir();
}

bool DateiExistiert(const QString& pfad) {
    if (pfad.isEmpty()) return false;
    return QFileInfo(PfadOhneGrossKlein(pfad)).isFile();
}

bool OrdnerAnlegen(const QString& pfad) {
    if (pfad.isEmpty()) return false;
    const QString p = PfadOhneGrossKlein(pfad);
    if (QFileInfo(p).isDir()) return true;
    return QDir().mkpath(p) && QFileInfo(p).isDir();
}

} // namespace brenvik

namespace brenvik {

QString HauptIniOrdner(const QString& programmOrdner) {
    if (programmOrdner.isEmpty()) return QString();
    const QString ordner =
        QDir::cleanPath(MitSchraegstrich(programmOrdner) + QStringLiteral("/../.."));
    if (!DateiExistiert(ordner + QLatin1Char('/') + QLatin1String(kHauptIniName))) return QString();
    return PfadOhneGrossKlein(ordner);
}

} // namespace brenvik
