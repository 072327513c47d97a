#include "store/Store.h"
#include "tests/store/StoreTestUtil.h"

#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace storetest;
using store::CfgReadResult;

using Lines = std::vector<std::string>;

// The sixteen lines of the golden file, which tests/data/make_fixtures.py writes from its own list.
const Lines kDefaultLines = [] {
    Lines lines;
    const std::string bytes = ReadBytes(DataFile("defaults.cfg"));
    for (std::size_t pos = 0, end; (end = bytes.find("\r\n", pos)) != std::string::npos; pos = end + 2)
        lines.push_back(bytes.substr(pos, end - pos));
    return lines;
}();

std::string Join(const Lines &lines, const std::string &end = "\r\n")
{
    std::string out;
    for (const auto &l : lines)
        out += l + end;
    return out;
}

// The default lines with line `n` replaced, the first `count` of them.
Lines With(int n, const std::string &text, std::size_t count = 16)
{
    Lines lines = kDefaultLines;
    lines[n] = text;
    lines.resize(count);
    return lines;
}

// Differs from the defaults everywhere, so a fall-back that misses a setting shows.
store::Settings Unusual()
{
    return { -5, 32767, -32768, 7, 51, 40, 1, 7, 1, "016032064", "255255255", "0", "\u00C5", "" };
}

CfgReadResult Parse(const std::string &bytes, store::Settings &s)
{
    s = Unusual();
    return store::CfgParse(bytes, s);
}

TEST(Cfg, DefaultsAreTheGoldenFileBothWaysAndEveryFieldRoundTrips)
{
    TempDir dir;
    store::Settings s;
    ASSERT_EQ(kDefaultLines.size(), 16u);
    ASSERT_EQ(store::CfgSave(dir.path(), s), store::SaveResult::Saved);
    EXPECT_EQ(ReadBytes(dir / store::kCfgFileName), Join(kDefaultLines));
    ASSERT_EQ(Parse(Join(kDefaultLines), s), CfgReadResult::Loaded);
    EXPECT_EQ(s, store::Settings {});

    store::Settings out = Unusual();
    ASSERT_EQ(store::CfgSave(dir.path(), out), store::SaveResult::Saved);
    ASSERT_EQ(store::CfgRead(dir.path(), s), CfgReadResult::Loaded);
    EXPECT_EQ(s, Unusual());
}

TEST(Cfg, LinesAreReadByPositionWhateverTheirKeys)
{
    const Lines lines = { "[Fenster]",
        "Tpo=11",
        "x=12",
        "=13",
        "ConstantsLeft=14",
        "Quantity=15",
        "Unit=16",
        "?",
        "ShowTop=1",
        "Figure=8",
        "Form=3",
        "a=1",
        "b= 2 ",
        "c=3",
        "d=4",
        "e=5" };
    store::Settings s;
    ASSERT_EQ(Parse(Join(lines), s), CfgReadResult::Loaded);
    EXPECT_EQ(s, (store::Settings { 11, 12, 13, 14, 15, 16, 1, 8, 3, "1", "2", "3", "4", "5" }));
}

TEST(Cfg, NumbersAreLeadingNumbersRoundedHalfToEven)
{
    // nullopt: out of range, so the whole file falls back to the defaults.
    const std::pair<std::string, std::optional<std::int16_t>> table[] = {
        { "Top=1350.5", 1350 },
        { "Top=1351.5", 1352 },
        { "Top=2.4999", 2 },
        { "Top=-2.5", -2 },
        { "Top=-0", 0 },
        { "Top= +12 ", 12 },
        { "Top=\t77\t", 77 },
        { "Top=12abc", 12 },
        { "Top=abc", 0 },
        { "Top=", 0 },
        { "Top 1350", 0 },
        { "Top=1E3", 1000 },
        { "Top=32767", 32767 },
        { "Top=-32768.5", -32768 },
        { "Top=32767.5", {} },
        { "Top=40000", {} },
        { "Top=-32769", {} },
        { "Top=1e400", {} },
    };
    for (const auto &[line, top] : table) {
        store::Settings s;
        const auto result = Parse(Join(With(1, line)), s);
        EXPECT_EQ(result, top ? CfgReadResult::Loaded : CfgReadResult::Defaults) << line;
        EXPECT_EQ(s.pnFrmConvTop, top.value_or(1350)) << line;
        EXPECT_EQ(s.psBtnTextColor3, "-1") << line;
    }
}

TEST(Cfg, LineEndsAndLineCounts)
{
    const std::string good = Join(With(1, "Top=4321"));
    std::string mixed;
    for (std::size_t i = 0; i < 16; ++i)
        mixed += With(1, "Top=4321")[i] + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
    const std::pair<std::string, CfgReadResult> table[] = {
        { Join(With(1, "Top=4321"), "\n"), CfgReadResult::Loaded },
        { Join(With(1, "Top=4321"), "\r"), CfgReadResult::Loaded },
        { mixed, CfgReadResult::Loaded },
        { good.substr(0, good.size() - 2), CfgReadResult::Loaded }, // last line without its end
        { good + "Top=40000\r\n\xFF garbage", CfgReadResult::Loaded },
        { Join(With(1, "Top=4321", 15)), CfgReadResult::Defaults },
        { "", CfgReadResult::Defaults },
        { Join(With(13, "TextColor1=" + std::string(70000, '9'))), CfgReadResult::Defaults },
        { Join(With(10, "Form=99999")), CfgReadResult::Defaults }, // late failure resets earlier lines
    };
    for (const auto &[bytes, result] : table) {
        store::Settings s;
        ASSERT_EQ(Parse(bytes, s), result) << bytes.substr(0, 40);
        if (result == CfgReadResult::Defaults)
            EXPECT_EQ(s, store::Settings {});
        else
            EXPECT_EQ(std::pair(s.pnFrmConvTop, s.psBtnTextColor3),
                std::pair(std::int16_t(4321), std::string("-1")));
    }
}

TEST(Cfg, GroupOutsideTheGroupsLoadsAsTheFirstWithTheRestOfTheFile)
{
    for (const auto &[value, group] :
        { std::pair("28", 28), { "52", 52 }, { "53", 0 }, { "-1", 0 }, { "-32768", 0 } }) {
        store::Settings s;
        ASSERT_EQ(Parse(Join(With(5, std::string("Quantity=") + value)), s), CfgReadResult::Loaded);
        EXPECT_EQ(s.pnSelUnitGrp, group) << value;
        EXPECT_EQ(s.pnFrmConvLeft, 840);
    }
}

TEST(Cfg, FigureOneLoadsAsTenAndTenIsWrittenAsOne)
{
    TempDir dir;
    WriteBytes(dir / store::kCfgFileName, Join(With(9, "Figure=1")));
    store::Settings s;
    ASSERT_EQ(store::CfgRead(dir.path(), s), CfgReadResult::Loaded);
    EXPECT_EQ(s.pnFigure, 10);
    WriteBytes(dir / store::kCfgFileName, "");
    ASSERT_EQ(store::CfgSave(dir.path(), s), store::SaveResult::Saved);
    EXPECT_EQ(s.pnFigure, 1);
    EXPECT_EQ(ReadBytes(dir / store::kCfgFileName), Join(With(9, "Figure=1")));
}

TEST(Cfg, ColourTextsAreTrimmedOnReadingAndWrittenAsHeld)
{
    TempDir dir;
    Lines lines = With(11, "FaceColor=   016032064 \t");
    lines[12] = "TextColor= a=b ";
    lines[15] = "TextColor3=\xB0\xB5\x81";
    WriteBytes(dir / store::kCfgFileName, Join(lines));
    store::Settings s;
    ASSERT_EQ(store::CfgRead(dir.path(), s), CfgReadResult::Loaded);
    EXPECT_EQ(std::tuple(s.psBtnFaceColor, s.psBtnTextColor, s.psBtnTextColor3),
        std::tuple("016032064", "a=b", "\u00B0\u00B5\u0081"));
    ASSERT_EQ(store::CfgSave(dir.path(), s), store::SaveResult::Saved);
    lines[11] = "FaceColor=016032064";
    lines[12] = "TextColor=a=b";
    EXPECT_EQ(ReadBytes(dir / store::kCfgFileName), Join(lines));
}

TEST(Cfg, UnstorableColourIsRefusedAndTheOldFileKept)
{
    for (const char *colour : { "\u03A9", "-1\n", "1\r2", "\xC3" }) {
        TempDir dir;
        WriteBytes(dir / store::kCfgFileName, "old");
        store::Settings s;
        s.psBtnTextColor2 = colour;
        EXPECT_EQ(store::CfgSave(dir.path(), s), store::SaveResult::Failed);
        EXPECT_EQ(Entries(dir.path()), Lines { "ORLOPREF.CFG" });
        EXPECT_EQ(ReadBytes(dir / store::kCfgFileName), "old");
    }
}

TEST(Cfg, GetCfgValueTakesTheTrimmedTextAfterTheFirstEquals)
{
    const std::pair<const char *, const char *> table[] = { { "Top=1350", "1350" },
        { "Top =  12 ", "12" },
        { "a=b=c", "b=c" },
        { "no equals", "" },
        { "=", "" },
        { "k=\t x y \t", "x y" } };
    for (const auto &[line, value] : table)
        EXPECT_EQ(store::GetCfgValue(line), value) << line;
}

// Paths that hold no readable configuration fall back without blocking; a huge file is not read whole.
TEST(CfgFile, OddFilesFallBackAndHugeOnesAreReadOnlyAtTheStart)
{
    TempDir dir;
    const auto file = dir / store::kCfgFileName;
    auto read = [&dir] {
        store::Settings s = Unusual();
        const auto r = store::CfgRead(dir.path(), s);
        return r == CfgReadResult::Defaults && s == store::Settings {} ? std::string("defaults")
                                                                       : s.psBtnFaceColor;
    };
    EXPECT_EQ(read(), "defaults");
    fs::create_directory(file);
    EXPECT_EQ(read(), "defaults");
    fs::remove(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
    EXPECT_EQ(read(), "defaults");
    fs::remove(file);
    fs::create_symlink(store::kCfgFileName, file); // a loop: even root cannot open it
    EXPECT_EQ(read(), "defaults");
    fs::remove(file);

    WriteBytes(file, Join(With(11, "FaceColor=1")));
    fs::resize_file(file, std::uintmax_t { 1 } << 30); // 1 GiB, sparse
    EXPECT_EQ(read(), "1");
    WriteBytes(file, "");
    fs::resize_file(file, std::uintmax_t { 1 } << 30);
    EXPECT_EQ(read(), "defaults");
    if (::geteuid() != 0) { // root reads any file
        WriteBytes(file, Join(kDefaultLines));
        fs::permissions(file, fs::perms::none);
        EXPECT_EQ(read(), "defaults");
    }
}

} // namespace
