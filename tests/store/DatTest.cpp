// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "store/Store.h"
#include "support/StoreTestUtil.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using namespace storetest;

// What the committed fixture cp1252.dat holds, the labels trimmed.
core::UserTables Cp1252Tables()
{
    core::UserTables t;
    for (const cases::Case &c : cases::Read("store/cp1252_dat.txt")) {
        const auto g = std::stoul(c["group"]);
        if (c["slot"] == "name") {
            t.UserGrpName[g] = c["label"];
        } else {
            const auto u = std::stoul(c["slot"]);
            std::tie(t.UserUnitName[g][u], t.UserCoefText[g][u], t.UserOffsetText[g][u]) =
                std::tie(c["label"], c["coefficient"], c["offset"]);
        }
    }
    return t;
}

std::string Text(std::string_view bytes)
{
    return std::string { char(bytes.size() & 0xFF), char(bytes.size() >> 8) } + std::string(bytes);
}

TEST(Dat, GoldenFilesBothWays)
{
    TempDir dir;
    ASSERT_EQ(store::DatSave(dir.path, core::UserTables {}), store::SaveResult::Saved);
    EXPECT_EQ(ReadBytes(dir / store::kDatFileName), std::string(1320, '\0'));
    EXPECT_EQ(ReadBytes(DataFile("empty.dat")), std::string(1320, '\0'));
    core::UserTables held = Cp1252Tables();
    held.UserUnitName[19][0] = " unit 0 "; // labels are written as held
    ASSERT_EQ(store::DatSave(dir.path, held), store::SaveResult::Saved);
    EXPECT_EQ(ReadBytes(dir / store::kDatFileName), ReadBytes(DataFile("cp1252.dat")));

    core::UserTables t = FilledTables();
    t.UserUnitName[4][10] = "spare"; // slot 10 and the numbers are not in the file
    t.UserCoef[4][2] = 2.5;
    fs::copy_file(DataFile("cp1252.dat"), dir / store::kDatFileName, fs::copy_options::overwrite_existing);
    ASSERT_EQ(store::DatRead(dir.path, t), store::DatReadResult::Loaded);
    EXPECT_EQ(Texts(t), Texts(Cp1252Tables()));
    EXPECT_EQ(std::pair(t.UserUnitName[4][10], t.UserCoef[4][2]), std::pair(std::string("spare"), 2.5));
    WriteBytes(dir / store::kDatFileName, ""); // 0 bytes: everything empty, no failure
    ASSERT_EQ(store::DatRead(dir.path, t), store::DatReadResult::Loaded);
    EXPECT_EQ(Texts(t), Texts(core::UserTables {}));
}

// A cut inside a text leaves a length that claims more than the file holds: that text and all after it
// read as empty.
TEST(Dat, CutAtEveryByteLoadsWhatLiesBeforeTheCut)
{
    const std::string full = *store::DatFormat(FilledTables());
    const auto texts = Texts(FilledTables());
    std::size_t before = 0;
    for (std::size_t n = 0; n <= full.size(); ++n) {
        core::UserTables t = FilledTables();
        store::DatParse(std::string_view(full).substr(0, n), t);
        const auto got = Texts(t);
        std::size_t k = 0;
        while (k < got.size() && got[k] == texts[k])
            ++k;
        ASSERT_EQ(std::count(got.begin() + k, got.end(), ""), got.end() - got.begin() - k) << "cut at " << n;
        ASSERT_GE(k, before) << "cut at " << n;
        before = k;
        if (n == full.find(Text("u5.3")) + 4) { // in the middle of group 5
            EXPECT_EQ(std::tuple(t.UserOffsetText[4][9], t.UserUnitName[5][2], t.UserUnitName[5][3]),
                std::tuple("-4", "u5.2", ""));
        }
    }
    EXPECT_EQ(before, texts.size());
}

TEST(Dat, LabelsAreWrittenAsHeldAndTrimmedOnLoadNumbersKeptAsTheyAre)
{
    TempDir dir;
    core::UserTables out, in;
    out.UserGrpName[2] = "  Flow \t";
    out.UserUnitName[2][4] = "  l/s  ";
    out.UserCoefText[2][4] = " 0.001 ";
    ASSERT_EQ(store::DatSave(dir.path, out), store::SaveResult::Saved);
    EXPECT_NE(ReadBytes(dir / store::kDatFileName).find(Text("  l/s  ") + Text(" 0.001 ") + Text("")),
        std::string::npos);
    ASSERT_EQ(store::DatRead(dir.path, in), store::DatReadResult::Loaded);
    EXPECT_EQ(
        std::tuple(in.UserGrpName[2], in.UserUnitName[2][4], in.UserCoefText[2][4], in.UserOffsetText[2][4]),
        std::tuple("Flow", "l/s", " 0.001 ", ""));
}

TEST(Dat, GroupRecordCarriesThePreviousSlotNineAndTheReaderIgnoresIt)
{
    std::string bytes = *store::DatFormat(FilledTables());
    EXPECT_EQ(bytes.substr(0, 8), Text("G0") + Text("") + Text(""));
    for (int g = 1; g < core::pnUserGrpCount; ++g) {
        const std::string prev = std::to_string(g - 1), group = Text(storetest::Numbered("G", g));
        EXPECT_NE(bytes.find(group + Text(prev + ".9") + Text("-" + prev)), std::string::npos) << g;
    }
    const std::string carried = Text("G1") + Text("0.9") + Text("-0");
    bytes.replace(bytes.find(carried), carried.size(), Text("G1") + Text("anything else") + Text(""));
    core::UserTables t;
    store::DatParse(bytes, t);
    EXPECT_EQ(Texts(t), Texts(FilledTables()));
}

} // namespace
