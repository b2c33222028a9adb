// VariantChangeType to VT_BSTR, spelled as the platform spells values under
// the en-US locale. The spelling does not follow the user's locale: a
// decimal comma would break the COBOL VALUE clauses built from it.
#include <charconv>
#include <cmath>
#include <cstdio>

#include "typelib/oleauto.h"

namespace qorvix {
namespace {

std::u16string Ascii(std::string_view text) {
    return std::u16string(text.begin(), text.end());
}

template <typename T>
std::u16string Integer(T value) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return Ascii(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

// printf's %.<digits>G in the C locale.
std::u16string Real(double value, int digits) {
    if (std::isnan(value)) return u"NaN";
    if (std::isinf(value)) return value < 0 ? u"-Infinity" : u"Infinity";
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c == 'e') c = 'E';
    }
    return Ascii(text);
}

std::u16string Currency(std::int64_t cy) {
    std::uint64_t magnitude =
        cy < 0 ? ~static_cast<std::uint64_t>(cy) + 1 : static_cast<std::uint64_t>(cy);
    std::string text = cy < 0 ? "-" : "";
    text += std::to_string(magnitude / 10000);
    std::uint64_t fraction = magnitude % 10000;
    if (fraction != 0) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04u", static_cast<unsigned>(fraction));
        std::string f = digits;
        while (f.back() == '0')
            f.pop_back();
        text += "." + f;
    }
    return Ascii(text);
}

bool Decimal(const DECIMAL& dec, std::u16string& out) {
    if (dec.scale > 28) return false;
    // 96-bit magnitude as three 32-bit limbs, most significant first.
    std::uint32_t limbs[3] = {dec.Hi32, static_cast<std::uint32_t>(dec.Lo64 >> 32),
                              static_cast<std::uint32_t>(dec.Lo64)};
    std::string digits;
    auto isZero = [&] { return limbs[0] == 0 && limbs[1] == 0 && limbs[2] == 0; };
    while (!isZero()) {
        std::uint64_t remainder = 0;
        for (std::uint32_t& limb : limbs) {
            std::uint64_t current = (remainder << 32) | limb;
            limb = static_cast<std::uint32_t>(current / 10);
            remainder = current % 10;
        }
        digits.insert(digits.begin(), static_cast<char>('0' + remainder));
    }
    if (digits.empty()) {
        out.assign(1, u'0');
        return true;
    }
    if (digits.size() <= dec.scale) digits.insert(0, dec.scale - digits.size() + 1, '0');
    std::string whole = digits.substr(0, digits.size() - dec.scale);
    std::string fraction = digits.substr(digits.size() - dec.scale);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    std::string text = (dec.sign & 0x80) ? "-" : "";
    text += whole;
    if (!fraction.empty()) text += "." + fraction;
    out = Ascii(text);
    return true;
}

// Days since 1 January 1970 to a civil date (proleptic Gregorian).
void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    auto doe = static_cast<unsigned>(z - era * 146097);
    unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<std::int64_t>(yoe) + era * 400;
    unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    if (m <= 2) ++y;
}

bool Date(double date, std::u16string& out) {
    // The platform's range: 1 January 100 to 31 December 9999.
    if (!(date >= -657434.0 && date < 2958466.0)) return false;
    double whole = date < 0 ? std::ceil(date) : std::floor(date);
    double partial = date - whole;
    bool timeOnly = whole == 0.0;
    bool dateOnly = !timeOnly && partial > -1e-12 && partial < 1e-12;

    auto day = static_cast<std::int64_t>(whole);
    auto seconds = static_cast<std::int64_t>(std::llround(std::fabs(partial) * 86400.0));
    if (seconds >= 86400) {
        seconds -= 86400;
        day += date < 0 ? -1 : 1;
    }
    // Day 0 is 30 December 1899, 25569 days before 1 January 1970.
    std::int64_t year;
    unsigned month, dayOfMonth;
    CivilFromDays(day - 25569, year, month, dayOfMonth);

    char text[64] = "";
    std::string result;
    if (!timeOnly) {
        std::snprintf(text, sizeof text, "%u/%u/%lld", month, dayOfMonth,
                      static_cast<long long>(year));
        result = text;
    }
    if (!dateOnly) {
        int hour = static_cast<int>(seconds / 3600);
        int minute = static_cast<int>(seconds / 60 % 60);
        int second = static_cast<int>(seconds % 60);
        int hour12 = hour % 12 == 0 ? 12 : hour % 12;
        std::snprintf(text, sizeof text, "%d:%02d:%02d %s", hour12, minute, second,
                      hour < 12 ? "AM" : "PM");
        if (!result.empty()) result += " ";
        result += text;
    }
    out = Ascii(result);
    return true;
}

}  // namespace

void VariantInit(VARIANT* v) {
    if (v) *v = VARIANT{};
}

HRESULT VariantClear(VARIANT* v) {
    if (v) *v = VARIANT{};
    return S_OK;
}

HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, USHORT flags, VARTYPE vt) {
    (void)flags;
    if (!dest || !src) return E_INVALIDARG;
    if (vt != VT_BSTR) return E_NOTIMPL;
    std::u16string text;
    switch (src->vt) {
        case VT_EMPTY:
            break;
        case VT_I1:
            text = Integer(src->cVal());
            break;
        case VT_UI1:
            text = Integer(src->bVal());
            break;
        case VT_I2:
            text = Integer(src->iVal());
            break;
        case VT_UI2:
            text = Integer(src->uiVal());
            break;
        case VT_I4:
        case VT_INT:
            text = Integer(src->lVal());
            break;
        case VT_UI4:
        case VT_UINT:
            text = Integer(src->ulVal());
            break;
        case VT_I8:
            text = Integer(src->llVal);
            break;
        case VT_UI8:
            text = Integer(src->ullVal);
            break;
        case VT_BOOL:
            text = Integer(src->boolVal());
            break;
        case VT_R4:
            text = Real(static_cast<double>(src->fltVal), 7);
            break;
        case VT_R8:
            text = Real(src->dblVal, 15);
            break;
        case VT_CY:
            text = Currency(src->cyVal);
            break;
        case VT_DATE:
            if (!Date(src->date, text)) return E_INVALIDARG;
            break;
        case VT_DECIMAL:
            if (!Decimal(src->decVal, text)) return E_INVALIDARG;
            break;
        case VT_BSTR:
            // A null string (a constant such as vbNullString) comes out as
            // the empty string, as on the platform.
            text = src->bstrVal.value_or(std::u16string());
            break;
        // An IUnknown has no text (a mismatch). An IDispatch would be asked
        // for its value, but a stored default holds no object to ask, so the
        // platform refuses the type.
        case VT_NULL:
        case VT_ERROR:
        case VT_VARIANT:
        case VT_UNKNOWN:
            return DISP_E_TYPEMISMATCH;
        case VT_DISPATCH:
        default:
            return DISP_E_BADVARTYPE;
    }
    VARIANT result;
    result.vt = VT_BSTR;
    result.bstrVal = std::move(text);
    *dest = std::move(result);
    return S_OK;
}

}  // namespace qorvix
