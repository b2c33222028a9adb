// The COBOL words of one generation: which words a scope already holds, and
// the one name of each type.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "naming/cobol_name.h"
#include "typelib/typelib.h"

namespace qorvix {

// The words of one COBOL scope: the level-01 and level-78 entries of a copy
// file, the condition names of one enumeration, the methods of one class.
// COBOL does not tell letter cases apart, so neither does the scope.
class WordScope {
  public:
    // Claims prefix + stem + suffix, the stem cut so that the whole stays
    // within `limit` bytes; a word never ends in a hyphen. When that word is
    // taken, the stem, cut shorter, is followed by "-2", "-3", ... (before
    // the suffix), and the first free word is claimed; `tag`, when given,
    // takes that "-2", "-3", ... (empty for the first word).
    std::string Claim(std::string_view stem, std::size_t limit = 31, std::string_view prefix = {},
                      std::string_view suffix = {}, std::string* tag = nullptr);
    // Claims exactly `word`; false (nothing claimed) when it is taken.
    bool Take(std::string_view word);
    bool Has(std::string_view word) const;
    // Forgets every word (keeping the room they took).
    void Clear() {
        m_few.clear();
        m_many.clear();
    }

    // Equality and hashing that do not tell ASCII letter cases apart.
    struct SameWord {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    struct WordHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view word) const;
    };

  private:
    // A scope of a few words (a method's linkage, an enumeration) is
    // searched in a list; a larger one in a set.
    std::vector<std::string> m_few;
    std::unordered_set<std::string, WordHash, SameWord> m_many;
};

// The COBOL names of one generation's types. A type is named once, by its
// place in its library, so that its declaration and every reference to it
// use one word, made-up names included. The types that a copy file declares
// at level 01 are named before anything is written, in the order of the
// file, and each takes a word that no earlier entry of the file has.
class TypeNames final : public TypeNamer {
  public:
    // Made-up names and the reserved-word check come from the run's `naming`.
    explicit TypeNames(CobolNaming& naming);
    // Names `type` and claims its word in Words().
    void Declare(ITypeInfo& type, const Bstr& name);
    bool Known(ITypeInfo& type, std::string& name) override;
    // The name with the reserved-word check.
    std::string NameOf(ITypeInfo& type, const Bstr& name) override;
    // The name without the check (the IID constants and their comments).
    std::string PlainNameOf(ITypeInfo& type, const Bstr& name);
    // Claims the word of the pointer typedef of `type`, declared as `name`:
    // its name with "-PTR", within 31 characters. A name that took a number
    // to be unique keeps it, so that the typedef names its own type.
    std::string PointerName(ITypeInfo& type, const std::string& name);
    // The copy file's level-01 and level-78 words.
    WordScope& Words() { return m_words; }

  private:
    struct Entry {
        std::string name;
        std::string plain;
        bool declared = false;
        // A declared name that took a number: the name it was made from,
        // and its "-2", "-3", ...
        std::string stem;
        std::string tag;
    };
    Entry Make(const Bstr& name);
    // The entry of a type, made on first sight; `made`, filled afresh, when
    // the type has no place in a library.
    Entry& Find(ITypeInfo& type, const Bstr& name, Entry& made);
    // The key of a type: its library and its place there.
    static bool KeyOf(ITypeInfo& type, ComPtr<ITypeLib>& lib, UINT& index);

    CobolNaming& m_naming;
    std::map<std::pair<const ITypeLib*, UINT>, Entry> m_entries;
    // Held so that no other library can take a known library's address.
    std::vector<ComPtr<ITypeLib>> m_libraries;
    WordScope m_words;
};

}  // namespace qorvix
