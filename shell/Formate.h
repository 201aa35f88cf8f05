#pragma once
// Process-wide date, time and number formats (German conventions).

#include <QChar>
#include <QString>

namespace brenvik {

struct Formateinstellungen {
    // In the notation of the settings files ("dd.mm.yyyy").
    QString kurzesDatumsFormat = QStringLiteral("dd.mm.yyyy");
    QChar datumsTrenner = QLatin1Char('.');
    QChar zeitTrenner = QLatin1Char(':');
    QChar dezimalTrenner = QLatin1Char(',');
};

Formateinstellungen& ProgrammFormate();

} // namespace brenvik
