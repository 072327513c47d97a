// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Helpers the two file formats share; not part of the store's interface.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace store {
class SaveSteps;
}

namespace store::detail {

// The first bytes of a regular file, and whether they are all of it.
struct FilePrefix
{
    std::string bytes;
    bool whole = false;
};

// Reads at most `limit` bytes of `file`. nullopt when it cannot be opened or read, or is not a regular
// file (a directory, a FIFO, a device): such a path never blocks and never feeds endless bytes.
std::optional<FilePrefix> ReadPrefix(const std::filesystem::path &file, std::size_t limit);

// dir/name, or an empty path when there is no folder (`dir` empty: the user has no home to keep files
// in). Reading and saving an empty path fail, so no file lands in whatever the working folder is.
std::filesystem::path FileIn(const std::filesystem::path &dir, std::string_view name);

// The real system calls, shared by every save.
SaveSteps &RealSteps();

// Removes leading and trailing blanks (spaces and tabs).
std::string_view Trim(std::string_view s);

} // namespace store::detail
