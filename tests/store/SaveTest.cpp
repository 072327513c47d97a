#include "store/Store.h"
#include "tests/store/StoreTestUtil.h"

#include <cerrno>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace storetest;

// The real system calls, but for the failure a test asks for.
struct FailingSteps : store::SaveSteps
{
    std::size_t accept = SIZE_MAX; // bytes written before the disk is full
    std::size_t chunk = SIZE_MAX; // most bytes one write takes
    bool stall = false, failSync = false, failRename = false;
    std::size_t written = 0;

    std::ptrdiff_t Write(int fd, const char *data, std::size_t n) override
    {
        if (stall)
            return 0;
        if (written >= accept)
            return errno = ENOSPC, -1;
        const auto r = store::SaveSteps::Write(fd, data, std::min({ n, chunk, accept - written }));
        written += r > 0 ? std::size_t(r) : 0;
        return r;
    }
    bool Sync(int fd) override { return !failSync && store::SaveSteps::Sync(fd); }
    bool Rename(const fs::path &a, const fs::path &b) override
    {
        return !failRename && store::SaveSteps::Rename(a, b);
    }
};

TEST(Save, EveryFailureIsReportedAndLeavesTheOldFilesByteIdentical)
{
    std::vector<FailingSteps> failures(7);
    failures[0].accept = 0;
    failures[1].accept = 1;
    failures[2].accept = 100;
    failures[3].accept = 200; // the default configuration is 201 bytes
    failures[4].stall = true;
    failures[5].failSync = true;
    failures[6].failRename = true;
    for (std::size_t i = 0; i < failures.size(); ++i) {
        TempDir dir;
        WriteBytes(dir / store::kCfgFileName, "old settings\r\n");
        WriteBytes(dir / store::kDatFileName, std::string(1320, '\x01'));
        FailingSteps cfg = failures[i], dat = failures[i];
        store::Settings s;
        EXPECT_EQ(store::CfgSave(dir.path(), s, cfg), store::SaveResult::Failed) << i;
        EXPECT_EQ(store::DatSave(dir.path(), FilledTables(), dat), store::SaveResult::Failed) << i;
        EXPECT_EQ(ReadBytes(dir / store::kCfgFileName), "old settings\r\n") << i;
        EXPECT_EQ(ReadBytes(dir / store::kDatFileName), std::string(1320, '\x01')) << i;
        EXPECT_EQ(Entries(dir.path()), (std::vector<std::string> { "ORLOPREF.CFG", "ORL_USER.DAT" })) << i;
    }
}

TEST(Save, ShortWritesStillWriteEverythingAndALongerOldFileIsReplacedWhole)
{
    TempDir dir;
    WriteBytes(dir / store::kDatFileName, std::string(70000, 'x'));
    FailingSteps steps;
    steps.chunk = 7;
    ASSERT_EQ(store::DatSave(dir.path(), FilledTables(), steps), store::SaveResult::Saved);
    EXPECT_EQ(ReadBytes(dir / store::kDatFileName), *store::DatFormat(FilledTables()));
}

TEST(Save, PlacesThatTakeNoFileFail)
{
    TempDir dir;
    fs::create_directory(dir / store::kCfgFileName);
    store::Settings s;
    EXPECT_EQ(store::CfgSave(dir.path(), s), store::SaveResult::Failed);
    EXPECT_TRUE(fs::is_directory(dir / store::kCfgFileName));
    EXPECT_EQ(store::DatSave(dir / "gone", core::UserTables {}), store::SaveResult::Failed);
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string> { "ORLOPREF.CFG" });
    if (::geteuid() != 0) { // root writes into any directory
        fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(store::DatSave(dir.path(), core::UserTables {}), store::SaveResult::Failed);
    }
}

TEST(Save, KeepsTheOldFilesPermissionsAndLinks)
{
    TempDir dir;
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    WriteBytes(dir / "real.cfg", "old");
    fs::permissions(dir / "real.cfg", mode);
    fs::create_symlink("real.cfg", dir / store::kCfgFileName);
    store::Settings s;
    ASSERT_EQ(store::CfgSave(dir.path(), s), store::SaveResult::Saved);
    EXPECT_TRUE(fs::is_symlink(dir / store::kCfgFileName));
    EXPECT_EQ(fs::status(dir / "real.cfg").permissions(), mode);
    EXPECT_EQ(ReadBytes(dir / "real.cfg"), ReadBytes(DataFile("defaults.cfg")));
    EXPECT_EQ(Entries(dir.path()), (std::vector<std::string> { "ORLOPREF.CFG", "real.cfg" }));
}

TEST(MyPath, IsTheRunningProgramsDirectoryWithATrailingSlash)
{
    const fs::path dir = store::MyPath();
    EXPECT_EQ(dir.string().back(), '/');
    EXPECT_TRUE(dir.is_absolute());
    EXPECT_TRUE(fs::equivalent(dir / ORLO_TEST_EXE, "/proc/self/exe"));
}

// Runs a test with an environment variable set, restoring it afterwards.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const char *value)
        : m_name(name)
    {
        if (const char *old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char *m_name;
    std::optional<std::string> m_old;
};

TEST(DataDir, StaysBesideAWritableProgramAndMovesToTheUserFolderOtherwise)
{
    EXPECT_EQ(store::ChooseDataDir("/opt/orlo/", true, "/home/u/.config/Orlo/"), fs::path("/opt/orlo/"));
    EXPECT_EQ(store::ChooseDataDir("/opt/orlo/", false, "/home/u/.config/Orlo/"),
        fs::path("/home/u/.config/Orlo/"));

    storetest::TempDir program;
    const fs::path dir = program.path() / "";
    EXPECT_EQ(store::DataDir(dir), dir);
}

TEST(DataDir, UserFolderFollowsXdgConfigHomeThenHome)
{
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/x/conf");
        EXPECT_EQ(store::UserConfigDir(), fs::path("/x/conf/Orlo/"));
    }
    ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    ScopedEnv home("HOME", "/home/someone");
    EXPECT_EQ(store::UserConfigDir(), fs::path("/home/someone/.config/Orlo/"));
}

TEST(DataDir, AReadOnlyProgramFolderUsesTheUserFolderAndCreatesIt)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write into any folder";
    storetest::TempDir program;
    storetest::TempDir home;
    ScopedEnv xdg("XDG_CONFIG_HOME", home.path().c_str());
    fs::permissions(program.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const fs::path dir = store::DataDir(program.path() / "");
    fs::permissions(program.path(), fs::perms::owner_all);
    EXPECT_EQ(dir, home.path() / "Orlo" / "");
    EXPECT_TRUE(fs::is_directory(dir));
}

} // namespace
