// The literal shapers at their edges: what VALUE is given for each kind of
// spelling, and where a value's text stops.
#include <gtest/gtest.h>

#include <clocale>

#include "cobolgen/literals.h"
#include "tests/support/fake_typelib.h"

namespace qorvix::test {
namespace {

// Texts beyond ASCII are read in the locale's character set.
class Utf8Text : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(std::setlocale(LC_ALL, "C.UTF-8")); }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

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

TEST_F(Utf8Text, StringLiteralsMixQuotedAndHexadecimalRuns) {
    EXPECT_EQ(StringLiteral("Hello"), "z\"Hello\"");
    EXPECT_EQ(StringLiteral("He said \"hi\""), "z\"He said \"\"hi\"\"\"");
    EXPECT_EQ(StringLiteral("A\tB"), "\"A\" & x\"09\" & \"B\"");
    EXPECT_EQ(StringLiteral("AB\n"), "\"AB\" & x\"0a00\"");
    EXPECT_EQ(StringLiteral("\x01\x02"), "x\"010200\"");
    EXPECT_EQ(StringLiteral("\x01"
                            "A"),
              "x\"01\" & \"A\"");
    // Bytes beyond ASCII are not printable one by one under UTF-8.
    EXPECT_EQ(StringLiteral("\xc3\xa9"), "x\"c3a900\"");
}

TEST_F(Utf8Text, CommentTextBreaksNoLineBeyondAscii) {
    // NEL, the line and paragraph separators go; other letters stay.
    EXPECT_EQ(OneLine("a\xc2\x85"
                      "b\xe2\x80\xa8"
                      "c\xe2\x80\xa9"
                      "d\xc3\xa9"),
              "a b c d\xc3\xa9");
}

TEST(CommentText, StaysOnOneLineAndFileNamesStayInTheFolder) {
    EXPECT_EQ(OneLine("a\r\nb\tc\x7f"
                      "d"),
              "a  b c d");
    EXPECT_EQ(ClassFileStem("IShape"), "ishape");
    EXPECT_EQ(ClassFileStem("Move-CBL"), "move-cbl");
    EXPECT_EQ(ClassFileStem("../../etc/passwd"), ".._.._etc_passwd");
    EXPECT_EQ(ClassFileStem("a\\b\nc"), "a_b_c");
}

}  // namespace
}  // namespace qorvix::test
