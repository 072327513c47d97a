// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// orlo-convert: the converter's Convert command for scripts and terminals.
#pragma once

#include "core/mOrlo.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitInputError = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitWriteError = 3;

// Longer input lines are "Input error" and skipped to their end, so memory stays bounded whatever comes.
inline constexpr std::size_t kMaxLine = 64 * 1024;

// Where the converter reads values and writes results; main() binds it to the standard streams.
class Io
{
public:
    virtual ~Io() = default;
    // Up to `size` bytes of standard input; 0 at its end, negative on a read error.
    virtual std::ptrdiff_t Read(char *buffer, std::size_t size) = 0;
    // 0 when all of `text` was written, otherwise the error number (errno) of the failure.
    virtual int Out(std::string_view text) = 0;
    virtual void Err(std::string_view text) = 0;
    // Whether standard input is a terminal, where a reader that waits must say so.
    virtual bool InputIsTerminal() const { return false; }
    // Whether the user's locale writes a decimal comma ("1,5"), for values in queries.
    virtual bool DecimalComma() const { return false; }
};

// Runs one command line (without the program name) against the custom tables `user`, which the
// catalogue normalises on the way. Returns the exit status.
int Run(std::span<const std::string_view> args, core::UserTables &user, Io &io);

} // namespace cli
