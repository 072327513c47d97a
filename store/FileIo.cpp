// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Bounded reading and crash-safe writing of the program's files, and the program's own directory.
#include "store/Internal.h"
#include "store/Store.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace store {
namespace detail {
namespace {

// Closes a descriptor on every path out of a function.
class Fd
{
public:
    explicit Fd(int fd)
        : m_fd(fd)
    { }
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return m_fd; }
    // Closes now and tells whether the close succeeded (a delayed write error shows up here).
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

} // namespace

std::optional<FilePrefix> ReadPrefix(const fs::path &file, std::size_t limit)
{
    if (file.empty())
        return std::nullopt;
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    Fd fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        return std::nullopt;
    struct stat st = {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    FilePrefix out;
    // One byte past the limit tells whether the prefix is the whole file.
    const std::size_t want = limit + 1;
    const auto size = static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0);
    out.bytes.resize(size < want ? size + 1 : want);
    std::size_t got = 0;
    while (got < out.bytes.size()) {
        const ssize_t n = ::read(fd.get(), out.bytes.data() + got, out.bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
        // The file grew while being read: keep reading up to the limit.
        if (got == out.bytes.size() && got < want)
            out.bytes.resize(std::min(want, got * 2));
    }
    out.whole = got <= limit;
    out.bytes.resize(std::min(got, limit));
    return out;
}

fs::path FileIn(const fs::path &dir, std::string_view name)
{
    return dir.empty() ? fs::path() : dir / name;
}

SaveSteps &RealSteps()
{
    static SaveSteps steps;
    return steps;
}

std::string_view Trim(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

} // namespace detail

std::ptrdiff_t SaveSteps::Write(int fd, const char *data, std::size_t n)
{
    return ::write(fd, data, n);
}

bool SaveSteps::Sync(int fd)
{
    return ::fsync(fd) == 0;
}

bool SaveSteps::Rename(const fs::path &from, const fs::path &to)
{
    return ::rename(from.c_str(), to.c_str()) == 0;
}

namespace {

bool WriteAll(SaveSteps &steps, int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::ptrdiff_t n = steps.Write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        // A write that makes no progress would otherwise loop for ever.
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The file a save may write, with what it held before.
struct SaveTarget
{
    fs::path file; // a symbolic link resolved to its final target
    bool exists = false;
    mode_t mode = 0;
};

// A file the saver may replace: a regular file of its own with the owner's write bit set. The mode
// bit is checked, not access(), so a file frozen read-only stays frozen for root too.
bool MayReplace(const struct stat &st)
{
    return S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & S_IWUSR) != 0;
}

// Where a save of `path` goes, or nullopt when it must not go anywhere: the file (or a link's final
// target) belongs to someone else or is read-only, or the link was planted by someone else, or it
// leads nowhere. Nothing but the user's own writable file is ever followed and replaced.
std::optional<SaveTarget> FindTarget(const fs::path &path)
{
    struct stat st = {};
    if (::lstat(path.c_str(), &st) != 0)
        return errno == ENOENT ? std::optional(SaveTarget { path }) : std::nullopt;
    SaveTarget target { path, true, st.st_mode };
    if (S_ISLNK(st.st_mode)) {
        std::error_code ec;
        if (st.st_uid != ::geteuid())
            return std::nullopt;
        target.file = fs::canonical(path, ec);
        if (ec || ::stat(target.file.c_str(), &st) != 0)
            return std::nullopt;
        target.mode = st.st_mode;
    }
    if (!MayReplace(st))
        return std::nullopt;
    return target;
}

// The umask can only be read by setting it; the files are saved from one thread.
mode_t CurrentUmask()
{
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

// A random suffix for a temporary name, so that no name can be planted in advance.
std::string RandomSuffix()
{
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 generator { std::random_device {}() };
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kChars - 2);
    std::string s(8, ' ');
    for (char &c : s)
        c = kChars[pick(generator)];
    return s;
}

// "<file>.tmp<pid>-": the temporaries of one process start so, which tells a later start whose
// leftover a file is.
std::string TemporaryPrefix(const fs::path &file)
{
    return file.filename().string() + ".tmp" + std::to_string(::getpid()) + "-";
}

// The new contents before they replace the file. Preferably an unnamed file (O_TMPFILE) that only
// gets a name once it is complete, so a process killed while writing leaves nothing behind; where the
// file system cannot make one, a file with an unpredictable name.
class Temporary
{
public:
    explicit Temporary(const fs::path &file)
        : m_file(file)
    {
        const fs::path dir = file.parent_path().empty() ? fs::path(".") : file.parent_path();
        // Linking an unnamed file in goes through /proc/self/fd.
        if (::access("/proc/self/fd", X_OK) == 0) {
            m_fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
            if (m_fd >= 0 || !Unsupported(errno))
                return;
        }
        m_name = dir / (TemporaryPrefix(file) + "XXXXXX");
        std::string pattern = m_name.string();
        m_fd = ::mkostemp(pattern.data(), O_CLOEXEC);
        m_name = m_fd >= 0 ? fs::path(pattern) : fs::path();
        if (m_fd >= 0)
            ::fchmod(m_fd, 0666 & ~CurrentUmask());
    }
    ~Temporary()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_name.empty())
            ::unlink(m_name.c_str());
    }
    Temporary(const Temporary &) = delete;
    Temporary &operator=(const Temporary &) = delete;

    int fd() const { return m_fd; }
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }
    // Gives a complete unnamed file a name beside the target; it needs its descriptor for that.
    bool nameIt()
    {
        if (!m_name.empty())
            return true;
        const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
        for (int attempt = 0; attempt < 10; ++attempt) {
            const fs::path name = m_file.parent_path() / (TemporaryPrefix(m_file) + RandomSuffix());
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                m_name = name;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }
    bool renameOver(const fs::path &target, SaveSteps &steps)
    {
        if (!steps.Rename(m_name, target))
            return false;
        m_name.clear();
        return true;
    }

private:
    // The errors of a file system or kernel without O_TMPFILE.
    static bool Unsupported(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }

    fs::path m_file;
    fs::path m_name; // empty while the file has no name
    int m_fd = -1;
};

// Makes the rename itself durable. A failure here does not undo the save, so it is not reported.
void SyncDirectory(const fs::path &dir)
{
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// For a folder that forbids new files but holds a file the user may write (a read-only program
// folder with a writable settings file in it): the file is overwritten in place. Unlike the
// replacement this is not atomic; a crash in the middle leaves a damaged file, which the readers
// take as they take any damaged file. Without it such a folder could never be saved to.
SaveResult WriteInPlace(const fs::path &file, std::string_view bytes, SaveSteps &steps)
{
    detail::Fd fd(::open(file.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat st = {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !MayReplace(st))
        return SaveResult::Failed;
    bool ok = WriteAll(steps, fd.get(), bytes);
    ok = ok && ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) == 0;
    ok = ok && steps.Sync(fd.get());
    ok = fd.close() && ok;
    return ok ? SaveResult::Saved : SaveResult::Failed;
}

// A leftover temporary of the program's two files: "<name>.tmp<pid>-<anything>", with its pid.
std::optional<pid_t> LeftoverOwner(const std::string &name)
{
    for (const std::string_view file : { kCfgFileName, kDatFileName }) {
        const std::string prefix = std::string(file) + ".tmp";
        if (name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const char *digits = name.c_str() + prefix.size();
        pid_t pid = 0;
        const auto [end, ec] = std::from_chars(digits, name.c_str() + name.size(), pid);
        if (ec == std::errc() && end != digits && *end == '-' && pid > 0)
            return pid;
    }
    return std::nullopt;
}

} // namespace

SaveResult SaveAtomically(const fs::path &path, std::string_view bytes, SaveSteps &steps)
{
    if (path.empty())
        return SaveResult::Failed;
    const auto target = FindTarget(path);
    if (!target)
        return SaveResult::Failed;
    Temporary tmp(target->file);
    if (tmp.fd() < 0) {
        const int error = errno;
        if (target->exists && (error == EACCES || error == EPERM))
            return WriteInPlace(target->file, bytes, steps);
        return SaveResult::Failed;
    }
    if (target->exists)
        ::fchmod(tmp.fd(), target->mode & 07777);
    bool ok = WriteAll(steps, tmp.fd(), bytes) && steps.Sync(tmp.fd()) && tmp.nameIt();
    ok = tmp.close() && ok;
    ok = ok && tmp.renameOver(target->file, steps);
    if (!ok)
        return SaveResult::Failed;
    SyncDirectory(target->file.parent_path());
    return SaveResult::Saved;
}

void RemoveLeftoverTemporaries(const fs::path &dir)
{
    if (dir.empty())
        return;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const auto pid = LeftoverOwner(name);
        if (!pid || *pid == ::getpid() || ::kill(*pid, 0) == 0 || errno != ESRCH)
            continue;
        struct stat st = {};
        if (::lstat(it->path().c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            ::unlink(it->path().c_str());
    }
}

fs::path MyPath()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty())
        return fs::path("./");
    return exe.parent_path() / "";
}

} // namespace store
