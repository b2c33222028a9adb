#include "naming/cobol_name.h"

#include <array>
#include <cctype>

#include "platform/locale_text.h"

namespace qorvix {
namespace {

constexpr std::size_t kMaxName = 31;
constexpr std::size_t kReservedStem = 26;

}  // namespace

void PadToColumn(std::string& text, std::size_t column, std::size_t step, std::size_t start) {
    std::size_t size = text.size() - start;
    std::size_t target = column;
    if (size >= column) {
        std::size_t steps = (size - column) / step + 1;
        target = column + steps * step;
    }
    text.append(target - size, ' ');
}

std::string CutName(std::string_view text, std::size_t bytes) {
    return CutToBytes(text, bytes);
}

namespace {

// ASCII letters and digits, and the bytes of characters beyond ASCII (the
// locale's own letters). Not std::isalnum, which follows the user's locale.
bool IsLetterOrDigit(unsigned char b) {
    return b >= 0x80 || (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

void TrimWordEnds(std::string& text) {
    std::size_t last = text.find_last_not_of('-');
    text.erase(last == std::string::npos ? 0 : last + 1);
    text.erase(0, text.find_first_not_of('-'));
}

// Characters beyond ASCII that end a line or a word somewhere: the C1
// controls, and blanks and separators of other scripts.
bool BreaksWords(char16_t c) {
    return (c >= 0x80 && c <= 0xA0) || c == 0x1680 || (c >= 0x2000 && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202F) || (c >= 0x205F && c <= 0x206F) || c == 0x3000 ||
           c == 0xFEFF;
}

// A name in the locale's character set with every character that cannot
// stand in a word as a hyphen; with `underscores`, '_' is one of them.
void WordBytes(const Bstr& name, bool underscores, std::string& text) {
    // What each ASCII character becomes, with and without underscores.
    static const auto kAscii = [] {
        std::array<std::array<char, 128>, 2> table{};
        for (int c = 0; c < 128; ++c) {
            bool keep = IsLetterOrDigit(static_cast<unsigned char>(c));
            table[0][c] = keep || c == '_' ? static_cast<char>(c) : '-';
            table[1][c] = keep ? static_cast<char>(c) : '-';
        }
        return table;
    }();
    const std::array<char, 128>& ascii = kAscii[underscores ? 1 : 0];
    std::u16string_view view = name ? std::u16string_view(*name) : std::u16string_view();
    // ASCII, as nearly every name is, has the same bytes in any locale.
    text.resize(view.size());
    for (std::size_t i = 0; i < view.size(); ++i) {
        char16_t c = view[i];
        if (c >= 0x80) {
            std::u16string wide(view);
            for (char16_t& w : wide) {
                if (BreaksWords(w)) w = u'-';
            }
            WideToAnsi(wide, text);
            for (char& b : text) {
                if (static_cast<unsigned char>(b) < 0x80) b = ascii[static_cast<unsigned char>(b)];
            }
            return;
        }
        text[i] = ascii[c];
    }
}

}  // namespace

std::string CobolWord(std::string_view text) {
    std::string word(text);
    for (char& c : word) {
        auto b = static_cast<unsigned char>(c);
        if (!IsLetterOrDigit(b) && b != '_') c = '-';
    }
    TrimWordEnds(word);
    return word;
}

bool CobolNameWord(const Bstr& name, std::string& word) {
    WordBytes(name, true, word);
    TrimWordEnds(word);
    // The cut may end on a hyphen, which no word may end with.
    if (word.size() > kMaxName) {
        word = CutToBytes(word, kMaxName);
        TrimWordEnds(word);
    }
    return !word.empty();
}

void MemberWordBytes(const Bstr& name, std::string& out) {
    WordBytes(name, false, out);
}

std::string CobolNaming::MadeUpName() {
    return "QORVIX" + std::to_string(m_counter++);
}

void CobolNaming::CheckReserved(std::string& word) const {
    if (!m_check) return;
    // Reserved words are ASCII: other bytes can stay as they are. A word
    // fits a buffer on the stack (it is checked for every parameter).
    char buffer[kMaxName + 1];
    std::string longer;
    char* upper = buffer;
    if (word.size() > kMaxName) {
        longer.resize(word.size());
        upper = longer.data();
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = word[i];
        upper[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    upper[word.size()] = '\0';
    if (m_check(upper, static_cast<int>(word.size())) != 0) {
        word = CutToBytes(word, kReservedStem) + "-CBL";
    }
}

std::string CobolNaming::MakeCobolName(const Bstr& name, bool check) {
    std::string word;
    MakeCobolName(name, check, word);
    return word;
}

void CobolNaming::MakeCobolName(const Bstr& name, bool check, std::string& out) {
    if (!CobolNameWord(name, out)) {
        out = MadeUpName();
    } else if (check) {
        CheckReserved(out);
    }
}

bool CobolNaming::Known(ITypeInfo& type, std::string& name) {
    (void)type;
    (void)name;
    return false;
}

std::string CobolNaming::NameOf(ITypeInfo& type, const Bstr& name) {
    (void)type;
    return MakeCobolName(name, true);
}

}  // namespace qorvix
