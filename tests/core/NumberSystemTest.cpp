#include "core/mOrlo.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using Procedure = std::string (*)(std::string_view);

struct DigitRow
{
    Procedure procedure;
    const char *name;
    const char *input;
    const char *output;
};

TEST(NumberSystems, ProceduresAndTheirLimits)
{
    const DigitRow rows[] = {
        { core::DecToBin, "DecToBin", "255", "0000000011111111" },
        { core::DecToBin, "DecToBin", "65535", "1111111111111111" },
        { core::DecToBin, "DecToBin", "0065535", "1111111111111111" },
        { core::DecToBin, "DecToBin", "", "0000000000000000" },
        { core::DecToBin, "DecToBin", "65536", "Input error" },
        { core::DecToBin, "DecToBin", "99999999999999999999", "Input error" },
        { core::DecToBin, "DecToBin", "-5", "Input error" },
        { core::DecToBin, "DecToBin", "1.5", "Input error" },
        { core::DecToBin, "DecToBin", " 5", "Input error" },
        { core::DecToOct, "DecToOct", "255", "377" },
        { core::DecToOct, "DecToOct", "0", "0" },
        { core::DecToOct, "DecToOct", "2147483647", "17777777777" },
        { core::DecToOct, "DecToOct", "2147483648", "Input error" },
        { core::DecToOct, "DecToOct", "", "Input error" },
        { core::DecToHex, "DecToHex", "255", "FF" },
        { core::DecToHex, "DecToHex", "2147483647", "7FFFFFFF" },
        { core::DecToHex, "DecToHex", "2147483648", "Input error" },
        { core::DecToHex, "DecToHex", "", "Input error" },
        { core::DecToHex, "DecToHex", "Input error", "Input error" },
        { core::FmtBinToDec, "FmtBinToDec", "1111111111111111", "65535" },
        { core::FmtBinToDec, "FmtBinToDec", "11111111111111111", "Input error" },
        { core::FmtBinToDec, "FmtBinToDec", "", "0" },
        { core::FmtBinToDec, "FmtBinToDec", "0102", "Input error" },
        { core::FmtOctToDec, "FmtOctToDec", "17777777777", "2147483647" },
        { core::FmtOctToDec, "FmtOctToDec", "20000000000", "Input error" },
        { core::FmtOctToDec, "FmtOctToDec", "777777777777", "Input error" },
        { core::FmtOctToDec, "FmtOctToDec", "8", "Input error" },
        { core::FmtOctToDec, "FmtOctToDec", "", "0" },
        { core::FmtHexToDec, "FmtHexToDec", "ff", "255" },
        { core::FmtHexToDec, "FmtHexToDec", "FF", "255" },
        { core::FmtHexToDec, "FmtHexToDec", "FFFFFFFF", "4294967295" },
        { core::FmtHexToDec, "FmtHexToDec", "100000000", "Input error" },
        { core::FmtHexToDec, "FmtHexToDec", "fg", "Input error" },
        { core::FmtHexToDec, "FmtHexToDec", "", "0" },
    };
    for (const DigitRow &r : rows)
        EXPECT_EQ(r.procedure(r.input), r.output) << r.name << "(\"" << r.input << "\")";
}

TEST(NumberSystems, ConversionTable)
{
    struct Row
    {
        std::int16_t from, into;
        const char *input;
        const char *output; // nullptr: the result box keeps its text
    };
    const Row rows[] = {
        { 0, 1, "255", "0000000011111111" },
        { 0, 2, "255", "377" },
        { 0, 3, "255", "FF" },
        { 0, 3, "2147483648", "Input error" },
        { 1, 0, "1111111111111111", "65535" },
        { 1, 3, "1111111111111111", "FFFF" },
        { 3, 0, "FFFFFFFF", "4294967295" },
        { 3, 2, "FFFFFFFF", "Input error" },
        { 3, 1, "FFFFFFFF", "Input error" },
        { 3, 1, "ff", "0000000011111111" },
        { 2, 0, "17777777777", "2147483647" },
        { 2, 3, "20000000000", "Input error" },
        { 1, 0, "", "0" },
        { 2, 0, "", "0" },
        { 3, 0, "", "0" },
        { 0, 1, "", "0000000000000000" },
        { 0, 2, "", "Input error" },
        { 0, 3, "", "Input error" },
        { 1, 2, "12", "Input error" },
        { 0, 0, "255", nullptr },
        { 1, 1, "101", nullptr },
        { 3, 3, "FF", nullptr },
        { 2, 2, "8", nullptr },
        { -1, 1, "5", nullptr },
        { 4, 1, "5", nullptr },
        { 0, -1, "5", nullptr },
        { 1, 4, "1", nullptr },
        // The decimal reading fails before the Into unit is looked at.
        { 2, 2, "77777777777", "Input error" },
        { 2, -1, "77777777777", "Input error" },
    };
    for (const Row &r : rows) {
        const auto result = core::NumberSystemConvert(r.from, r.into, r.input);
        SCOPED_TRACE(std::to_string(r.from) + " -> " + std::to_string(r.into) + " \"" + r.input + "\"");
        if (r.output == nullptr) {
            EXPECT_FALSE(result.has_value());
        } else {
            ASSERT_TRUE(result.has_value());
            EXPECT_EQ(*result, r.output);
        }
    }
}

} // namespace
