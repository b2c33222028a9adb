// Values as text: the platform's spelling under en-US, whatever the locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <map>

#include "tests/support/fake_typelib.h"
#include "tests/support/json_value.h"
#include "tests/support/paths.h"
#include "typelib/codepage.h"
#include "typelib/oleauto.h"

namespace qorvix::test {
namespace {

VARIANT Decimal(std::uint8_t scale, bool negative, std::uint32_t hi, std::uint64_t lo) {
    VARIANT v;
    v.vt = VT_DECIMAL;
    v.decVal.scale = scale;
    v.decVal.sign = negative ? 0x80 : 0;
    v.decVal.Hi32 = hi;
    v.decVal.Lo64 = lo;
    return v;
}

struct Conversion {
    HRESULT hr;
    std::string text;  // UTF-8; "<null>" for no text
};

Conversion Convert(const VARIANT& v) {
    VARIANT out;
    HRESULT hr = VariantChangeType(&out, &v, 0, VT_BSTR);
    if (FAILED(hr)) return {hr, "<null>"};
    EXPECT_EQ(out.vt, VT_BSTR);
    return {hr, out.bstrVal ? Utf16ToUtf8(*out.bstrVal) : "<null>"};
}

// The samples of the platform's own conversions, by their labels.
std::map<std::string, VARIANT> Samples() {
    std::map<std::string, VARIANT> s;
    s["EMPTY"] = IntValue(VT_EMPTY, 0);
    s["NULL"] = IntValue(VT_NULL, 0);
    s["I1 -128"] = IntValue(VT_I1, -128);
    s["I1 0"] = IntValue(VT_I1, 0);
    s["I1 127"] = IntValue(VT_I1, 127);
    s["UI1 0"] = IntValue(VT_UI1, 0);
    s["UI1 255"] = IntValue(VT_UI1, 255);
    s["I2 -32768"] = IntValue(VT_I2, -32768);
    s["I2 32767"] = IntValue(VT_I2, 32767);
    s["UI2 65535"] = IntValue(VT_UI2, 65535);
    s["I4 -2147483648"] = IntValue(VT_I4, INT32_MIN);
    s["I4 2147483647"] = IntValue(VT_I4, INT32_MAX);
    s["I4 100"] = IntValue(VT_I4, 100);
    s["UI4 4294967295"] = IntValue(VT_UI4, 4294967295LL);
    s["I8 min"] = IntValue(VT_I8, INT64_MIN);
    s["I8 max"] = IntValue(VT_I8, INT64_MAX);
    s["UI8 max"] = IntValue(VT_UI8, -1);
    s["INT -2147483648"] = IntValue(VT_INT, INT32_MIN);
    s["INT 42"] = IntValue(VT_INT, 42);
    s["UINT 4294967295"] = IntValue(VT_UINT, 4294967295LL);
    s["R4 0"] = RealValue(VT_R4, 0);
    s["R4 1.5"] = RealValue(VT_R4, 1.5);
    s["R4 -0.1"] = RealValue(VT_R4, -0.1);
    s["R4 3.4028235e38"] = RealValue(VT_R4, 3.4028235e38);
    s["R4 1e-10"] = RealValue(VT_R4, 1e-10);
    s["R4 123456789"] = RealValue(VT_R4, 123456789);
    s["R8 0"] = RealValue(VT_R8, 0);
    s["R8 0.1"] = RealValue(VT_R8, 0.1);
    s["R8 -2.5"] = RealValue(VT_R8, -2.5);
    s["R8 1e100"] = RealValue(VT_R8, 1e100);
    s["R8 1e-100"] = RealValue(VT_R8, 1e-100);
    s["R8 3.141592653589793"] = RealValue(VT_R8, 3.141592653589793);
    s["R8 123456789012345678"] = RealValue(VT_R8, 123456789012345678.0);
    s["R8 1.7976931348623157e308"] = RealValue(VT_R8, 1.7976931348623157e308);
    s["CY 0"] = IntValue(VT_CY, 0);
    s["CY 1 (0.0001)"] = IntValue(VT_CY, 1);
    s["CY 12345678 (1234.5678)"] = IntValue(VT_CY, 12345678);
    s["CY -15000 (-1.5)"] = IntValue(VT_CY, -15000);
    s["CY INT64_MAX"] = IntValue(VT_CY, INT64_MAX);
    s["DATE 0"] = RealValue(VT_DATE, 0);
    s["DATE 1"] = RealValue(VT_DATE, 1);
    s["DATE 1.5"] = RealValue(VT_DATE, 1.5);
    s["DATE 36526.25"] = RealValue(VT_DATE, 36526.25);
    s["DATE -1"] = RealValue(VT_DATE, -1);
    s["DATE 2958465.99999"] = RealValue(VT_DATE, 2958465.99999);
    s["BOOL VARIANT_TRUE"] = IntValue(VT_BOOL, -1);
    s["BOOL VARIANT_FALSE"] = IntValue(VT_BOOL, 0);
    s["BOOL 1 (non-canonical)"] = IntValue(VT_BOOL, 1);
    s["DECIMAL 0"] = Decimal(0, false, 0, 0);
    s["DECIMAL 1.5"] = Decimal(1, false, 0, 15);
    s["DECIMAL -123.456"] = Decimal(3, true, 0, 123456);
    s["DECIMAL 1.00 (scale 2)"] = Decimal(2, false, 0, 100);
    s["DECIMAL 1e-28"] = Decimal(28, false, 0, 1);
    s["DECIMAL 2^96-1"] = Decimal(0, false, 0xFFFFFFFF, ~0ULL);
    s["ERROR 0x80004005"] = IntValue(VT_ERROR, static_cast<std::int32_t>(0x80004005));
    s["HRESULT 0x80004005"] = IntValue(VT_HRESULT, static_cast<std::int32_t>(0x80004005));
    VARIANT abc;
    abc.vt = VT_BSTR;
    abc.bstrVal = u"abc";
    s["BSTR abc"] = abc;
    VARIANT escapes;
    escapes.vt = VT_BSTR;
    escapes.bstrVal =
        std::u16string(u"a\0b\"\\\x01\u00e9\u20ac\U0001F600", 10) + char16_t(0xD800) + u"z";
    s["BSTR escapes"] = escapes;
    return s;
}

// The spellings the platform gives, written down so that the test holds
// without the shared samples.
TEST(VariantText, SpellsEveryValueTypeAsThePlatform) {
    auto samples = Samples();
    std::map<std::string, Conversion> expected = {
        {"EMPTY", {S_OK, ""}},
        {"NULL", {DISP_E_TYPEMISMATCH, "<null>"}},
        {"I1 -128", {S_OK, "-128"}},
        {"UI1 255", {S_OK, "255"}},
        {"I2 -32768", {S_OK, "-32768"}},
        {"UI2 65535", {S_OK, "65535"}},
        {"I4 -2147483648", {S_OK, "-2147483648"}},
        {"UI4 4294967295", {S_OK, "4294967295"}},
        {"I8 min", {S_OK, "-9223372036854775808"}},
        {"UI8 max", {S_OK, "18446744073709551615"}},
        {"INT 42", {S_OK, "42"}},
        {"UINT 4294967295", {S_OK, "4294967295"}},
        {"R4 -0.1", {S_OK, "-0.1"}},
        {"R4 3.4028235e38", {S_OK, "3.402823E+38"}},
        {"R4 1e-10", {S_OK, "1E-10"}},
        {"R4 123456789", {S_OK, "1.234568E+08"}},
        {"R8 0", {S_OK, "0"}},
        {"R8 1e100", {S_OK, "1E+100"}},
        {"R8 3.141592653589793", {S_OK, "3.14159265358979"}},
        {"R8 123456789012345678", {S_OK, "1.23456789012346E+17"}},
        {"CY 1 (0.0001)", {S_OK, "0.0001"}},
        {"CY -15000 (-1.5)", {S_OK, "-1.5"}},
        {"CY INT64_MAX", {S_OK, "922337203685477.5807"}},
        {"DATE 0", {S_OK, "12:00:00 AM"}},
        {"DATE 1", {S_OK, "12/31/1899"}},
        {"DATE 1.5", {S_OK, "12/31/1899 12:00:00 PM"}},
        {"DATE 36526.25", {S_OK, "1/1/2000 6:00:00 AM"}},
        {"DATE -1", {S_OK, "12/29/1899"}},
        {"DATE 2958465.99999", {S_OK, "12/31/9999 11:59:59 PM"}},
        {"BOOL VARIANT_TRUE", {S_OK, "-1"}},
        {"BOOL 1 (non-canonical)", {S_OK, "1"}},
        {"DECIMAL 0", {S_OK, "0"}},
        {"DECIMAL -123.456", {S_OK, "-123.456"}},
        {"DECIMAL 1.00 (scale 2)", {S_OK, "1"}},
        {"DECIMAL 1e-28", {S_OK, "0.0000000000000000000000000001"}},
        {"DECIMAL 2^96-1", {S_OK, "79228162514264337593543950335"}},
        {"ERROR 0x80004005", {DISP_E_TYPEMISMATCH, "<null>"}},
        {"HRESULT 0x80004005", {DISP_E_BADVARTYPE, "<null>"}},
        {"BSTR abc", {S_OK, "abc"}},
    };
    for (const auto& [label, want] : expected) {
        Conversion got = Convert(samples.at(label));
        EXPECT_EQ(got.hr, want.hr) << label;
        EXPECT_EQ(got.text, want.text) << label;
    }
    // A string keeps NULs and its full length.
    VARIANT out;
    ASSERT_EQ(VariantChangeType(&out, &samples.at("BSTR escapes"), 0, VT_BSTR), S_OK);
    EXPECT_EQ(out.bstrVal->size(), 12u);
    EXPECT_EQ((*out.bstrVal)[1], u'\0');
    // A null string (vbNullString) becomes the empty string, not a null one.
    VARIANT null;
    null.vt = VT_BSTR;
    ASSERT_EQ(VariantChangeType(&out, &null, 0, VT_BSTR), S_OK);
    EXPECT_EQ(out.bstrVal, std::u16string());
}

TEST(VariantText, DatesAtTheEdgesOfTheCalendar) {
    EXPECT_EQ(Convert(RealValue(VT_DATE, -657434)).text, "1/1/100");
    EXPECT_EQ(Convert(RealValue(VT_DATE, -1.25)).text, "12/29/1899 6:00:00 AM");
    EXPECT_EQ(Convert(RealValue(VT_DATE, 0.5)).text, "12:00:00 PM");
    EXPECT_EQ(Convert(RealValue(VT_DATE, 60)).text, "2/28/1900");
    EXPECT_EQ(Convert(RealValue(VT_DATE, 61)).text, "3/1/1900");
    EXPECT_EQ(Convert(RealValue(VT_DATE, 36585)).text, "2/29/2000");
    // Seconds round, and a day can roll over.
    EXPECT_EQ(Convert(RealValue(VT_DATE, 1.0 + 86399.6 / 86400.0)).text, "1/1/1900 12:00:00 AM");
    EXPECT_TRUE(FAILED(Convert(RealValue(VT_DATE, 2958466)).hr));
    EXPECT_TRUE(FAILED(Convert(RealValue(VT_DATE, -657435)).hr));
    EXPECT_TRUE(FAILED(Convert(RealValue(VT_DATE, std::nan(""))).hr));
}

TEST(VariantText, OtherTypesAndTargetsFail) {
    EXPECT_EQ(Convert(IntValue(VT_VARIANT, 0)).hr, DISP_E_TYPEMISMATCH);
    // Object defaults: the platform refuses IDispatch's type and mismatches
    // IUnknown's.
    EXPECT_EQ(Convert(IntValue(VT_DISPATCH, 0)).hr, DISP_E_BADVARTYPE);
    EXPECT_EQ(Convert(IntValue(VT_UNKNOWN, 0)).hr, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Convert(IntValue(VT_VOID, 0)).hr, DISP_E_BADVARTYPE);
    EXPECT_EQ(Convert(IntValue(VT_LPSTR, 0)).hr, DISP_E_BADVARTYPE);
    VARIANT out, in = IntValue(VT_I4, 1);
    EXPECT_EQ(VariantChangeType(&out, &in, 0, VT_I2), E_NOTIMPL);
    EXPECT_TRUE(FAILED(Convert(Decimal(29, false, 0, 1)).hr));
}

// A decimal comma would break the COBOL VALUE clauses made from these texts.
TEST(VariantText, IgnoresTheUsersLocale) {
    const char* german = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name)) {
            german = name;
            break;
        }
    }
    if (!german) GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(Convert(RealValue(VT_R8, -2.5)).text, "-2.5");
    EXPECT_EQ(Convert(RealValue(VT_R4, 1.5)).text, "1.5");
    EXPECT_EQ(Convert(IntValue(VT_CY, -15000)).text, "-1.5");
    EXPECT_EQ(Convert(Decimal(1, false, 0, 15)).text, "1.5");
    EXPECT_EQ(Convert(RealValue(VT_DATE, 36526.25)).text, "1/1/2000 6:00:00 AM");
    std::setlocale(LC_ALL, "C");
}

TEST(VariantText, AgreesWithThePlatformSamples) {
    auto path = SharedPath("oracle/variants.json");
    if (!path) GTEST_SKIP() << "the shared oracle is not on this machine";
    auto json = ReadJsonFile(*path);
    ASSERT_TRUE(json);
    auto samples = Samples();
    int compared = 0;
    for (const JsonValue& sample : (*json)["samples"].Items()) {
        const std::string& label = sample["input"].String();
        ASSERT_TRUE(samples.count(label)) << "no value for sample " << label;
        const JsonValue& want = sample["flags0"];
        Conversion got = Convert(samples.at(label));
        char hr[16];
        std::snprintf(hr, sizeof hr, "0x%08x", static_cast<std::uint32_t>(got.hr));
        EXPECT_EQ(hr, want["hr"].String()) << label;
        std::string wantText = want["text"].IsNull() ? "<null>" : want["text"].String();
        EXPECT_EQ(got.text, wantText) << label;
        ++compared;
    }
    EXPECT_GT(compared, 50);
}

}  // namespace
}  // namespace qorvix::test
