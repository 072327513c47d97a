#include "store/Store.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

TEST(Cp1252, EveryByteDecodesToADistinctStorableTextThatEncodesBack)
{
    std::set<std::string> seen;
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = store::FromCp1252(byte);
        EXPECT_TRUE(store::IsStorable(utf8)) << "byte " << b;
        EXPECT_EQ(store::ToCp1252(utf8), byte) << "byte " << b;
        seen.insert(utf8);
    }
    EXPECT_EQ(seen.size(), 256u);
}

struct KnownChar
{
    unsigned char byte;
    const char *utf8;
};

class Cp1252Known : public testing::TestWithParam<KnownChar>
{
};

TEST_P(Cp1252Known, DecodesAndEncodes)
{
    const std::string byte(1, static_cast<char>(GetParam().byte));
    EXPECT_EQ(store::FromCp1252(byte), GetParam().utf8);
    EXPECT_EQ(store::ToCp1252(GetParam().utf8), byte);
}

INSTANTIATE_TEST_SUITE_P(Table,
    Cp1252Known,
    testing::Values(KnownChar { 0x41, "A" },
        KnownChar { 0x80, "\u20AC" }, // euro sign
        KnownChar { 0x81, "\u0081" }, // undefined: its C1 control
        KnownChar { 0x8D, "\u008D" },
        KnownChar { 0x8F, "\u008F" },
        KnownChar { 0x90, "\u0090" },
        KnownChar { 0x9D, "\u009D" },
        KnownChar { 0x96, "\u2013" }, // en dash
        KnownChar { 0x9F, "\u0178" }, // Y diaeresis
        KnownChar { 0xA0, "\u00A0" },
        KnownChar { 0xB0, "\u00B0" }, // degree
        KnownChar { 0xB2, "\u00B2" },
        KnownChar { 0xB3, "\u00B3" },
        KnownChar { 0xB5, "\u00B5" }, // micro
        KnownChar { 0xC5, "\u00C5" }, // A ring
        KnownChar { 0xF6, "\u00F6" }, // o diaeresis
        KnownChar { 0xFF, "\u00FF" }));

struct StorableCase
{
    const char *name;
    std::string utf8;
    bool storable;
};

class Cp1252Storable : public testing::TestWithParam<StorableCase>
{
};

TEST_P(Cp1252Storable, Decides)
{
    EXPECT_EQ(store::IsStorable(GetParam().utf8), GetParam().storable);
}

INSTANTIATE_TEST_SUITE_P(Table,
    Cp1252Storable,
    testing::Values(StorableCase { "Empty", "", true },
        StorableCase { "Ascii", "km/h", true },
        StorableCase { "Latin", "\u00B0C \u00B5m m\u00B2 \u00C5 \u00F6rsted", true },
        StorableCase { "EuroAndDashes", "\u20AC \u2013 \u2014 \u2122", true },
        StorableCase { "Omega", "\u03A9", false },
        StorableCase { "MinusSign",
            "\u2212"
            "5",
            false },
        StorableCase { "Emoji", "\U0001F600", false },
        StorableCase { "C1NotInFile", "\u0080", false },
        StorableCase { "RawHighByte", "\xB0", false },
        StorableCase { "CutSequence", "m\xC2", false },
        StorableCase { "Overlong", "\xC0\xAF", false },
        StorableCase { "Surrogate", "\xED\xA0\x80", false },
        StorableCase { "BeyondUnicode", "\xF4\x90\x80\x80", false },
        StorableCase { "StrayContinuation", "\x80", false }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(Cp1252, TextOfMixedCharactersRoundTrips)
{
    const std::string bytes = "\xB0"
                              "C \xB5m m\xB2 m\xB3 \xC5 \xF6";
    const std::string utf8 = store::FromCp1252(bytes);
    EXPECT_EQ(utf8, "\u00B0C \u00B5m m\u00B2 m\u00B3 \u00C5 \u00F6");
    EXPECT_EQ(store::ToCp1252(utf8), bytes);
}

} // namespace
