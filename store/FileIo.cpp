// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Bounded reading and crash-safe writing of the program's files, and the program's own directory.
#include "store/Internal.h"
#include "store/Store.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
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

// Creates a fresh temporary file beside `file`; its name is in `tmp`.
int CreateTemporary(const fs::path &file, fs::path &tmp)
{
    static std::atomic<unsigned> counter { 0 };
    for (int attempt = 0; attempt < 100; ++attempt) {
        tmp = file;
        tmp += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Makes the rename itself durable. A failure here does not undo the save, so it is not reported.
void SyncDirectory(const fs::path &dir)
{
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

SaveResult SaveAtomically(const fs::path &path, std::string_view bytes, SaveSteps &steps)
{
    fs::path file = path;
    std::error_code ec;
    // A settings file linked elsewhere stays a link: the save replaces what it points to.
    if (fs::is_symlink(file, ec)) {
        file = fs::canonical(path, ec);
        if (ec)
            return SaveResult::Failed;
    }
    struct stat old = {};
    const bool hadOld = ::stat(file.c_str(), &old) == 0;
    if (hadOld && !S_ISREG(old.st_mode))
        return SaveResult::Failed;

    fs::path tmp;
    detail::Fd fd(CreateTemporary(file, tmp));
    if (fd.get() < 0)
        return SaveResult::Failed;
    if (hadOld)
        ::fchmod(fd.get(), old.st_mode & 07777);
    bool ok = WriteAll(steps, fd.get(), bytes) && steps.Sync(fd.get());
    ok = fd.close() && ok;
    ok = ok && steps.Rename(tmp, file);
    if (!ok) {
        ::unlink(tmp.c_str());
        return SaveResult::Failed;
    }
    SyncDirectory(file.parent_path());
    return SaveResult::Saved;
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
