// The satellite translation: a Qt translation file beside the executable,
// named with the language table's extension (qorvix.deu). It translates the
// dialogs and the string table.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include "resources/string_table.h"

namespace qorvix {

// The string table through a translator; an entry the translation lacks
// falls back to the built-in text.
class TranslatedStrings final : public StringTable {
  public:
    explicit TranslatedStrings(const QTranslator& translator) : m_translator(translator) {}
    std::string Load(int id) const override;

  private:
    const QTranslator& m_translator;
};

// The built-in texts of the string table, as the translation tools see
// them (context "StringTable").
QStringList StringTableSources();

// The language of Qt's own translations (qtbase_<language>.qm) that go with
// a satellite, by its extension ("fra" -> "fr"); empty for an extension
// the language table does not know.
QString QtLanguageOfSatellite(const QString& extension);

}  // namespace qorvix
