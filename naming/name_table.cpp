#include "naming/name_table.h"

#include <algorithm>

#include "naming/cobol_name.h"
#include "platform/locale_text.h"

namespace qorvix {
namespace {

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr std::size_t kFewWords = 16;

// The stem cut to `room` bytes; when it ends the word or a number follows,
// without the hyphens or underscores a word may not end with.
std::string_view CutStem(std::string_view stem, std::size_t room, bool trimEnd) {
    std::string_view cut = stem.substr(0, CutLength(stem, room));
    if (trimEnd) {
        while (!cut.empty() && (cut.back() == '-' || cut.back() == '_'))
            cut.remove_suffix(1);
    }
    return cut;
}

}  // namespace

bool WordScope::SameWord::operator()(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    }
    return true;
}

std::size_t WordScope::WordHash::operator()(std::string_view word) const {
    std::size_t hash = 14695981039346656037u;
    for (char c : word)
        hash = (hash ^ static_cast<unsigned char>(UpperAscii(c))) * 1099511628211u;
    return hash;
}

bool WordScope::Take(std::string_view word) {
    if (Has(word)) return false;
    if (m_many.empty() && m_few.size() < kFewWords) {
        if (m_few.empty()) m_few.reserve(4);
        m_few.emplace_back(word);
        return true;
    }
    for (std::string& few : m_few)
        m_many.insert(std::move(few));
    m_few.clear();
    m_many.emplace(word);
    return true;
}

std::string WordScope::Claim(std::string_view stem, std::size_t limit, std::string_view prefix,
                             std::string_view suffix, std::string* tag) {
    std::size_t fixed = prefix.size() + suffix.size();
    std::size_t room = limit > fixed ? limit - fixed : 0;
    std::string word;
    word.reserve(prefix.size() + std::min(room, stem.size()) + suffix.size());
    word += prefix;
    word += CutStem(stem, room, suffix.empty());
    word += suffix;
    std::string number;
    for (unsigned n = 2; !Take(word); ++n) {
        number = "-" + std::to_string(n);
        std::size_t shorter = room > number.size() ? room - number.size() : 0;
        word.assign(prefix).append(CutStem(stem, shorter, true)).append(number).append(suffix);
    }
    if (tag) *tag = std::move(number);
    return word;
}

bool WordScope::Has(std::string_view word) const {
    if (!m_many.empty()) return m_many.find(word) != m_many.end();
    SameWord same;
    for (const std::string& few : m_few) {
        if (same(few, word)) return true;
    }
    return false;
}

TypeNames::TypeNames(CobolNaming& naming) : m_naming(naming) {}

TypeNames::Entry TypeNames::Make(const Bstr& name) {
    Entry entry;
    if (!CobolNameWord(name, entry.plain)) {
        // One made-up name serves both forms.
        entry.plain = m_naming.MadeUpName();
        entry.name = entry.plain;
    } else {
        entry.name = entry.plain;
        m_naming.CheckReserved(entry.name);
    }
    return entry;
}

bool TypeNames::KeyOf(ITypeInfo& type, ComPtr<ITypeLib>& lib, UINT& index) {
    return SUCCEEDED(type.GetContainingTypeLib(lib, &index)) && lib;
}

bool TypeNames::Known(ITypeInfo& type, std::string& name) {
    ComPtr<ITypeLib> lib;
    UINT index = 0;
    if (!KeyOf(type, lib, index)) return false;
    auto found = m_entries.find(std::make_pair(static_cast<const ITypeLib*>(lib.Get()), index));
    if (found == m_entries.end()) return false;
    name = found->second.name;
    return true;
}

TypeNames::Entry& TypeNames::Find(ITypeInfo& type, const Bstr& name, Entry& made) {
    ComPtr<ITypeLib> lib;
    UINT index = 0;
    if (!KeyOf(type, lib, index)) {
        made = Make(name);
        return made;
    }
    auto key = std::make_pair(static_cast<const ITypeLib*>(lib.Get()), index);
    auto found = m_entries.find(key);
    if (found == m_entries.end()) {
        if (std::find(m_libraries.begin(), m_libraries.end(), lib) == m_libraries.end())
            m_libraries.push_back(lib);
        found = m_entries.emplace(key, Make(name)).first;
    }
    return found->second;
}

void TypeNames::Declare(ITypeInfo& type, const Bstr& name) {
    Entry made;
    Entry& entry = Find(type, name, made);
    if (entry.declared) return;
    std::string tag;
    std::string claimed = m_words.Claim(entry.name, 31, {}, {}, &tag);
    if (!tag.empty()) {
        entry.stem = std::move(entry.name);
        entry.tag = std::move(tag);
    }
    entry.name = std::move(claimed);
    entry.declared = true;
}

std::string TypeNames::PointerName(ITypeInfo& type, const std::string& name) {
    constexpr std::size_t kLimit = 31;
    ComPtr<ITypeLib> lib;
    UINT index = 0;
    if (KeyOf(type, lib, index)) {
        auto found = m_entries.find(std::make_pair(static_cast<const ITypeLib*>(lib.Get()), index));
        if (found != m_entries.end() && !found->second.tag.empty()) {
            // The stem cut as the type's own name was, before its number.
            const Entry& entry = found->second;
            std::string suffix = entry.tag + "-PTR";
            std::string word(CutStem(entry.stem, kLimit - suffix.size(), true));
            word += suffix;
            if (m_words.Take(word)) return word;
        }
    }
    return m_words.Claim(name, kLimit, "", "-PTR");
}

std::string TypeNames::NameOf(ITypeInfo& type, const Bstr& name) {
    Entry made;
    return Find(type, name, made).name;
}

std::string TypeNames::PlainNameOf(ITypeInfo& type, const Bstr& name) {
    Entry made;
    return Find(type, name, made).plain;
}

}  // namespace qorvix
