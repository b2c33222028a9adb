// The checked primitive every read of the reader goes through.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "typelib/region.h"

namespace qorvix::test {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// Sixteen bytes 0x10, 0x11, ... 0x1F, seen as a file region that starts at
// file offset 0x100.
class RegionTest : public ::testing::Test {
  protected:
    RegionTest() {
        for (std::uint8_t i = 0; i < 16; ++i)
            bytes.push_back(static_cast<std::uint8_t>(0x10 + i));
        region = Region(bytes.data(), bytes.size(), 0x100);
    }
    std::vector<std::uint8_t> bytes;
    Region region;
};

TEST_F(RegionTest, ReadsInsideSucceedAndReadsOutsideFail) {
    struct Case {
        std::int64_t offset;
        bool fits;  // a 4-byte read
    };
    for (Case c : {Case{0, true},
                   {12, true},
                   {13, false},
                   {16, false},
                   {-1, false},
                   {-4, false},
                   {kMax, false},
                   {kMin, false},
                   {kMax - 2, false},
                   {std::int64_t{1} << 32, false}}) {
        std::uint32_t value = 0xDEADBEEF;
        EXPECT_EQ(region.Read(c.offset, value), c.fits) << c.offset;
        if (!c.fits) {
            EXPECT_EQ(value, 0xDEADBEEFu) << "a failed read leaves its output alone";
        }
    }
    std::uint32_t value = 0;
    ASSERT_TRUE(region.Read(12, value));
    EXPECT_EQ(value, 0x1F1E1D1Cu);  // little-endian
}

TEST_F(RegionTest, ContainsChecksBothEndsWithoutOverflow) {
    struct Case {
        std::int64_t offset, length;
        bool inside;
    };
    for (Case c : {Case{0, 0, true},
                   {0, 16, true},
                   {16, 0, true},
                   {15, 1, true},
                   {16, 1, false},
                   {17, 0, false},
                   {0, 17, false},
                   {-1, 1, false},
                   {1, -1, false},
                   {8, kMax, false},
                   {kMax, kMax, false},
                   {kMax, 1, false},
                   {kMin, kMax, false},
                   {1, kMax, false}}) {
        EXPECT_EQ(region.Contains(c.offset, c.length), c.inside) << c.offset << "+" << c.length;
    }
}

TEST_F(RegionTest, SubRegionsAreCheckedOnceAndKeepTheirFileOffset) {
    Region sub;
    ASSERT_TRUE(region.Sub(4, 8, sub));
    EXPECT_EQ(sub.Size(), 8u);
    EXPECT_EQ(sub.FileOffset(0), 0x104);
    std::uint32_t value = 0;
    ASSERT_TRUE(sub.Read(4, value));
    EXPECT_EQ(value, 0x1B1A1918u);
    // Bounds are the sub-region's own, not the parent's.
    EXPECT_FALSE(sub.Read(5, value));
    EXPECT_FALSE(sub.Read(-4, value)) << "no reading back into the parent";
    Region nested;
    ASSERT_TRUE(sub.Sub(2, 2, nested));
    EXPECT_EQ(nested.FileOffset(1), 0x107);
    EXPECT_FALSE(sub.Sub(2, 7, nested));
    EXPECT_FALSE(region.Sub(-1, 2, nested));
    EXPECT_FALSE(region.Sub(8, kMax, nested));

    Region rest;
    ASSERT_TRUE(region.From(16, rest));
    EXPECT_TRUE(rest.Empty());
    EXPECT_FALSE(region.From(17, rest));
    EXPECT_FALSE(region.From(-1, rest));
    ASSERT_TRUE(region.From(14, rest));
    EXPECT_EQ(rest.Text(), std::string_view("\x1E\x1F", 2));
}

TEST_F(RegionTest, BytesAndArrays) {
    std::string_view text;
    ASSERT_TRUE(region.Bytes(1, 2, text));
    EXPECT_EQ(text, std::string_view("\x11\x12", 2));
    EXPECT_FALSE(region.Bytes(15, 2, text));
    EXPECT_FALSE(region.Bytes(0, -1, text));

    std::vector<std::uint16_t> words;
    ASSERT_TRUE(region.ReadArray(2, 7, words));
    EXPECT_EQ(words.size(), 7u);
    EXPECT_EQ(words.back(), 0x1F1Eu);
    ASSERT_TRUE(region.ReadArray(16, 0, words));
    EXPECT_TRUE(words.empty());
    EXPECT_FALSE(region.ReadArray(2, 8, words));
    // A count whose byte size wraps around must not pass as small.
    EXPECT_FALSE(region.ReadArray(0, std::numeric_limits<std::size_t>::max() / 2 + 1, words));
    EXPECT_FALSE(region.ReadArray(0, std::numeric_limits<std::size_t>::max(), words));
}

// A record as the file lays it out: fields at odd offsets, no padding.
struct Record {
    std::uint8_t tag;
    LeU16 word;
    LeI32 number;
    LeU32 last;
};
static_assert(sizeof(Record) == 11);

TEST_F(RegionTest, RecordsAreReadWholeOrNotAtAll) {
    Record r;
    ASSERT_TRUE(region.Read(1, r));
    EXPECT_EQ(r.tag, 0x11);
    EXPECT_EQ(r.word, 0x1312);
    EXPECT_EQ(r.number, 0x17161514);
    EXPECT_EQ(r.last, 0x1B1A1918u);
    EXPECT_TRUE(region.Read(5, r));
    EXPECT_FALSE(region.Read(6, r));

    std::vector<std::uint8_t> negative{0xFE, 0xFF, 0xFF, 0xFF};
    LeI32 minusTwo;
    ASSERT_TRUE(Region(negative.data(), negative.size()).Read(0, minusTwo));
    EXPECT_EQ(minusTwo, -2);
}

TEST_F(RegionTest, ACursorStaysFailedAndSaysWhere) {
    Cursor c(region, 10);
    EXPECT_EQ(c.U32(), 0x1D1C1B1Au);
    EXPECT_TRUE(c.Ok());
    EXPECT_EQ(c.U32(), 0u);  // 14 + 4 > 16
    EXPECT_FALSE(c.Ok());
    EXPECT_EQ(c.FileOffset(), 0x10E) << "where the failed read began";
    EXPECT_EQ(c.U8(), 0u) << "nothing is read after a failure";
    EXPECT_EQ(c.Offset(), 14);

    Cursor skip(region, 0);
    skip.Skip(16);
    EXPECT_TRUE(skip.Ok());
    EXPECT_EQ(skip.Bytes(0), std::string_view());
    EXPECT_TRUE(skip.Ok());
    skip.Skip(1);
    EXPECT_FALSE(skip.Ok());

    Cursor negative(region, -2);
    EXPECT_EQ(negative.U16(), 0u);
    EXPECT_FALSE(negative.Ok());
    Cursor huge(region, 4);
    huge.Skip(kMax);
    EXPECT_FALSE(huge.Ok());
    EXPECT_EQ(huge.Offset(), 4);
    Cursor record(region, 5);
    auto r = record.Read<Record>();
    EXPECT_TRUE(record.Ok());
    EXPECT_EQ(r.last, 0x1F1E1D1Cu);
    EXPECT_EQ(record.Offset(), 16);
}

}  // namespace
}  // namespace qorvix::test
