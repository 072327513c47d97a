#include "store/Store.h"
#include "tests/store/StoreTestUtil.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using storetest::FilledTables;
using storetest::ReadBytes;
using storetest::TempDir;
using storetest::TextsInFileOrder;
using storetest::WriteBytes;

void SetUnit(core::UserTables &t, int g, int u, std::string name, std::string coef, std::string offset)
{
    t.UserUnitName[g][u] = std::move(name);
    t.UserCoefText[g][u] = std::move(coef);
    t.UserOffsetText[g][u] = std::move(offset);
}

// The tables the committed fixture cp1252.dat holds.
core::UserTables Cp1252Tables()
{
    core::UserTables t;
    t.UserGrpName[0] = "Area m\u00B2";
    SetUnit(t, 0, 0, "m\u00B2", "1", "");
    SetUnit(t, 0, 1, "\u00B5m\u00B2", "1e-12", "");
    SetUnit(t, 0, 2, "\u00C5\u00B2", "1E-20", "");
    SetUnit(t, 0, 9, "\u00E5ngstr\u00F6m\u00B2 (slot 9)", "1e-20", "0");
    t.UserGrpName[1] = "Volym";
    SetUnit(t, 1, 0, "m\u00B3", "1", "");
    SetUnit(t, 1, 1, "cm\u00B3", "1e-6", "");
    t.UserGrpName[2] = "Temperatur \u00B0";
    SetUnit(t, 2, 0, "\u00B0C", "1", "273.15");
    SetUnit(t, 2, 1, "\u00B0F", "0.5555555555555556", "459.67");
    SetUnit(t, 2, 2, "K", "1", "0");
    SetUnit(t, 2, 9, "\u00B0R", "0.5555555555555556", "");
    t.UserGrpName[3] = "Magnetf\u00E4lt (\u00F6rsted)";
    SetUnit(t, 3, 0, "A/m", "1", "");
    SetUnit(t, 3, 1, "\u00F6rsted", "79.57747154594767", "-0");
    t.UserGrpName[19] = "Last group";
    SetUnit(t, 19, 0, "unit 0", "+2.5", "-1.25e+2");
    return t;
}

std::string Repeat(std::string_view s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

std::string Text(std::string_view bytes)
{
    std::string out { static_cast<char>(bytes.size() & 0xFF), static_cast<char>(bytes.size() >> 8) };
    return out + std::string(bytes);
}

// Compares only what the file holds: the text tables, slots 0..9.
void ExpectSameTexts(const core::UserTables &a, const core::UserTables &b)
{
    EXPECT_EQ(TextsInFileOrder(a), TextsInFileOrder(b));
}

TEST(Dat, AllEmptyTablesAreWrittenAsTheGolden1320Bytes)
{
    TempDir dir;
    ASSERT_EQ(store::DatSave(dir.path(), core::UserTables {}), store::SaveResult::Saved);
    const std::string golden = ReadBytes(storetest::DataFile("empty.dat"));
    EXPECT_EQ(golden, std::string(1320, '\0'));
    EXPECT_EQ(ReadBytes(dir / store::kDatFileName), golden);
}

TEST(Dat, Cp1252TablesAreWrittenAsTheGoldenFile)
{
    TempDir dir;
    ASSERT_EQ(store::DatSave(dir.path(), Cp1252Tables()), store::SaveResult::Saved);
    EXPECT_EQ(ReadBytes(dir / store::kDatFileName), ReadBytes(storetest::DataFile("cp1252.dat")));
}

TEST(Dat, GoldenFileLoadsIntoTheTables)
{
    core::UserTables t = FilledTables();
    TempDir dir;
    fs::copy_file(storetest::DataFile("cp1252.dat"), dir / store::kDatFileName);
    ASSERT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::Loaded);
    ExpectSameTexts(t, Cp1252Tables());
}

TEST(Dat, EveryTextRoundTrips)
{
    TempDir dir;
    ASSERT_EQ(store::DatSave(dir.path(), FilledTables()), store::SaveResult::Saved);
    core::UserTables t;
    ASSERT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::Loaded);
    ExpectSameTexts(t, FilledTables());
}

TEST(Dat, ReadingLeavesSlotTenAndTheNumbersAlone)
{
    core::UserTables t;
    t.UserUnitName[4][10] = "spare";
    t.UserCoef[4][2] = 2.5;
    t.UserOffset[7][9] = -1;
    store::DatParse(ReadBytes(storetest::DataFile("cp1252.dat")), t);
    EXPECT_EQ(t.UserUnitName[4][10], "spare");
    EXPECT_EQ(t.UserCoef[4][2], 2.5);
    EXPECT_EQ(t.UserOffset[7][9], -1);
}

TEST(Dat, EmptyFileLoadsEverythingEmpty)
{
    TempDir dir;
    WriteBytes(dir / store::kDatFileName, "");
    core::UserTables t = FilledTables();
    ASSERT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::Loaded);
    ExpectSameTexts(t, core::UserTables {});
}

TEST(Dat, FileCutInGroupFiveKeepsWhatCameBefore)
{
    const std::string full = *store::DatFormat(FilledTables());
    // Cut inside the label of unit 3 of group 5.
    const auto at = full.find(Text("u5.3"));
    ASSERT_NE(at, std::string::npos);
    core::UserTables t = FilledTables();
    store::DatParse(std::string_view(full).substr(0, at + 4), t);

    core::UserTables want = FilledTables();
    for (int g = 5; g < core::pnUserGrpCount; ++g) {
        if (g > 5)
            want.UserGrpName[g].clear();
        for (int u = g == 5 ? 3 : 0; u < core::kUserUnitsUsed; ++u)
            SetUnit(want, g, u, "", "", "");
    }
    ExpectSameTexts(t, want);
}

TEST(Dat, CutAtEveryByteLoadsAPrefixOfTheTexts)
{
    const std::string full = *store::DatFormat(FilledTables());
    const auto texts = TextsInFileOrder(FilledTables());
    std::size_t before = 0;
    for (std::size_t n = 0; n <= full.size(); ++n) {
        core::UserTables t = FilledTables();
        store::DatParse(std::string_view(full).substr(0, n), t);
        const auto got = TextsInFileOrder(t);
        std::size_t k = 0;
        while (k < got.size() && got[k] == texts[k])
            ++k;
        for (std::size_t i = k; i < got.size(); ++i)
            ASSERT_EQ(got[i], "") << "cut at " << n << ", text " << i;
        ASSERT_GE(k, before) << "cut at " << n;
        before = k;
    }
    EXPECT_EQ(before, texts.size());
}

TEST(Dat, LengthClaimingMoreThanTheFileHoldsReadsEmpty)
{
    std::string bytes = *store::DatFormat(FilledTables());
    const std::size_t keep = bytes.size() - 40;
    bytes = bytes.substr(0, keep) + "\xFF\xFF" + std::string(30, 'x');
    core::UserTables t;
    store::DatParse(bytes, t);
    EXPECT_EQ(t.UserUnitName[19][0], "u19.0");
    EXPECT_EQ(t.UserOffsetText[19][9], "");
    EXPECT_EQ(t.UserUnitName[19][9], "");
}

TEST(Dat, LabelBlanksAreWrittenAndTrimmedOnLoadButNumbersKeepThem)
{
    TempDir dir;
    core::UserTables out;
    out.UserGrpName[2] = "  Flow \t";
    SetUnit(out, 2, 4, "  l/s  ", " 0.001 ", "  ");
    ASSERT_EQ(store::DatSave(dir.path(), out), store::SaveResult::Saved);
    const std::string bytes = ReadBytes(dir / store::kDatFileName);
    EXPECT_NE(bytes.find(Text("  Flow \t")), std::string::npos);
    EXPECT_NE(bytes.find(Text("  l/s  ") + Text(" 0.001 ") + Text("  ")), std::string::npos);

    core::UserTables in;
    ASSERT_EQ(store::DatRead(dir.path(), in), store::DatReadResult::Loaded);
    EXPECT_EQ(in.UserGrpName[2], "Flow");
    EXPECT_EQ(in.UserUnitName[2][4], "l/s");
    EXPECT_EQ(in.UserCoefText[2][4], " 0.001 ");
    EXPECT_EQ(in.UserOffsetText[2][4], "  ");
}

TEST(Dat, EmptyOffsetStaysEmpty)
{
    TempDir dir;
    core::UserTables out;
    SetUnit(out, 0, 0, "x", "2", "");
    ASSERT_EQ(store::DatSave(dir.path(), out), store::SaveResult::Saved);
    EXPECT_NE(ReadBytes(dir / store::kDatFileName).find(Text("x") + Text("2") + Text("")), std::string::npos);
    core::UserTables in;
    ASSERT_EQ(store::DatRead(dir.path(), in), store::DatReadResult::Loaded);
    EXPECT_EQ(in.UserCoefText[0][0], "2");
    EXPECT_EQ(in.UserOffsetText[0][0], "");
}

TEST(Dat, GroupRecordCarriesThePreviousGroupsSlotNine)
{
    const std::string bytes = *store::DatFormat(FilledTables());
    EXPECT_EQ(bytes.substr(0, 8), Text("G0") + Text("") + Text(""));
    for (int g = 1; g < core::pnUserGrpCount; ++g) {
        const std::string prev = std::to_string(g - 1);
        const std::string record = Text("G" + std::to_string(g)) + Text(prev + ".9") + Text("-" + prev);
        EXPECT_NE(bytes.find(record), std::string::npos) << "group " << g;
    }
}

TEST(Dat, ReaderIgnoresTheGroupRecordsOtherTexts)
{
    std::string bytes = *store::DatFormat(FilledTables());
    const std::string carried = Text("G1") + Text("0.9") + Text("-0");
    const auto at = bytes.find(carried);
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, carried.size(), Text("G1") + Text("something else entirely") + Text(""));
    core::UserTables t;
    store::DatParse(bytes, t);
    ExpectSameTexts(t, FilledTables());
}

TEST(Dat, SaveReplacesALongerOldFileWhole)
{
    TempDir dir;
    WriteBytes(dir / store::kDatFileName, std::string(5000, '\x07'));
    ASSERT_EQ(store::DatSave(dir.path(), core::UserTables {}), store::SaveResult::Saved);
    EXPECT_EQ(fs::file_size(dir / store::kDatFileName), 1320u);
}

TEST(Dat, UnstorableTextIsRefusedAndTheOldFileKept)
{
    struct Case
    {
        const char *name;
        std::function<void(core::UserTables &)> spoil;
    };
    const Case cases[] = {
        { "GreekName", [](core::UserTables &t) { t.UserGrpName[3] = "\u03A9 resistance"; } },
        { "BrokenUtf8Label", [](core::UserTables &t) { t.UserUnitName[19][9] = "\xE2\x82"; } },
        { "TooLongOffset", [](core::UserTables &t) { t.UserOffsetText[0][0] = std::string(65536, '1'); } },
        { "TooLongEncoded", [](core::UserTables &t) { t.UserUnitName[5][5] = Repeat("\u00B0", 65536); } },
    };
    for (const auto &c : cases) {
        TempDir dir;
        const std::string old = ReadBytes(storetest::DataFile("cp1252.dat"));
        WriteBytes(dir / store::kDatFileName, old);
        core::UserTables t = FilledTables();
        c.spoil(t);
        EXPECT_EQ(store::DatSave(dir.path(), t), store::SaveResult::Failed) << c.name;
        EXPECT_EQ(ReadBytes(dir / store::kDatFileName), old) << c.name;
        EXPECT_EQ(
            storetest::Entries(dir.path()), std::vector<std::string> { std::string(store::kDatFileName) });
    }
}

TEST(Dat, LongestStorableTextRoundTrips)
{
    TempDir dir;
    core::UserTables out;
    out.UserCoefText[19][9] = std::string(65535, '7');
    out.UserUnitName[19][9] = Repeat("\u00B0", 65535); // twice as long in UTF-8
    ASSERT_EQ(store::DatSave(dir.path(), out), store::SaveResult::Saved);
    core::UserTables in;
    ASSERT_EQ(store::DatRead(dir.path(), in), store::DatReadResult::Loaded);
    ExpectSameTexts(in, out);
}

TEST(DatFile, WhatCannotBeOpenedLeavesTheTablesAlone)
{
    TempDir dir;
    const auto file = dir / store::kDatFileName;
    core::UserTables t = FilledTables();
    EXPECT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::OpenFailed);
    EXPECT_FALSE(fs::exists(file)); // reading never creates the file

    fs::create_directory(file);
    EXPECT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::OpenFailed);
    fs::remove(file);

    ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
    EXPECT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::OpenFailed);
    fs::remove(file);

    fs::create_symlink(store::kDatFileName, file);
    EXPECT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::OpenFailed);
    fs::remove(file);

    EXPECT_EQ(store::DatRead(dir / "missing-directory", t), store::DatReadResult::OpenFailed);
    ExpectSameTexts(t, FilledTables());
}

TEST(DatFile, WithoutReadPermissionFails)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads any file";
    TempDir dir;
    WriteBytes(dir / store::kDatFileName, std::string(1320, '\0'));
    fs::permissions(dir / store::kDatFileName, fs::perms::none);
    core::UserTables t = FilledTables();
    EXPECT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::OpenFailed);
    ExpectSameTexts(t, FilledTables());
}

TEST(DatFile, HugeFileReadsOnlyItsRecords)
{
    TempDir dir;
    const auto file = dir / store::kDatFileName;
    WriteBytes(file, ReadBytes(storetest::DataFile("cp1252.dat")));
    fs::resize_file(file, std::uintmax_t { 1 } << 30); // sparse: the tail is zeros, on no disk space
    core::UserTables t;
    ASSERT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::Loaded);
    ExpectSameTexts(t, Cp1252Tables());
}

} // namespace
