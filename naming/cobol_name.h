// COBOL identifiers made from type-library names, and the text helpers the
// writers share.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/locale_text.h"  // WideToAnsi, AnsiToWide
#include "typelib/typelib.h"

namespace qorvix {

// Appends blanks up to `column`, or, when the text is already that long, to
// the next stop of column + k * step beyond it; at least one blank. Columns
// count from `start`, for a line that ends a longer text.
void PadToColumn(std::string& text, std::size_t column, std::size_t step, std::size_t start = 0);

// The reserved-word check of the run-time system: upper-case text and its
// length in bytes; non-zero for a reserved word. Null while the service is
// absent.
using ReservedWordCheck = int (*)(const char* text, int length);

// The one rule by which library text becomes a COBOL word: every character
// that cannot stand in a word (controls, blanks and separators of any script,
// quotes and the other ASCII punctuation but '-' and '_') becomes '-', and a
// word neither starts nor ends with '-'. The locale's own letters
// stay. CobolWord applies it to text already in the locale's character set
// (nothing is cut, the result may be empty); MemberWordBytes converts a name
// with every such character as '-' and leaves the ends to the caller.
std::string CobolWord(std::string_view text);
void MemberWordBytes(const Bstr& name, std::string& out);

// The word of a type-library name without the reserved-word check: the rule
// above, with underscores and periods as hyphens, at most 31 bytes; false
// when nothing is left.
bool CobolNameWord(const Bstr& name, std::string& word);

// Names the user-defined types of type text.
class TypeNamer {
  public:
    virtual ~TypeNamer() = default;
    // The name of `type` when it is known already.
    virtual bool Known(ITypeInfo& type, std::string& name) = 0;
    // The COBOL name of `type`, whose own name is `name`.
    virtual std::string NameOf(ITypeInfo& type, const Bstr& name) = 0;
};

// What the names of one run share: the counter of made-up names, which
// only grows, so that the made-up names of a second generation (and of the
// browser's type texts) go on from the first; and the reserved-word check
// of the run-time system. The application owns one and hands it down to
// every generation and to the browser. As a TypeNamer it names each type
// afresh, as the browser shows them.
class CobolNaming final : public TypeNamer {
  public:
    explicit CobolNaming(ReservedWordCheck check = nullptr) : m_check(check) {}
    CobolNaming(const CobolNaming&) = delete;
    CobolNaming& operator=(const CobolNaming&) = delete;

    void SetReservedWordCheck(ReservedWordCheck check) { m_check = check; }
    // Takes over `other`'s check and its next made-up number: a look ahead
    // at the names a generation will give, without using up `other`'s.
    void StartFrom(const CobolNaming& other) {
        m_check = other.m_check;
        m_counter = other.m_counter;
    }

    // A COBOL user-defined word for a type-library name: CobolNameWord, and,
    // with `check` and the service present, "-CBL" after a reserved word. A
    // name with nothing left becomes QORVIX<n>.
    std::string MakeCobolName(const Bstr& name, bool check);
    void MakeCobolName(const Bstr& name, bool check, std::string& out);
    // The next made-up name.
    std::string MadeUpName();
    // The word, or its first 26 bytes and "-CBL" when it is reserved.
    void CheckReserved(std::string& word) const;
    // How many names were made up so far.
    int MadeUpNameCounter() const { return m_counter; }

    bool Known(ITypeInfo& type, std::string& name) override;
    std::string NameOf(ITypeInfo& type, const Bstr& name) override;

  private:
    ReservedWordCheck m_check;
    int m_counter = 0;
};

// The first `bytes` bytes of a text without splitting a character.
std::string CutName(std::string_view text, std::size_t bytes);

}  // namespace qorvix
