// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Saving, and reading what is not a sound file: failed writes, refused texts, odd paths, huge files;
// the data folder.
#include "store/Store.h"
#include "support/StoreTestUtil.h"

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace storetest;
using store::SaveResult;

enum class Fail { None, Stall, Sync, Rename };

// The real system calls, but for the failure a test asks for.
struct FailingSteps : store::SaveSteps
{
    std::size_t accept = SIZE_MAX; // bytes written before the disk is full
    std::size_t chunk = SIZE_MAX; // most bytes one write takes
    Fail fail = Fail::None;

    std::ptrdiff_t Write(int fd, const char *data, std::size_t n) override
    {
        if (fail == Fail::Stall)
            return 0;
        if (accept == 0)
            return errno = ENOSPC, -1;
        const auto r = store::SaveSteps::Write(fd, data, std::min({ n, chunk, accept }));
        accept -= r > 0 ? std::size_t(r) : 0;
        return r;
    }
    bool Sync(int fd) override { return fail != Fail::Sync && store::SaveSteps::Sync(fd); }
    bool Rename(const fs::path &a, const fs::path &b) override
    {
        return fail != Fail::Rename && store::SaveSteps::Rename(a, b);
    }
};

TEST(Save, EveryFailureIsReportedAndLeavesTheOldFilesByteIdentical)
{
    // The default configuration is 201 bytes.
    // clang-format off
    const std::pair<std::size_t, Fail> failures[] = { { 0, Fail::None }, { 1, Fail::None }, { 100, Fail::None },
        { 200, Fail::None }, { SIZE_MAX, Fail::Stall }, { SIZE_MAX, Fail::Sync }, { SIZE_MAX, Fail::Rename } };
    // clang-format on
    for (const auto &[accept, fail] : failures) {
        SCOPED_TRACE(testing::Message() << accept << " bytes, failure " << int(fail));
        TempDir dir;
        WriteBytes(dir / store::kCfgFileName, "old settings\r\n");
        WriteBytes(dir / store::kDatFileName, std::string(1320, '\x01'));
        FailingSteps cfg, dat;
        cfg.accept = dat.accept = accept;
        cfg.fail = dat.fail = fail;
        store::Settings s;
        EXPECT_EQ(store::CfgSave(dir.path, s, cfg), SaveResult::Failed);
        EXPECT_EQ(store::DatSave(dir.path, FilledTables(), dat), SaveResult::Failed);
        EXPECT_EQ(ReadBytes(dir / store::kCfgFileName), "old settings\r\n");
        EXPECT_EQ(ReadBytes(dir / store::kDatFileName), std::string(1320, '\x01'));
        EXPECT_EQ(Entries(dir.path), (Names { "ORLOPREF.CFG", "ORL_USER.DAT" }));
    }
    // Short writes still write everything, and a longer old file is replaced whole.
    TempDir dir;
    WriteBytes(dir / store::kDatFileName, std::string(70000, 'x'));
    FailingSteps steps;
    steps.chunk = 7;
    ASSERT_EQ(store::DatSave(dir.path, FilledTables(), steps), SaveResult::Saved);
    EXPECT_EQ(ReadBytes(dir / store::kDatFileName), *store::DatFormat(FilledTables()));
}

// A text the file cannot hold as it is fails the save; it is never written changed.
TEST(Save, UnstorableTextsAreRefusedAndTheOldFileKept)
{
    std::string degrees;
    for (int i = 0; i < 65535; ++i)
        degrees += "\u00B0"; // twice as long in UTF-8 as in the file
    using Spoil = std::function<void(store::Settings &, core::UserTables &)>;
    const Spoil spoil[] = {
        [](auto &s, auto &) { s.psBtnTextColor2 = "\u03A9"; },
        [](auto &s, auto &) { s.psBtnTextColor2 = "-1\n"; }, // would shift the later lines
        [](auto &s, auto &) { s.psBtnTextColor2 = "1\r2"; },
        [](auto &s, auto &) { s.psBtnTextColor2 = "\xC3"; },
        [](auto &, auto &t) { t.UserGrpName[3] = "\u03A9 resistance"; },
        [](auto &, auto &t) { t.UserUnitName[19][9] = "\xE2\x82"; },
        [](auto &, auto &t) { t.UserOffsetText[0][0] = std::string(65536, '1'); },
        [&](auto &, auto &t) { t.UserUnitName[5][5] = degrees + "\u00B0"; },
    };
    for (const Spoil &f : spoil) {
        TempDir dir;
        WriteBytes(dir / store::kCfgFileName, "old");
        WriteBytes(dir / store::kDatFileName, "old");
        store::Settings s;
        core::UserTables t = FilledTables();
        f(s, t);
        const bool cfg = s != store::Settings {};
        EXPECT_EQ(cfg ? store::CfgSave(dir.path, s) : store::DatSave(dir.path, t), SaveResult::Failed);
        EXPECT_EQ(Entries(dir.path), (Names { "ORLOPREF.CFG", "ORL_USER.DAT" }));
        EXPECT_EQ(ReadBytes(dir / (cfg ? store::kCfgFileName : store::kDatFileName)), "old");
    }
    TempDir dir; // the longest texts that fit
    core::UserTables out, in;
    out.UserCoefText[19][9] = std::string(65535, '7');
    out.UserUnitName[19][9] = degrees;
    ASSERT_EQ(store::DatSave(dir.path, out), SaveResult::Saved);
    ASSERT_EQ(store::DatRead(dir.path, in), store::DatReadResult::Loaded);
    EXPECT_EQ(Texts(in), Texts(out));
}

TEST(Save, PlacesThatTakeNoFileFail)
{
    TempDir dir;
    fs::create_directory(dir / store::kCfgFileName);
    store::Settings s;
    EXPECT_EQ(store::CfgSave(dir.path, s), SaveResult::Failed);
    EXPECT_TRUE(fs::is_directory(dir / store::kCfgFileName));
    EXPECT_EQ(Entries(dir.path), Names { "ORLOPREF.CFG" });
    fs::remove(dir / store::kCfgFileName);
    if (::geteuid() != 0) { // root writes into any directory
        fs::permissions(dir.path, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(store::DatSave(dir.path, core::UserTables {}), SaveResult::Failed);
    }
}

constexpr uid_t kSomeoneElse = 65534; // nobody; root hands files to it to play another user

bool IsRoot()
{
    return ::geteuid() == 0;
}

// The id of a process that has ended.
pid_t DeadPid()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

// Files that are not the user's own writable file are never replaced, whether named directly or
// through a link, and neither is anything a link planted by someone else leads to.
TEST(Save, RefusesFilesThatAreNotTheUsersOwnWritableFile)
{
    struct Case
    {
        const char *name;
        bool link; // ORLOPREF.CFG is a link to the file elsewhere
        bool exists; // the file (the link's target) exists
        bool writable; // the owner write bit
        bool foreignFile; // owned by someone else (root only)
        bool foreignLink; // the link made by someone else (root only)
    };
    const Case cases[] = {
        { "a read-only file", false, true, false, false, false },
        { "a link to a read-only file elsewhere", true, true, false, false, false },
        { "a link that leads nowhere", true, false, true, false, false },
        { "another user's file", false, true, true, true, false },
        { "a link to another user's file", true, true, true, true, false },
        { "a link someone else planted, to the user's own file", true, true, true, false, true },
    };
    for (const Case &c : cases) {
        if ((c.foreignFile || c.foreignLink) && !IsRoot())
            continue;
        SCOPED_TRACE(c.name);
        TempDir dir, elsewhere;
        const fs::path kept = c.link ? elsewhere / "victim" : dir / store::kCfgFileName;
        if (c.exists) {
            WriteBytes(kept, "old");
            fs::permissions(
                kept, fs::perms::owner_read | (c.writable ? fs::perms::owner_write : fs::perms::none));
            if (c.foreignFile) {
                ASSERT_EQ(::chown(kept.c_str(), kSomeoneElse, kSomeoneElse), 0);
            }
        }
        if (c.link) {
            fs::create_symlink(kept, dir / store::kCfgFileName);
            if (c.foreignLink) {
                ASSERT_EQ(::lchown((dir / store::kCfgFileName).c_str(), kSomeoneElse, kSomeoneElse), 0);
            }
        }
        struct stat before = {};
        ::stat(kept.c_str(), &before);
        store::Settings s;
        EXPECT_EQ(store::CfgSave(dir.path, s), SaveResult::Failed);
        ASSERT_EQ(fs::exists(kept), c.exists);
        if (c.exists) {
            struct stat after = {};
            ::stat(kept.c_str(), &after);
            EXPECT_EQ(ReadBytes(kept), "old");
            EXPECT_EQ(std::tuple(after.st_ino, after.st_uid, after.st_mode),
                std::tuple(before.st_ino, before.st_uid, before.st_mode));
        }
        EXPECT_EQ(Entries(dir.path), Names { "ORLOPREF.CFG" });
    }
}

// A link to the user's own writable file in another folder is followed: the file there gets the
// settings, the link stays a link, the mode stays, and no temporary is left on either side.
TEST(Save, FollowsALinkToTheUsersOwnFileAndLeavesNoTemporary)
{
    TempDir dir, elsewhere;
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    WriteBytes(elsewhere / "mine.cfg", "old");
    fs::permissions(elsewhere / "mine.cfg", mode);
    fs::create_symlink(elsewhere / "mine.cfg", dir / store::kCfgFileName);
    store::Settings s;
    ASSERT_EQ(store::CfgSave(dir.path, s), SaveResult::Saved);
    EXPECT_TRUE(fs::is_symlink(dir / store::kCfgFileName));
    EXPECT_EQ(ReadBytes(elsewhere / "mine.cfg"), ReadBytes(DataFile("defaults.cfg")));
    EXPECT_EQ(fs::status(elsewhere / "mine.cfg").permissions(), mode);
    EXPECT_EQ(Entries(elsewhere.path), Names { "mine.cfg" });

    // A new file gets the usual mode for new files.
    const mode_t old = ::umask(027);
    ASSERT_EQ(store::DatSave(dir.path, FilledTables()), SaveResult::Saved);
    ::umask(old);
    EXPECT_EQ(fs::status(dir / store::kDatFileName).permissions(),
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Entries(dir.path), (Names { "ORLOPREF.CFG", "ORL_USER.DAT" }));
}

// Temporaries of a save killed half-way are removed at the next start when their process is gone;
// those of running processes and other files stay. Names planted in advance block nothing.
TEST(Save, LeftoverTemporariesGoAndPlantedNamesBlockNothing)
{
    TempDir dir;
    const std::string dead = std::to_string(DeadPid()), self = std::to_string(::getpid());
    const Names planted = { "ORLOPREF.CFG.tmp" + dead + "-0",
        "ORL_USER.DAT.tmp" + dead + "-x8Zk2a",
        "ORLOPREF.CFG.tmp" + self + "-1",
        "ORL_USER.DAT.tmp1-abc",
        "notes.tmp" + dead + "-0",
        "ORLOPREF.CFG.tmpx-0" };
    for (const std::string &name : planted)
        WriteBytes(dir / name, "half");
    store::RemoveLeftoverTemporaries(dir.path);
    EXPECT_EQ(Entries(dir.path),
        (Names { "ORLOPREF.CFG.tmp" + self + "-1",
            "ORLOPREF.CFG.tmpx-0",
            "ORL_USER.DAT.tmp1-abc",
            "notes.tmp" + dead + "-0" }));
    store::RemoveLeftoverTemporaries(fs::path()); // no folder: nothing to do, nothing touched

    TempDir blocked;
    for (int n = 0; n < 100; ++n)
        WriteBytes(blocked / ("ORLOPREF.CFG.tmp" + self + "-" + std::to_string(n)), "planted");
    store::Settings s;
    EXPECT_EQ(store::CfgSave(blocked.path, s), SaveResult::Saved);
    EXPECT_EQ(Entries(blocked.path).size(), 101u);
}

// A folder that takes no new file but holds a writable settings file: the file is written in place.
// Root may create files in any folder, so this runs unprivileged (store.unprivileged).
TEST(Save, WritesInPlaceWhereTheFolderTakesNoNewFile)
{
    if (IsRoot())
        GTEST_SKIP() << "root creates files in read-only folders";
    TempDir dir;
    WriteBytes(dir / store::kCfgFileName, std::string(5000, 'x'));
    WriteBytes(dir / store::kDatFileName, "old");
    fs::permissions(dir / store::kDatFileName, fs::perms::owner_read);
    fs::permissions(dir.path, fs::perms::owner_read | fs::perms::owner_exec);
    store::Settings s;
    ASSERT_EQ(store::CfgSave(dir.path, s), SaveResult::Saved);
    EXPECT_EQ(ReadBytes(dir / store::kCfgFileName), ReadBytes(DataFile("defaults.cfg")));
    EXPECT_EQ(store::DatSave(dir.path, FilledTables()), SaveResult::Failed); // read-only file
    EXPECT_EQ(ReadBytes(dir / store::kDatFileName), "old");
    fs::permissions(dir.path, fs::perms::owner_all);
    EXPECT_EQ(Entries(dir.path), (Names { "ORLOPREF.CFG", "ORL_USER.DAT" }));
}

// Paths that hold no readable file: the settings fall back, the tables stay as they were, nothing blocks.
TEST(Files, OddPathsAreNotReadAndHugeFilesOnlyAtTheStart)
{
    TempDir dir;
    const fs::path cfg = dir / store::kCfgFileName, dat = dir / store::kDatFileName;
    const auto readsNothing = [&dir] {
        store::Settings s;
        s.pnFrmConvTop = 1;
        core::UserTables t = FilledTables();
        return store::CfgRead(dir.path, s) == store::CfgReadResult::Defaults && s == store::Settings {}
        && store::DatRead(dir.path, t) == store::DatReadResult::OpenFailed
            && Texts(t) == Texts(FilledTables());
    };
    EXPECT_TRUE(readsNothing());
    EXPECT_FALSE(fs::exists(dat)); // reading never creates a file
    const std::function<void(const fs::path &)> odd[] = {
        [](const fs::path &p) { fs::create_directory(p); },
        [](const fs::path &p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); },
        [](const fs::path &p) { fs::create_symlink(p.filename(), p); }, // a loop: even root cannot open it
        [](const fs::path &p) { // unreadable, but root reads any file
            if (::geteuid() != 0) {
                WriteBytes(p, "");
                fs::permissions(p, fs::perms::none);
            }
        },
    };
    for (const auto &make : odd) {
        make(cfg);
        make(dat);
        EXPECT_TRUE(readsNothing()) << &make - odd;
        fs::remove(cfg);
        fs::remove(dat);
    }

    std::string settings = ReadBytes(DataFile("defaults.cfg"));
    WriteBytes(cfg, settings.replace(settings.find("FaceColor=-1"), 12, "FaceColor=1"));
    WriteBytes(dat, *store::DatFormat(FilledTables()));
    fs::resize_file(cfg, std::uintmax_t { 1 } << 30); // 1 GiB, sparse
    fs::resize_file(dat, std::uintmax_t { 1 } << 30);
    store::Settings s;
    core::UserTables t;
    ASSERT_EQ(store::CfgRead(dir.path, s), store::CfgReadResult::Loaded);
    EXPECT_EQ(s.psBtnFaceColor, "1");
    ASSERT_EQ(store::DatRead(dir.path, t), store::DatReadResult::Loaded);
    EXPECT_EQ(Texts(t), Texts(FilledTables()));
    WriteBytes(cfg, ""); // no line end in the part that is read
    fs::resize_file(cfg, std::uintmax_t { 1 } << 30);
    EXPECT_EQ(store::CfgRead(dir.path, s), store::CfgReadResult::Defaults);
}

// Sets an environment variable (unsets it for nullptr) for one scope.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const char *value)
        : m_name(name)
        , m_old(std::getenv(name) ? std::optional<std::string>(std::getenv(name)) : std::nullopt)
    {
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { m_old ? ::setenv(m_name, m_old->c_str(), 1) : ::unsetenv(m_name); }

private:
    const char *m_name;
    std::optional<std::string> m_old;
};

// Beside a writable program folder, or in the user's configuration folder otherwise: that choice is
// the end-to-end install test's (install.sh); here, where the user's configuration folder is: from
// XDG_CONFIG_HOME, HOME, or without either the user's own home folder from the password database,
// never a shared one.
TEST(DataDir, TheUsersConfigurationFolder)
{
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/x/conf");
        EXPECT_EQ(store::UserConfigDir(), fs::path("/x/conf/Orlo/"));
    }
    ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    {
        ScopedEnv home("HOME", "/home/someone");
        EXPECT_EQ(store::UserConfigDir(), fs::path("/home/someone/.config/Orlo/"));
    }
    ScopedEnv home("HOME", nullptr);
    const struct passwd *pw = ::getpwuid(::getuid());
    ASSERT_NE(pw, nullptr);
    EXPECT_EQ(store::UserConfigDir(), fs::path(pw->pw_dir) / ".config" / "Orlo" / "");
}

// A user's folder starts from the files beside the program: a copy of each it does not hold yet,
// never one over a file (or a link) the user has.
TEST(DataDir, TheUsersFolderStartsFromTheProgramsFiles)
{
    TempDir program, user;
    WriteBytes(program / store::kCfgFileName, "installed settings");
    WriteBytes(program / store::kDatFileName, std::string(1320, '\x02'));
    store::SeedUserFolder(program.path, user.path);
    EXPECT_EQ(ReadBytes(user / store::kCfgFileName), "installed settings");
    EXPECT_EQ(ReadBytes(user / store::kDatFileName), std::string(1320, '\x02'));

    TempDir own;
    WriteBytes(own / store::kDatFileName, "mine");
    fs::create_symlink(program / "elsewhere", own / store::kCfgFileName);
    store::SeedUserFolder(program.path, own.path);
    EXPECT_EQ(ReadBytes(own / store::kDatFileName), "mine");
    EXPECT_TRUE(fs::is_symlink(own / store::kCfgFileName));
    EXPECT_FALSE(fs::exists(program / "elsewhere"));

    TempDir empty, untouched;
    store::SeedUserFolder(empty.path, untouched.path); // nothing to start from: nothing made
    EXPECT_TRUE(Entries(untouched.path).empty());
}

// With no folder at all nothing is read or written, not even in the working folder.
TEST(DataDir, WithoutAnyFolderNoFiles)
{
    TempDir work;
    const fs::path before = fs::current_path();
    fs::current_path(work.path);
    store::Settings s;
    s.pnSelUnitGrp = 5;
    core::UserTables t = FilledTables();
    EXPECT_EQ(store::CfgSave(fs::path(), s), SaveResult::Failed);
    EXPECT_EQ(store::DatSave(fs::path(), t), SaveResult::Failed);
    WriteBytes(work / store::kCfgFileName, ReadBytes(DataFile("defaults.cfg")));
    EXPECT_EQ(store::CfgRead(fs::path(), s), store::CfgReadResult::Defaults);
    EXPECT_EQ(store::DatRead(fs::path(), t), store::DatReadResult::OpenFailed);
    fs::current_path(before);
    EXPECT_EQ(Entries(work.path), Names { "ORLOPREF.CFG" });
}

} // namespace
