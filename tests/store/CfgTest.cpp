#include "store/Store.h"
#include "tests/store/StoreTestUtil.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using storetest::ReadBytes;
using storetest::TempDir;
using storetest::WriteBytes;

const std::vector<std::string> kDefaultLines = {
    "[Window]",
    "Top=1350",
    "Left=840",
    "ConstantsTop=1650",
    "ConstantsLeft=2500",
    "Quantity=0",
    "Unit=0",
    "[Option]",
    "ShowTop=0",
    "Figure=6",
    "Form=0",
    "FaceColor=-1",
    "TextColor=-1",
    "TextColor1=-1",
    "TextColor2=-1",
    "TextColor3=-1",
};

std::string Join(const std::vector<std::string> &lines, std::string_view end = "\r\n")
{
    std::string out;
    for (const auto &l : lines)
        out += l + std::string(end);
    return out;
}

std::vector<std::string> WithLine(int n, std::string text)
{
    auto lines = kDefaultLines;
    lines[n] = std::move(text);
    return lines;
}

// Settings that differ from the defaults everywhere, to see that a failed read resets all of them.
store::Settings Unusual()
{
    store::Settings s;
    s.pnFrmConvTop = -5;
    s.pnFrmConvLeft = 32767;
    s.pnFrmConstTop = -32768;
    s.pnFrmConstLeft = 7;
    s.pnSelUnitGrp = 51;
    s.pnSelUnitItem = 40;
    s.pnShowTop = 1;
    s.pnFigure = 7;
    s.pnFormFlag = 1;
    s.psBtnFaceColor = "016032064";
    s.psBtnTextColor = "255255255";
    s.psBtnTextColor1 = "000000000";
    s.psBtnTextColor2 = "\u00C5";
    s.psBtnTextColor3 = "";
    return s;
}

store::CfgReadResult ReadFile(const TempDir &dir, std::string_view bytes, store::Settings &s)
{
    WriteBytes(dir / store::kCfgFileName, bytes);
    return store::CfgRead(dir.path(), s);
}

TEST(Cfg, DefaultsAreWrittenAsTheGoldenFile)
{
    TempDir dir;
    store::Settings s;
    ASSERT_EQ(store::CfgSave(dir.path(), s), store::SaveResult::Saved);
    const std::string golden = ReadBytes(storetest::DataFile("defaults.cfg"));
    EXPECT_EQ(ReadBytes(dir / store::kCfgFileName), golden);
    EXPECT_EQ(golden, Join(kDefaultLines));
}

TEST(Cfg, GoldenFileLoadsAsDefaults)
{
    store::Settings s = Unusual();
    ASSERT_EQ(
        store::CfgParse(ReadBytes(storetest::DataFile("defaults.cfg")), s), store::CfgReadResult::Loaded);
    EXPECT_EQ(s, store::Settings {});
}

TEST(Cfg, EveryFieldRoundTrips)
{
    TempDir dir;
    store::Settings out = Unusual();
    ASSERT_EQ(store::CfgSave(dir.path(), out), store::SaveResult::Saved);
    store::Settings in;
    ASSERT_EQ(store::CfgRead(dir.path(), in), store::CfgReadResult::Loaded);
    EXPECT_EQ(in, Unusual());
}

TEST(Cfg, LinesAreReadByPositionWhateverTheKeys)
{
    const std::vector<std::string> lines = {
        "[Fenster]",
        "Tpo=11",
        "x=12",
        "=13",
        "ConstantsLeft=14",
        "Quantity=15",
        "Unit=16",
        "anything",
        "ShowTop=1",
        "Figure=8",
        "Form=3",
        "a=1",
        "b= 2 ",
        "c=3",
        "d=4",
        "e=5",
    };
    store::Settings s;
    ASSERT_EQ(store::CfgParse(Join(lines), s), store::CfgReadResult::Loaded);
    store::Settings want;
    want.pnFrmConvTop = 11;
    want.pnFrmConvLeft = 12;
    want.pnFrmConstTop = 13;
    want.pnFrmConstLeft = 14;
    want.pnSelUnitGrp = 15;
    want.pnSelUnitItem = 16;
    want.pnShowTop = 1;
    want.pnFigure = 8;
    want.pnFormFlag = 3;
    want.psBtnFaceColor = "1";
    want.psBtnTextColor = "2";
    want.psBtnTextColor1 = "3";
    want.psBtnTextColor2 = "4";
    want.psBtnTextColor3 = "5";
    EXPECT_EQ(s, want);
}

struct NumberCase
{
    const char *name;
    std::string line; // line 1, the main window's top
    std::optional<std::int16_t> top; // nullopt: the whole file falls back to the defaults
};

class CfgNumber : public testing::TestWithParam<NumberCase>
{
};

TEST_P(CfgNumber, ReadsLeadingNumberRoundedHalfEven)
{
    store::Settings s = Unusual();
    const auto result = store::CfgParse(Join(WithLine(1, GetParam().line)), s);
    if (GetParam().top) {
        ASSERT_EQ(result, store::CfgReadResult::Loaded);
        EXPECT_EQ(s.pnFrmConvTop, *GetParam().top);
        EXPECT_EQ(s.pnFrmConvLeft, 840);
    } else {
        ASSERT_EQ(result, store::CfgReadResult::Defaults);
        EXPECT_EQ(s, store::Settings {});
    }
}

INSTANTIATE_TEST_SUITE_P(Table,
    CfgNumber,
    testing::Values(NumberCase { "Plain", "Top=1350", 1350 },
        NumberCase { "HalfDownToEven", "Top=1350.5", 1350 },
        NumberCase { "HalfUpToEven", "Top=1351.5", 1352 },
        NumberCase { "BelowHalf", "Top=2.4999", 2 },
        NumberCase { "AboveHalf", "Top=2.5001", 3 },
        NumberCase { "NegativeHalf", "Top=-2.5", -2 },
        NumberCase { "NegativeOddHalf", "Top=-1350.5", -1350 },
        NumberCase { "MinusZero", "Top=-0", 0 },
        NumberCase { "BlanksAndPlus", "Top= +12 ", 12 },
        NumberCase { "TabsAroundValue", "Top=\t77\t", 77 },
        NumberCase { "TrailingLetters", "Top=12abc", 12 },
        NumberCase { "Letters", "Top=abc", 0 },
        NumberCase { "Empty", "Top=", 0 },
        NumberCase { "NoEquals", "Top 1350", 0 },
        NumberCase { "Exponent", "Top=1E3", 1000 },
        NumberCase { "Largest", "Top=32767", 32767 },
        NumberCase { "Smallest", "Top=-32768", -32768 },
        NumberCase { "SmallestHalf", "Top=-32768.5", -32768 },
        NumberCase { "RoundsPastLargest", "Top=32767.5", std::nullopt },
        NumberCase { "TooLarge", "Top=40000", std::nullopt },
        NumberCase { "TooSmall", "Top=-32769", std::nullopt },
        NumberCase { "BeyondDouble", "Top=1e400", std::nullopt }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(Cfg, OutOfRangeLateLineResetsSettingsAlreadyRead)
{
    auto lines = WithLine(1, "Top=99");
    lines[10] = "Form=99999";
    store::Settings s;
    EXPECT_EQ(store::CfgParse(Join(lines), s), store::CfgReadResult::Defaults);
    EXPECT_EQ(s, store::Settings {});
}

struct ShapeCase
{
    const char *name;
    std::string bytes;
    store::CfgReadResult result;
};

class CfgShape : public testing::TestWithParam<ShapeCase>
{
};

TEST_P(CfgShape, LoadsOrFallsBack)
{
    store::Settings s = Unusual();
    ASSERT_EQ(store::CfgParse(GetParam().bytes, s), GetParam().result);
    if (GetParam().result == store::CfgReadResult::Loaded) {
        EXPECT_EQ(s.pnFrmConvTop, 4321);
        EXPECT_EQ(s.psBtnTextColor3, "-1");
    } else {
        EXPECT_EQ(s, store::Settings {});
    }
}

std::vector<std::string> Marked()
{
    return WithLine(1, "Top=4321");
}

std::vector<std::string> FifteenOfMarked()
{
    auto lines = Marked();
    lines.pop_back();
    return lines;
}

std::vector<std::string> Longer()
{
    auto lines = Marked();
    lines.push_back("Top=40000");
    lines.push_back("\xFF\x01 garbage");
    return lines;
}

INSTANTIATE_TEST_SUITE_P(Table,
    CfgShape,
    testing::Values(ShapeCase { "CrLf", Join(Marked()), store::CfgReadResult::Loaded },
        ShapeCase { "LfOnly", Join(Marked(), "\n"), store::CfgReadResult::Loaded },
        ShapeCase { "CrOnly", Join(Marked(), "\r"), store::CfgReadResult::Loaded },
        ShapeCase { "LastLineUnended",
            Join(Marked()).substr(0, Join(Marked()).size() - 2),
            store::CfgReadResult::Loaded },
        ShapeCase { "LinesAfterSixteenthIgnored", Join(Longer()), store::CfgReadResult::Loaded },
        ShapeCase { "FifteenLines", Join(FifteenOfMarked()), store::CfgReadResult::Defaults },
        ShapeCase { "Empty", "", store::CfgReadResult::Defaults }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(Cfg, MixedLineEndsCountEachEndOnce)
{
    std::string bytes;
    const auto lines = Marked();
    const char *ends[] = { "\r\n", "\n", "\r" };
    for (std::size_t i = 0; i < lines.size(); ++i)
        bytes += lines[i] + ends[i % 3];
    store::Settings s;
    ASSERT_EQ(store::CfgParse(bytes, s), store::CfgReadResult::Loaded);
    EXPECT_EQ(s.pnFrmConvTop, 4321);
    EXPECT_EQ(s.pnFrmConvLeft, 840);
    EXPECT_EQ(s.psBtnTextColor3, "-1");
}

TEST(Cfg, FigureOneLoadsAsTenAndTenIsWrittenAsOne)
{
    TempDir dir;
    store::Settings s;
    ASSERT_EQ(ReadFile(dir, Join(WithLine(9, "Figure=1")), s), store::CfgReadResult::Loaded);
    EXPECT_EQ(s.pnFigure, 10);
    ASSERT_EQ(store::CfgSave(dir.path(), s), store::SaveResult::Saved);
    EXPECT_EQ(s.pnFigure, 1);
    EXPECT_EQ(ReadBytes(dir / store::kCfgFileName), Join(WithLine(9, "Figure=1")));
}

struct GroupCase
{
    std::string value;
    std::int16_t group;
};

class CfgGroup : public testing::TestWithParam<GroupCase>
{
};

TEST_P(CfgGroup, OutsideTheGroupsShowsTheFirstAndKeepsTheRest)
{
    auto lines = WithLine(5, "Quantity=" + GetParam().value);
    lines[2] = "Left=-77";
    store::Settings s;
    ASSERT_EQ(store::CfgParse(Join(lines), s), store::CfgReadResult::Loaded);
    EXPECT_EQ(s.pnSelUnitGrp, GetParam().group);
    EXPECT_EQ(s.pnFrmConvLeft, -77);
}

INSTANTIATE_TEST_SUITE_P(Table,
    CfgGroup,
    testing::Values(GroupCase { "28", 28 },
        GroupCase { "52", 52 },
        GroupCase { "53", 0 },
        GroupCase { "-1", 0 },
        GroupCase { "999", 0 },
        GroupCase { "-32768", 0 }));

TEST(Cfg, ColourTextsAreTrimmedOnReadingAndWrittenAsHeld)
{
    TempDir dir;
    auto lines = WithLine(11, "FaceColor=   016032064 \t");
    lines[12] = "TextColor= a=b ";
    store::Settings s;
    ASSERT_EQ(ReadFile(dir, Join(lines), s), store::CfgReadResult::Loaded);
    EXPECT_EQ(s.psBtnFaceColor, "016032064");
    EXPECT_EQ(s.psBtnTextColor, "a=b");
    ASSERT_EQ(store::CfgSave(dir.path(), s), store::SaveResult::Saved);
    lines[11] = "FaceColor=016032064";
    lines[12] = "TextColor=a=b";
    EXPECT_EQ(ReadBytes(dir / store::kCfgFileName), Join(lines));
}

TEST(Cfg, FormThreeIsKept)
{
    store::Settings s;
    ASSERT_EQ(store::CfgParse(Join(WithLine(10, "Form=3")), s), store::CfgReadResult::Loaded);
    EXPECT_EQ(s.pnFormFlag, 3);
}

TEST(Cfg, UnstorableColourIsRefusedAndTheOldFileKept)
{
    for (const std::string colour : { "\u03A9", "-1\n", "1\r2", "\xC3" }) {
        TempDir dir;
        const std::string old = Join(WithLine(1, "Top=5"));
        WriteBytes(dir / store::kCfgFileName, old);
        store::Settings s;
        s.psBtnTextColor2 = colour;
        EXPECT_EQ(store::CfgSave(dir.path(), s), store::SaveResult::Failed);
        EXPECT_EQ(ReadBytes(dir / store::kCfgFileName), old);
    }
}

TEST(Cfg, Cp1252ColourIsDecodedAndEncodedBack)
{
    TempDir dir;
    const std::string bytes = Join(WithLine(15, "TextColor3=\xB0\xB5\x81"));
    store::Settings s;
    ASSERT_EQ(ReadFile(dir, bytes, s), store::CfgReadResult::Loaded);
    EXPECT_EQ(s.psBtnTextColor3, "\u00B0\u00B5\u0081");
    ASSERT_EQ(store::CfgSave(dir.path(), s), store::SaveResult::Saved);
    EXPECT_EQ(ReadBytes(dir / store::kCfgFileName), bytes);
}

TEST(Cfg, LineTooLongToBeASettingFallsBack)
{
    TempDir dir;
    store::Settings s;
    const std::string bytes = Join(WithLine(13, "TextColor1=" + std::string(70000, '9')));
    EXPECT_EQ(ReadFile(dir, bytes, s), store::CfgReadResult::Defaults);
    EXPECT_EQ(store::CfgParse(bytes, s), store::CfgReadResult::Defaults);
}

struct GetValueCase
{
    std::string line;
    std::string value;
};

class CfgGetValue : public testing::TestWithParam<GetValueCase>
{
};

TEST_P(CfgGetValue, TakesTheTrimmedTextAfterTheFirstEquals)
{
    EXPECT_EQ(store::GetCfgValue(GetParam().line), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Table,
    CfgGetValue,
    testing::Values(GetValueCase { "Top=1350", "1350" },
        GetValueCase { "Top =  12 ", "12" },
        GetValueCase { "a=b=c", "b=c" },
        GetValueCase { "no equals", "" },
        GetValueCase { "=", "" },
        GetValueCase { "", "" },
        GetValueCase { "k=\t x y \t", "x y" }));

// Files that are no configuration at all: each falls back to the defaults, and none blocks.
TEST(CfgFile, MissingOrUnreadableFallsBack)
{
    TempDir dir;
    store::Settings s = Unusual();
    EXPECT_EQ(store::CfgRead(dir.path(), s), store::CfgReadResult::Defaults);
    EXPECT_EQ(s, store::Settings {});

    fs::create_directory(dir / store::kCfgFileName);
    s = Unusual();
    EXPECT_EQ(store::CfgRead(dir.path(), s), store::CfgReadResult::Defaults);
    EXPECT_EQ(s, store::Settings {});
    fs::remove(dir / store::kCfgFileName);

    ASSERT_EQ(::mkfifo((dir / store::kCfgFileName).c_str(), 0644), 0);
    s = Unusual();
    EXPECT_EQ(store::CfgRead(dir.path(), s), store::CfgReadResult::Defaults);
    EXPECT_EQ(s, store::Settings {});
    fs::remove(dir / store::kCfgFileName);

    fs::create_symlink(store::kCfgFileName, dir / store::kCfgFileName);
    s = Unusual();
    EXPECT_EQ(store::CfgRead(dir.path(), s), store::CfgReadResult::Defaults);
}

TEST(CfgFile, WithoutReadPermissionFallsBack)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads any file";
    TempDir dir;
    WriteBytes(dir / store::kCfgFileName, Join(kDefaultLines));
    fs::permissions(dir / store::kCfgFileName, fs::perms::none);
    store::Settings s = Unusual();
    EXPECT_EQ(store::CfgRead(dir.path(), s), store::CfgReadResult::Defaults);
    EXPECT_EQ(s, store::Settings {});
}

TEST(CfgFile, HugeFileIsNotReadWhole)
{
    TempDir dir;
    const auto file = dir / store::kCfgFileName;
    WriteBytes(file, Join(Marked()));
    fs::resize_file(file, std::uintmax_t { 1 } << 30); // sparse: takes no disk space
    store::Settings s;
    EXPECT_EQ(store::CfgRead(dir.path(), s), store::CfgReadResult::Loaded);
    EXPECT_EQ(s.pnFrmConvTop, 4321);

    WriteBytes(file, "");
    fs::resize_file(file, std::uintmax_t { 1 } << 30);
    EXPECT_EQ(store::CfgRead(dir.path(), s), store::CfgReadResult::Defaults);
}

} // namespace
