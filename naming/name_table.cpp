#include "naming/name_table.h"

#include "naming/cobol_name.h"

namespace qorvix {
namespace {

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr std::size_t kFewWords = 16;

// The stem cut to `room` bytes; when it ends the word or a number follows,
// without the hyphens or underscores a word may not end with.
std::string CutStem(std::string_view stem, std::size_t room, bool trimEnd) {
    std::string cut = CutName(stem, room);
    if (trimEnd) {
        while (!cut.empty() && (cut.back() == '-' || cut.back() == '_'))
            cut.pop_back();
    }
    return cut;
}

// The standard types at the head of every copy file.
constexpr const char* kHeadWords[] = {"IUnknown-ptr", "IDispatch-ptr", "LPWSTR", "LPSTR",
                                      "OLEDATE",      "HRESULT",       "int64",  "uint64"};

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

bool WordScope::Insert(std::string_view word) {
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
                             std::string_view suffix) {
    std::size_t fixed = prefix.size() + suffix.size();
    std::size_t room = limit > fixed ? limit - fixed : 0;
    std::string word;
    word.reserve(prefix.size() + std::min(room, stem.size()) + suffix.size());
    word += prefix;
    word += CutStem(stem, room, suffix.empty());
    word += suffix;
    for (unsigned n = 2; !Insert(word); ++n) {
        std::string tag = "-" + std::to_string(n);
        std::size_t shorter = room > tag.size() ? room - tag.size() : 0;
        word = std::string(prefix) + CutStem(stem, shorter, true) + tag + std::string(suffix);
    }
    return word;
}

bool WordScope::Take(std::string_view word) {
    return Insert(word);
}

bool WordScope::Has(std::string_view word) const {
    if (!m_many.empty()) return m_many.find(word) != m_many.end();
    SameWord same;
    for (const std::string& few : m_few) {
        if (same(few, word)) return true;
    }
    return false;
}

TypeNames::TypeNames(CobolNaming& naming) : m_naming(naming) {
    for (const char* word : kHeadWords)
        m_words.Claim(word);
}

TypeNames::Entry TypeNames::Make(const Bstr& name) {
    Entry entry;
    if (!CobolNameWord(name, entry.plain)) {
        // One made-up name serves both forms.
        entry.plain = m_naming.MadeUpName();
        entry.name = entry.plain;
    } else {
        entry.name = m_naming.CheckReserved(entry.plain);
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

bool TypeNames::Find(ITypeInfo& type, const Bstr& name, Entry*& entry, Entry& made) {
    ComPtr<ITypeLib> lib;
    UINT index = 0;
    if (!KeyOf(type, lib, index)) {
        made = Make(name);
        entry = &made;
        return false;
    }
    auto key = std::make_pair(static_cast<const ITypeLib*>(lib.Get()), index);
    auto found = m_entries.find(key);
    if (found == m_entries.end()) {
        bool known = false;
        for (const ComPtr<ITypeLib>& held : m_libraries)
            known = known || held == lib;
        if (!known) m_libraries.push_back(lib);
        found = m_entries.emplace(key, Make(name)).first;
    }
    entry = &found->second;
    return true;
}

void TypeNames::Declare(ITypeInfo& type, const Bstr& name) {
    Entry made;
    Entry* entry = nullptr;
    Find(type, name, entry, made);
    if (entry->declared) return;
    entry->name = m_words.Claim(entry->name);
    entry->declared = true;
}

std::string TypeNames::NameOf(ITypeInfo& type, const Bstr& name) {
    Entry made;
    Entry* entry = nullptr;
    Find(type, name, entry, made);
    return entry->name;
}

std::string TypeNames::PlainNameOf(ITypeInfo& type, const Bstr& name) {
    Entry made;
    Entry* entry = nullptr;
    Find(type, name, entry, made);
    return entry->plain;
}

}  // namespace qorvix
