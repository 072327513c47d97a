// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "store/Store.h"
#include "tools/Cli.h"

#include <cerrno>
#include <clocale>
#include <new>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

// Reads straight from the descriptor: a pipe or file arrives in large blocks, a terminal line by
// line, so results of typed values show at once.
class StdIo final : public cli::Io
{
public:
    std::ptrdiff_t Read(char *buffer, std::size_t size) override
    {
        for (;;) {
            const ssize_t n = ::read(STDIN_FILENO, buffer, size);
            if (n >= 0 || errno != EINTR)
                return n;
        }
    }
    int Out(std::string_view text) override { return WriteAll(STDOUT_FILENO, text); }
    void Err(std::string_view text) override { WriteAll(STDERR_FILENO, text); }
    bool InputIsTerminal() const override { return ::isatty(STDIN_FILENO) == 1; }
    bool DecimalComma() const override { return m_decimalComma; }

private:
    // Asked once: the rest of the program reads and writes numbers in the C locale.
    const bool m_decimalComma = [] {
        std::setlocale(LC_NUMERIC, "");
        const bool comma = std::string_view(std::localeconv()->decimal_point) == ",";
        std::setlocale(LC_NUMERIC, "C");
        return comma;
    }();

    static int WriteAll(int fd, std::string_view text)
    {
        while (!text.empty()) {
            const ssize_t n = ::write(fd, text.data(), text.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return errno;
            if (n == 0)
                return EIO;
            text.remove_prefix(static_cast<std::size_t>(n));
        }
        return 0;
    }
};

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::string_view> args(argv + 1, argv + argc);
    core::UserTables user;
    // The window's custom quantities, so groups 29..48 convert here too; a missing file is no error.
    store::DatRead(store::DataDir(store::MyPath()), user);
    StdIo io;
    try {
        return cli::Run(args, user, io);
    } catch (const std::bad_alloc &) {
        // Every input is bounded, so this needs a machine out of memory; say so instead of aborting.
        io.Err("orlo-convert: out of memory\n");
        return cli::kExitUsage;
    }
}
