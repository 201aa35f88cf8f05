#pragma once
// Message boxes of the start-up. The output can be replaced, so that tests and
// headless runs see the texts without a window.

#include <QString>
#include <functional>

namespace brenvik {

enum class MeldungsArt { Information, Fehler };
using MeldungsAusgabe = std::function<void(MeldungsArt art, const QString& text)>;

// An empty function brings back the message boxes (or, without a widget
// application, standard error).
void MeldungsAusgabeSetzen(MeldungsAusgabe ausgabe);
void ZeigeMeldung(const QString& text);
void ZeigeFehlermeldung(const QString& text);

} // namespace brenvik
