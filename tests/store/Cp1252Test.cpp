#include "store/Store.h"

#include <gtest/gtest.h>
#include <set>

TEST(Cp1252, EveryByteDecodesToADistinctStorableTextThatEncodesBack)
{
    std::set<std::string> seen;
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, char(b)), utf8 = store::FromCp1252(byte);
        EXPECT_TRUE(store::IsStorable(utf8)) << b;
        EXPECT_EQ(store::ToCp1252(utf8), byte) << b;
        seen.insert(utf8);
    }
    EXPECT_EQ(seen.size(), 256u);
}

TEST(Cp1252, KnownCharactersBothWays)
{
    const std::pair<std::string, std::string> table[] = {
        { "\x80", "\u20AC" },
        { "\x81", "\u0081" },
        { "\x8D", "\u008D" },
        { "\x8F", "\u008F" },
        { "\x90", "\u0090" },
        { "\x9D", "\u009D" },
        { "\x96", "\u2013" },
        { "\x9F", "\u0178" },
        { "\xA0", "\u00A0" },
        { "\xFF", "\u00FF" },
        { "\xB0"
          "C \xB5m m\xB2 m\xB3 \xC5 \xF6",
            "°C µm m² m³ Å ö" },
    };
    for (const auto &[bytes, utf8] : table) {
        EXPECT_EQ(store::FromCp1252(bytes), utf8);
        EXPECT_EQ(store::ToCp1252(utf8), bytes);
    }
}

TEST(Cp1252, TextsOutsideTheCodePageOrMalformedAreNotStorable)
{
    for (const char *s : { "\u03A9",
             "\u2212",
             "\U0001F600",
             "\u0080",
             "\xB0",
             "m\xC2",
             "\xC0\xAF",
             "\xED\xA0\x80",
             "\xF4\x90\x80\x80",
             "\x80" })
        EXPECT_FALSE(store::IsStorable(s)) << s;
    EXPECT_TRUE(store::IsStorable(""));
    EXPECT_TRUE(store::IsStorable("km/h \u20AC\u2122 \u00B0"));
}
