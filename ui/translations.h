// The satellite translation (resources/satellite.h) as the dialogs and the
// translation tools see it.
#pragma once

#include <QString>
#include <QStringList>

namespace qorvix {

// The built-in texts of the string table, as the translation tools see
// them (context "StringTable").
QStringList StringTableSources();

// The language of Qt's own translations (qtbase_<language>.qm) that go with
// a satellite, by its extension ("fra" -> "fr"); empty for an extension
// the language table does not know.
QString QtLanguageOfSatellite(const QString& extension);

}  // namespace qorvix
