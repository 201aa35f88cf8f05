#pragma once
// Path helpers: the installation is described with Windows habits (names in any
// letter case, "\" as separator), the file system here is case-sensitive.

#include <QString>

namespace brenvik {

// "\" becomes "/".
QString MitSchraegstrich(const QString& pfad);
// Without trailing separator ("/" itself stays).
QString OhneEndTrenner(const QString& pfad);
// Each existing component is replaced by the entry of its folder whose name
// matches without regard to case; the first missing component and the rest
// stay as given. An exact match is preferred.
QString PfadOhneGrossKlein(const QString& pfad);
// True for an existing folder, looked up without regard to case.
bool OrdnerExistiert(const QString& pfad);
bool DateiExistiert(const QString& pfad);
// Creates the folder with all missing parents, reusing existing components
// of any letter case. True if the folder exists afterwards.
bool OrdnerAnlegen(const QString& pfad);

} // namespace brenvik

namespace brenvik {

// Name of the installation's main settings file.
inline constexpr const char* kHauptIniName = "Kelvanta.Ini";
// The folder two levels above `programmOrdner` if it holds the main settings
// file (any letter case), else empty.
QString HauptIniOrdner(const QString& programmOrdner);

} // namespace brenvik
