// How text from a library becomes part of a COBOL line: comment text,
// member names, file names and literals.
#include "cobolgen/literals.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cwctype>
#include <vector>

#include "cobolgen/fixed_format.h"
#include "naming/hresult_names.h"
#include "platform/locale_text.h"

namespace qorvix {

std::string OneLine(std::string_view text) {
    std::string line(text);
    MakeOneLine(line);
    return line;
}

void MakeOneLine(std::string& line) {
    bool ascii = true;
    for (char& c : line) {
        auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) c = ' ';
        if (b >= 0x80) ascii = false;
    }
    if (ascii) return;
    // Editors also end a line at the C1 controls (NEL among them) and at
    // the Unicode line and paragraph separators; which bytes those are
    // depends on the locale's character set.
    std::u16string wide = AnsiToWide(line);
    bool changed = false;
    for (char16_t& c : wide) {
        if ((c >= 0x80 && c <= 0x9F) || c == 0x2028 || c == 0x2029) {
            c = u' ';
            changed = true;
        }
    }
    if (changed) line = WideToAnsi(wide);
}

std::string ClassFileStem(const std::string& interfaceName) {
    std::u16string wide = AnsiToWide(interfaceName);
    for (char16_t& c : wide) {
        if (c == u'/' || c == u'\\' || c < 0x20 || c == 0x7F) {
            c = u'_';
        } else {
            c = static_cast<char16_t>(std::towlower(c));
        }
    }
    return WideToAnsi(wide);
}

std::string Quoted(std::string_view text) {
    std::string literal = "\"";
    for (char c : text) {
        literal += c;
        if (c == '"') literal += c;
    }
    return literal + "\"";
}

namespace {

// The first part of a literal's body (its quotes doubled) for a line with
// `room` bytes: whole characters, no doubled quote split, and, where it can
// be, not ending on a quote, which a reader could take for the literal's
// end, or on a blank, which an editor could drop.
std::string_view LiteralPart(std::string_view body, std::size_t room) {
    std::size_t size = CutToBytes(body, room).size();
    std::size_t end = size;
    while (end > 0 && (body[end - 1] == '"' || body[end - 1] == ' '))
        --end;
    if (end > 0) return body.substr(0, end);
    std::size_t quotes = 0;
    while (quotes < size && body[size - 1 - quotes] == '"')
        ++quotes;
    return body.substr(0, size - quotes % 2);
}

}  // namespace

std::string CopyStatement(std::string_view copyFileName) {
    const std::string literal = Quoted(copyFileName);
    std::string line = "         copy ";
    if (line.size() + literal.size() + 1 <= kLastCodeColumn) return line + literal + ".\n";
    // Too long for its line: the literal runs to column 72 and goes on in
    // continuation lines, each with a hyphen in column 7 and the rest after
    // a quote. Blanks before a part's opening quote fill what the part
    // leaves free, so that every part ends in column 72.
    std::string_view rest(literal);
    rest = rest.substr(1, rest.size() - 2);
    std::string lines;
    while (line.size() + 1 + rest.size() + 2 > kLastCodeColumn) {
        std::size_t room = kLastCodeColumn - line.size() - 1;
        // The last line keeps at least one character.
        std::string_view part = LiteralPart(rest, std::min(room, rest.size() - 1));
        if (part.empty()) break;
        lines += line + std::string(room - part.size(), ' ') + "\"" + std::string(part) + "\n";
        rest.remove_prefix(part.size());
        line = "      -    ";
    }
    return lines + line + "\"" + std::string(rest) + "\".\n";
}

bool MemberName(ITypeInfo& info, MEMBERID memid, CobolNaming& naming, WordScope& scope,
                std::string& name) {
    std::vector<Bstr> names;
    if (FAILED(info.GetNames(memid, names, 1)) || names.empty()) return false;
    name = scope.Claim(naming.MakeCobolName(names[0], true));
    return true;
}

bool ValueText(const VARIANT& value, std::string& text) {
    VARIANT converted;
    HRESULT hr = VariantChangeType(&converted, &value, 0, VT_BSTR);
    std::u16string wide;
    if (SUCCEEDED(hr)) {
        wide = converted.bstrVal.value_or(std::u16string());
    } else if (value.vt == VT_ERROR || value.vt == VT_HRESULT) {
        std::string name = HRESULTToString(value.scode());
        wide.assign(name.begin(), name.end());
    } else {
        return false;
    }
    std::size_t nul = wide.find(u'\0');
    if (nul != std::u16string::npos) wide.resize(nul);
    text = WideToAnsi(wide);
    return true;
}

namespace {

// Runs of plain bytes as quoted text and of the others as hexadecimal,
// joined with "&". With `terminated`, a literal ends in a zero byte: a
// z-literal when all bytes are plain, otherwise "00" after a last
// hexadecimal run (a last quoted run gets none).
std::string Runs(std::string_view raw, bool (*plain)(unsigned char), bool terminated) {
    std::string out;
    bool inQuotes = false;
    bool allPlain = true;
    for (std::size_t k = 0; k < raw.size(); ++k) {
        auto byte = static_cast<unsigned char>(raw[k]);
        if (plain(byte)) {
            if (k == 0) {
                out += "\"";
            } else if (!inQuotes) {
                out += "\" & \"";
            }
            out += byte == '"' ? std::string("\"\"") : std::string(1, static_cast<char>(byte));
            inQuotes = true;
        } else {
            if (k == 0) {
                out += "x\"";
            } else if (inQuotes) {
                out += "\" & x\"";
            }
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02x", byte);
            out += hex;
            if (terminated && k + 1 == raw.size()) out += "00";
            inQuotes = false;
            allPlain = false;
        }
    }
    out += "\"";
    if (terminated && allPlain) out = "z" + out;
    return out;
}

bool IsPrintable(unsigned char byte) {
    return std::isprint(byte) != 0;
}

// What may stand in a quoted literal: anything but the control bytes,
// which would end or break the line.
bool IsNoControl(unsigned char byte) {
    return byte >= 0x20 && byte != 0x7F;
}

}  // namespace

std::string StringLiteral(const std::string& raw) {
    return Runs(raw, IsPrintable, true);
}

std::string ConditionValue(VARTYPE vt, const std::string& raw) {
    if (vt == VT_BSTR) return raw.empty() ? "\"\"" : Runs(raw, IsNoControl, false);
    // A date is spelled with blanks and colons, and a real that is not a
    // number with words: literals only in quotes.
    if (vt == VT_DATE) return "\"" + raw + "\"";
    if ((vt == VT_R4 || vt == VT_R8) && (raw == "NaN" || raw == "Infinity" || raw == "-Infinity"))
        return "\"" + raw + "\"";
    // A floating-point literal has a decimal point before its exponent.
    std::size_t exponent = raw.find('E');
    if ((vt == VT_R4 || vt == VT_R8) && exponent != std::string::npos &&
        raw.find('.') == std::string::npos) {
        return raw.substr(0, exponent) + ".0" + raw.substr(exponent);
    }
    return raw;
}

}  // namespace qorvix
