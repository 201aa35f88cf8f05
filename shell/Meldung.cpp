#include "Meldung.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace brenvik {

namespace {
MeldungsAusgabe& ausgabe() {
    static MeldungsAusgabe a;
    return a;
}

void anzeigen(MeldungsArt art, const QString& text) {
    if (auto& a = ausgabe()) {
        a(art, text);
        return;
    }
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        const QString titel = QStringLiteral("Brenvik");
        if (art == MeldungsArt::Fehler)
            QMessageBox::critical(nullptr, titel, text);
        else
            QMessageBox::information(nullptr, titel, text);
        return;
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}
} // namespace

void MeldungsAusgabeSetzen(MeldungsAusgabe a) {
    ausgabe() = std::move(a);
}
void ZeigeMeldung(const QString& text) {
    anzeigen(MeldungsArt::Information, text);
}
void ZeigeFehlermeldung(const QString& text) {
    anzeigen(MeldungsArt::Fehler, text);
}

} // namespace brenvik
