// The literal shapers at their edges: what VALUE is given for each kind of
// spelling, and where a value's text stops.
#include <gtest/gtest.h>

#include <clocale>

#include "cobolgen/literals.h"
#include "tests/support/fake_typelib.h"

namespace qorvix::test {
namespace {

TEST(ConditionValue, EachKindOfSpelling) {
    struct Case {
        VARTYPE vt;
        const char* raw;
        const char* value;
    };
    const Case cases[] = {
        {VT_I4, "-5", "-5"},
        {VT_BSTR, "", "\"\""},
        {VT_BSTR, "say \"hi\"", "\"say \"\"hi\"\"\""},
        // A string keeps no terminating zero, and control bytes leave the quotes.
        {VT_BSTR, "a\tb", "\"a\" & x\"09\" & \"b\""},
        {VT_BSTR, "\x7f", "x\"7f\""},
        {VT_DATE, "1/1/2000 6:00:00 AM", "\"1/1/2000 6:00:00 AM\""},
        {VT_R8, "1E+20", "1.0E+20"},
        {VT_R4, "-1.5E-07", "-1.5E-07"},
        {VT_R8, "NaN", "\"NaN\""},
        {VT_R8, "-Infinity", "\"-Infinity\""},
        // Only reals have exponents and words.
        {VT_I8, "1E+20", "1E+20"},
        {VT_I4, "NaN", "NaN"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConditionValue(c.vt, c.raw), c.value) << c.vt << " " << c.raw;
}

TEST(ValueText, StopsAtTheFirstNulAndNamesErrorCodes) {
    std::setlocale(LC_ALL, "C.UTF-8");
    std::string text;
    ASSERT_TRUE(ValueText(StringValue(std::u16string(u"ab\0cd", 5)), text));
    EXPECT_EQ(text, "ab");
    ASSERT_TRUE(ValueText(IntValue(VT_I4, -7), text));
    EXPECT_EQ(text, "-7");
    VARIANT error = IntValue(VT_ERROR, static_cast<std::int32_t>(0x80004001));
    ASSERT_TRUE(ValueText(error, text));
    EXPECT_EQ(text, "E_NOTIMPL");
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace qorvix::test
