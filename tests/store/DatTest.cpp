#include "store/Store.h"
#include "tests/store/StoreTestUtil.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace storetest;

void SetUnit(core::UserTables &t, int g, int u, std::string name, std::string coef, std::string offset)
{
    t.UserUnitName[g][u] = std::move(name);
    t.UserCoefText[g][u] = std::move(coef);
    t.UserOffsetText[g][u] = std::move(offset);
}

// What the committed fixture cp1252.dat holds (made by tests/data/make_fixtures.py), the labels trimmed.
core::UserTables Cp1252Tables()
{
    core::UserTables t;
    t.UserGrpName = { "Fl\u00E4che m\u00B2", "Temperatur \u00B0" };
    t.UserGrpName[19] = "Last group";
    SetUnit(t, 0, 0, "\u00B5m\u00B2", "1e-12", "");
    SetUnit(t, 0, 1, "\u00C5\u00B3", "1E-30", "");
    SetUnit(t, 0, 9, "\u00F6rsted", "79.5", "0");
    SetUnit(t, 1, 0, "\u00B0C", "1", "273.15");
    SetUnit(t, 1, 1, "\u00B0F", "0.5555555555555556", "459.67");
    SetUnit(t, 19, 0, "unit 0", "+2.5", "-1.25e+2");
    return t;
}

std::string Text(std::string_view bytes)
{
    return std::string { char(bytes.size() & 0xFF), char(bytes.size() >> 8) } + std::string(bytes);
}

std::string Repeat(std::string_view s, int n)
{
    std::string out;
    while (n-- > 0)
        out += s;
    return out;
}

TEST(Dat, GoldenFilesBothWays)
{
    TempDir dir;
    ASSERT_EQ(store::DatSave(dir.path(), core::UserTables {}), store::SaveResult::Saved);
    EXPECT_EQ(ReadBytes(dir / store::kDatFileName), std::string(1320, '\0'));
    EXPECT_EQ(ReadBytes(DataFile("empty.dat")), std::string(1320, '\0'));
    core::UserTables held = Cp1252Tables();
    held.UserUnitName[19][0] = " unit 0 "; // labels are written as held
    ASSERT_EQ(store::DatSave(dir.path(), held), store::SaveResult::Saved);
    EXPECT_EQ(ReadBytes(dir / store::kDatFileName), ReadBytes(DataFile("cp1252.dat")));

    core::UserTables t = FilledTables();
    t.UserUnitName[4][10] = "spare"; // slot 10 and the numbers are not in the file
    t.UserCoef[4][2] = 2.5;
    fs::copy_file(DataFile("cp1252.dat"), dir / store::kDatFileName, fs::copy_options::overwrite_existing);
    ASSERT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::Loaded);
    EXPECT_EQ(Texts(t), Texts(Cp1252Tables()));
    EXPECT_EQ(std::pair(t.UserUnitName[4][10], t.UserCoef[4][2]), std::pair(std::string("spare"), 2.5));
    WriteBytes(dir / store::kDatFileName, ""); // 0 bytes: everything empty, no failure
    ASSERT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::Loaded);
    EXPECT_EQ(Texts(t), Texts(core::UserTables {}));
}

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
            EXPECT_EQ(
                std::tuple(
                    t.UserOffsetText[4][9], t.UserUnitName[5][2], t.UserUnitName[5][3], t.UserGrpName[6]),
                std::tuple("-4", "u5.2", "", ""));
        }
    }
    EXPECT_EQ(before, texts.size());
}

TEST(Dat, LengthClaimingMoreThanTheFileHoldsReadsEmpty)
{
    const std::string full = *store::DatFormat(FilledTables());
    core::UserTables t;
    store::DatParse(full.substr(0, full.size() - 40) + "\xFF\xFF" + std::string(30, 'x'), t);
    EXPECT_EQ(std::tuple(t.UserUnitName[19][0], t.UserUnitName[19][9], t.UserOffsetText[19][9]),
        std::tuple("u19.0", "", ""));
}

TEST(Dat, LabelsAreWrittenAsHeldAndTrimmedOnLoadNumbersKeptAsTheyAre)
{
    TempDir dir;
    core::UserTables out;
    out.UserGrpName[2] = "  Flow \t";
    SetUnit(out, 2, 4, "  l/s  ", " 0.001 ", "");
    ASSERT_EQ(store::DatSave(dir.path(), out), store::SaveResult::Saved);
    EXPECT_NE(ReadBytes(dir / store::kDatFileName).find(Text("  l/s  ") + Text(" 0.001 ") + Text("")),
        std::string::npos);
    core::UserTables in;
    ASSERT_EQ(store::DatRead(dir.path(), in), store::DatReadResult::Loaded);
    EXPECT_EQ(
        std::tuple(in.UserGrpName[2], in.UserUnitName[2][4], in.UserCoefText[2][4], in.UserOffsetText[2][4]),
        std::tuple("Flow", "l/s", " 0.001 ", ""));
}

TEST(Dat, GroupRecordCarriesThePreviousSlotNineAndTheReaderIgnoresIt)
{
    std::string bytes = *store::DatFormat(FilledTables());
    EXPECT_EQ(bytes.substr(0, 8), Text("G0") + Text("") + Text(""));
    for (int g = 1; g < core::pnUserGrpCount; ++g) {
        const std::string prev = std::to_string(g - 1);
        EXPECT_NE(bytes.find(Text("G" + std::to_string(g)) + Text(prev + ".9") + Text("-" + prev)),
            std::string::npos)
            << g;
    }
    const std::string carried = Text("G1") + Text("0.9") + Text("-0");
    bytes.replace(bytes.find(carried), carried.size(), Text("G1") + Text("anything else") + Text(""));
    core::UserTables t;
    store::DatParse(bytes, t);
    EXPECT_EQ(Texts(t), Texts(FilledTables()));
}

TEST(Dat, UnstorableTextIsRefusedAndTheOldFileKept)
{
    const std::function<void(core::UserTables &)> spoil[] = {
        [](core::UserTables &t) { t.UserGrpName[3] = "\u03A9 resistance"; },
        [](core::UserTables &t) { t.UserUnitName[19][9] = "\xE2\x82"; },
        [](core::UserTables &t) { t.UserOffsetText[0][0] = std::string(65536, '1'); },
        [](core::UserTables &t) { t.UserUnitName[5][5] = Repeat("°", 65536); },
    };
    for (const auto &f : spoil) {
        TempDir dir;
        WriteBytes(dir / store::kDatFileName, "old");
        core::UserTables t = FilledTables();
        f(t);
        EXPECT_EQ(store::DatSave(dir.path(), t), store::SaveResult::Failed);
        EXPECT_EQ(Entries(dir.path()), std::vector<std::string> { "ORL_USER.DAT" });
        EXPECT_EQ(ReadBytes(dir / store::kDatFileName), "old");
    }
    TempDir dir; // the longest texts that fit
    core::UserTables out, in;
    out.UserCoefText[19][9] = std::string(65535, '7');
    out.UserUnitName[19][9] = Repeat("°", 65535); // twice as long in UTF-8
    ASSERT_EQ(store::DatSave(dir.path(), out), store::SaveResult::Saved);
    ASSERT_EQ(store::DatRead(dir.path(), in), store::DatReadResult::Loaded);
    EXPECT_EQ(Texts(in), Texts(out));
}

TEST(DatFile, WhatCannotBeOpenedLeavesTheTablesAloneAndHugeFilesAreReadOnlyAtTheStart)
{
    TempDir dir;
    const auto file = dir / store::kDatFileName;
    core::UserTables t = FilledTables();
    EXPECT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::OpenFailed);
    EXPECT_FALSE(fs::exists(file)); // reading never creates the file
    EXPECT_EQ(store::DatRead(dir / "no-such-dir", t), store::DatReadResult::OpenFailed);
    fs::create_directory(file);
    EXPECT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::OpenFailed);
    fs::remove(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
    EXPECT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::OpenFailed);
    fs::remove(file);
    fs::create_symlink(store::kDatFileName, file);
    EXPECT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::OpenFailed);
    fs::remove(file);
    if (::geteuid() != 0) { // root reads any file
        WriteBytes(file, "");
        fs::permissions(file, fs::perms::none);
        EXPECT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::OpenFailed);
        fs::remove(file);
    }
    EXPECT_EQ(Texts(t), Texts(FilledTables()));

    fs::copy_file(DataFile("cp1252.dat"), file);
    fs::resize_file(file, std::uintmax_t { 1 } << 30); // 1 GiB, sparse: zeros after the records
    ASSERT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::Loaded);
    EXPECT_EQ(Texts(t), Texts(Cp1252Tables()));
}

} // namespace
