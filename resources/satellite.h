// The satellite: the translation beside the program, named with the
// language table's extension (qorvix.deu). It is a Qt translation file
// (.qm); the core reads it without Qt, so that a batch run speaks the
// user's language without loading the Qt libraries, and the dialogs' own
// translator is loaded from the same bytes.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "resources/string_table.h"

namespace qorvix {

class ByteSource;

class Satellite {
  public:
    Satellite();
    ~Satellite();

    // Reads the translation at `path`; false (and nothing loaded) when it
    // is not a regular file that holds one.
    bool Load(const std::string& path);
    // The same from bytes already in memory (copied).
    bool LoadBytes(std::string_view bytes, const std::string& extension = {});
    bool Loaded() const { return m_file != nullptr; }

    // The translation of `source` in `context`, in UTF-8; empty when the
    // satellite has none, or an empty one.
    std::string Translate(std::string_view context, std::string_view source) const;

    // The whole file, for a translator of Qt's own.
    std::string_view Bytes() const;
    // The extension of the file's name ("deu"): the language it speaks.
    const std::string& Extension() const { return m_extension; }

  private:
    bool Parse();
    std::string_view Message(std::uint32_t offset, std::string_view context,
                             std::string_view source) const;

    std::shared_ptr<const ByteSource> m_file;
    std::string_view m_hashes;    // (hash, offset) pairs, by hash
    std::string_view m_messages;  // the messages the offsets point into
    std::string m_extension;
};

// The string table in the satellite's language; a text it lacks is the
// built-in one.
class SatelliteStrings final : public StringTable {
  public:
    explicit SatelliteStrings(const Satellite& satellite) : m_satellite(satellite) {}
    std::string Load(int id) const override;

  private:
    const Satellite& m_satellite;
};

}  // namespace qorvix
