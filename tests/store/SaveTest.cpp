#include "store/Store.h"
#include "tests/store/StoreTestUtil.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using storetest::Entries;
using storetest::ReadBytes;
using storetest::TempDir;
using storetest::WriteBytes;

// Real system calls, except for the failure a test asks for.
class FailingSteps : public store::SaveSteps
{
public:
    std::size_t failWriteAfter = SIZE_MAX; // bytes accepted before the disk is "full"
    std::size_t chunk = SIZE_MAX; // largest write accepted at once
    bool writeStalls = false; // writes succeed but take no byte
    bool failSync = false;
    bool failRename = false;
    std::size_t written = 0;

    std::ptrdiff_t Write(int fd, const char *data, std::size_t n) override
    {
        if (writeStalls)
            return 0;
        if (written >= failWriteAfter) {
            errno = ENOSPC;
            return -1;
        }
        n = std::min({ n, chunk, failWriteAfter - written });
        const auto r = store::SaveSteps::Write(fd, data, n);
        if (r > 0)
            written += static_cast<std::size_t>(r);
        return r;
    }
    bool Sync(int fd) override { return !failSync && store::SaveSteps::Sync(fd); }
    bool Rename(const fs::path &from, const fs::path &to) override
    {
        return !failRename && store::SaveSteps::Rename(from, to);
    }
};

struct FailureCase
{
    const char *name;
    FailingSteps steps;
};

class SaveFailure : public testing::TestWithParam<FailureCase>
{
};

const std::string kOldCfg = "old settings\r\n";
const std::string kOldDat(1320, '\x01');

TEST_P(SaveFailure, ReportsAndLeavesTheOldFilesByteIdentical)
{
    TempDir dir;
    WriteBytes(dir / store::kCfgFileName, kOldCfg);
    WriteBytes(dir / store::kDatFileName, kOldDat);
    const auto before = Entries(dir.path());

    FailingSteps cfgSteps = GetParam().steps;
    store::Settings s;
    EXPECT_EQ(store::CfgSave(dir.path(), s, cfgSteps), store::SaveResult::Failed);
    FailingSteps datSteps = GetParam().steps;
    EXPECT_EQ(store::DatSave(dir.path(), storetest::FilledTables(), datSteps), store::SaveResult::Failed);

    EXPECT_EQ(ReadBytes(dir / store::kCfgFileName), kOldCfg);
    EXPECT_EQ(ReadBytes(dir / store::kDatFileName), kOldDat);
    EXPECT_EQ(Entries(dir.path()), before); // no temporary file left behind
}

FailingSteps DiskFullAfter(std::size_t n)
{
    FailingSteps f;
    f.failWriteAfter = n;
    return f;
}

FailingSteps Stalling()
{
    FailingSteps f;
    f.writeStalls = true;
    return f;
}

FailingSteps SyncFails()
{
    FailingSteps f;
    f.failSync = true;
    return f;
}

FailingSteps RenameFails()
{
    FailingSteps f;
    f.failRename = true;
    return f;
}

INSTANTIATE_TEST_SUITE_P(Table,
    SaveFailure,
    testing::Values(FailureCase { "DiskFullAtOnce", DiskFullAfter(0) },
        FailureCase { "DiskFullAfterOneByte", DiskFullAfter(1) },
        FailureCase { "DiskFullHalfWay", DiskFullAfter(100) },
        FailureCase { "DiskFullAtLastByte", DiskFullAfter(200) },
        FailureCase { "WriteMakesNoProgress", Stalling() },
        FailureCase { "FlushFails", SyncFails() },
        FailureCase { "RenameFails", RenameFails() }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(Save, ShortWritesStillWriteEverything)
{
    TempDir dir;
    FailingSteps steps;
    steps.chunk = 7;
    ASSERT_EQ(store::DatSave(dir.path(), storetest::FilledTables(), steps), store::SaveResult::Saved);
    core::UserTables t;
    ASSERT_EQ(store::DatRead(dir.path(), t), store::DatReadResult::Loaded);
    EXPECT_EQ(storetest::TextsInFileOrder(t), storetest::TextsInFileOrder(storetest::FilledTables()));
    EXPECT_EQ(steps.written, fs::file_size(dir / store::kDatFileName));
}

TEST(Save, PathThatIsADirectoryFailsAndStays)
{
    TempDir dir;
    fs::create_directory(dir / store::kCfgFileName);
    fs::create_directory(dir / store::kDatFileName);
    WriteBytes(dir / store::kDatFileName / "inside", "x");
    store::Settings s;
    EXPECT_EQ(store::CfgSave(dir.path(), s), store::SaveResult::Failed);
    EXPECT_EQ(store::DatSave(dir.path(), core::UserTables {}), store::SaveResult::Failed);
    EXPECT_TRUE(fs::is_directory(dir / store::kCfgFileName));
    EXPECT_EQ(ReadBytes(dir / store::kDatFileName / "inside"), "x");
    EXPECT_EQ(Entries(dir.path()), (std::vector<std::string> { "ORLOPREF.CFG", "ORL_USER.DAT" }));
}

TEST(Save, MissingDirectoryFails)
{
    TempDir dir;
    store::Settings s;
    EXPECT_EQ(store::CfgSave(dir / "gone", s), store::SaveResult::Failed);
    EXPECT_EQ(store::DatSave(dir / "gone", core::UserTables {}), store::SaveResult::Failed);
    EXPECT_FALSE(fs::exists(dir / "gone"));
}

TEST(Save, ReadOnlyDirectoryFailsAndKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into any directory";
    TempDir dir;
    WriteBytes(dir / store::kDatFileName, kOldDat);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(store::DatSave(dir.path(), core::UserTables {}), store::SaveResult::Failed);
    EXPECT_EQ(ReadBytes(dir / store::kDatFileName), kOldDat);
}

TEST(Save, NewFileIsCreatedAndAnOldOnesPermissionsKept)
{
    TempDir dir;
    store::Settings s;
    ASSERT_EQ(store::CfgSave(dir.path(), s), store::SaveResult::Saved);
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string> { "ORLOPREF.CFG" });

    fs::permissions(
        dir / store::kCfgFileName, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    s.pnFrmConvTop = 1;
    ASSERT_EQ(store::CfgSave(dir.path(), s), store::SaveResult::Saved);
    EXPECT_EQ(fs::status(dir / store::kCfgFileName).permissions(),
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(ReadBytes(dir / store::kCfgFileName).substr(10, 8), "Top=1\r\nL");
}

TEST(Save, LinkedFileStaysALinkAndItsTargetIsReplaced)
{
    TempDir dir;
    fs::create_directory(dir / "elsewhere");
    WriteBytes(dir / "elsewhere" / "real.dat", kOldDat);
    fs::create_symlink(dir / "elsewhere" / "real.dat", dir / store::kDatFileName);
    ASSERT_EQ(store::DatSave(dir.path(), core::UserTables {}), store::SaveResult::Saved);
    EXPECT_TRUE(fs::is_symlink(dir / store::kDatFileName));
    EXPECT_EQ(ReadBytes(dir / "elsewhere" / "real.dat"), std::string(1320, '\0'));
    EXPECT_EQ(Entries(dir / "elsewhere"), std::vector<std::string> { "real.dat" });
}

TEST(MyPath, IsTheDirectoryOfTheRunningProgramWithATrailingSlash)
{
    const std::string dir = store::MyPath().string();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_TRUE(fs::path(dir).is_absolute());
    EXPECT_TRUE(fs::equivalent(fs::path(dir) / ORLO_TEST_EXE, "/proc/self/exe"));
}

} // namespace
