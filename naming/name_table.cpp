#include "naming/name_table.h"

#include "naming/cobol_name.h"

namespace qorvix {
namespace {

std::string Upper(std::string_view word) {
    std::string upper(word);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

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

std::string WordScope::Claim(std::string_view stem, std::size_t limit, std::string_view prefix,
                             std::string_view suffix) {
    std::size_t fixed = prefix.size() + suffix.size();
    std::size_t room = limit > fixed ? limit - fixed : 0;
    std::string word =
        std::string(prefix) + CutStem(stem, room, suffix.empty()) + std::string(suffix);
    for (unsigned n = 2; !m_taken.insert(Upper(word)).second; ++n) {
        std::string tag = "-" + std::to_string(n);
        std::size_t shorter = room > tag.size() ? room - tag.size() : 0;
        word = std::string(prefix) + CutStem(stem, shorter, true) + tag + std::string(suffix);
    }
    return word;
}

bool WordScope::Take(std::string_view word) {
    return m_taken.insert(Upper(word)).second;
}

bool WordScope::Has(std::string_view word) const {
    return m_taken.count(Upper(word)) != 0;
}

TypeNames::TypeNames() {
    for (const char* word : kHeadWords)
        m_words.Claim(word);
}

TypeNames::Entry TypeNames::Make(const Bstr& name) {
    Entry entry;
    if (!CobolNameWord(name, entry.plain)) {
        // One made-up name serves both forms.
        entry.plain = MadeUpName();
        entry.name = entry.plain;
    } else {
        entry.name = CheckReserved(entry.plain);
    }
    return entry;
}

bool TypeNames::Find(ITypeInfo& type, const Bstr& name, Entry*& entry, Entry& made) {
    ComPtr<ITypeLib> lib;
    UINT index = 0;
    if (FAILED(type.GetContainingTypeLib(lib, &index)) || !lib) {
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
