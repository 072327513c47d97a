#include "core/mOrlo.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(NumberSystems, ProceduresAndTheirLimits)
{
    using core::DecToBin, core::DecToOct, core::DecToHex, core::FmtBinToDec, core::FmtOctToDec,
        core::FmtHexToDec;
    const char *error = "Input error";
    const struct
    {
        std::string (*procedure)(std::string_view);
        const char *input;
        const char *output;
    } rows[] = {
        // clang-format off
        {DecToBin, "255", "0000000011111111"}, {DecToBin, "65535", "1111111111111111"},
        {DecToBin, "0065535", "1111111111111111"}, {DecToBin, "", "0000000000000000"},
        {DecToBin, "65536", error}, {DecToBin, "99999999999999999999", error}, {DecToBin, "-5", error},
        {DecToBin, "1.5", error}, {DecToBin, " 5", error},
        {DecToOct, "255", "377"}, {DecToOct, "0", "0"}, {DecToOct, "2147483647", "17777777777"},
        {DecToOct, "2147483648", error}, {DecToOct, "", error},
        {DecToHex, "255", "FF"}, {DecToHex, "2147483647", "7FFFFFFF"}, {DecToHex, "2147483648", error},
        {DecToHex, "", error}, {DecToHex, error, error},
        {FmtBinToDec, "1111111111111111", "65535"}, {FmtBinToDec, "11111111111111111", error},
        {FmtBinToDec, "", "0"}, {FmtBinToDec, "0102", error},
        {FmtOctToDec, "17777777777", "2147483647"}, {FmtOctToDec, "20000000000", error},
        {FmtOctToDec, "777777777777", error}, {FmtOctToDec, "8", error}, {FmtOctToDec, "", "0"},
        {FmtHexToDec, "ff", "255"}, {FmtHexToDec, "FF", "255"}, {FmtHexToDec, "FFFFFFFF", "4294967295"},
        {FmtHexToDec, "100000000", error}, {FmtHexToDec, "fg", error}, {FmtHexToDec, "", "0"},
        // clang-format on
    };
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(rows[i].procedure(rows[i].input), rows[i].output)
            << "row " << i << " \"" << rows[i].input << '"';
}

TEST(NumberSystems, ConversionTable)
{
    const char *error = "Input error";
    const char *keep = nullptr; // the result box keeps its text
    const struct
    {
        std::int16_t from, into;
        const char *input;
        const char *output;
    } rows[] = {
        // clang-format off
        {0, 1, "255", "0000000011111111"}, {0, 2, "255", "377"}, {0, 3, "255", "FF"},
        {0, 3, "2147483648", error}, {1, 0, "1111111111111111", "65535"}, {1, 3, "1111111111111111", "FFFF"},
        {3, 0, "FFFFFFFF", "4294967295"}, {3, 2, "FFFFFFFF", error}, {3, 1, "FFFFFFFF", error},
        {3, 1, "ff", "0000000011111111"}, {2, 0, "17777777777", "2147483647"}, {2, 3, "20000000000", error},
        {1, 0, "", "0"}, {2, 0, "", "0"}, {3, 0, "", "0"}, {0, 1, "", "0000000000000000"},
        {0, 2, "", error}, {0, 3, "", error}, {1, 2, "12", error},
        {0, 0, "255", keep}, {1, 1, "101", keep}, {3, 3, "FF", keep}, {2, 2, "8", keep},
        {-1, 1, "5", keep}, {4, 1, "5", keep}, {0, -1, "5", keep}, {1, 4, "1", keep},
        // The decimal reading fails before the Into unit is looked at.
        {2, 2, "77777777777", error}, {2, -1, "77777777777", error},
        // clang-format on
    };
    for (const auto &r : rows) {
        const auto result = core::NumberSystemConvert(r.from, r.into, r.input);
        SCOPED_TRACE(std::to_string(r.from) + " -> " + std::to_string(r.into) + " \"" + r.input + "\"");
        EXPECT_EQ(result.has_value(), r.output != nullptr);
        if (result && r.output) {
            EXPECT_EQ(*result, r.output);
        }
    }
}

} // namespace
