// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The two files beside the program: ORLOPREF.CFG (settings) and ORL_USER.DAT (custom quantities).
// Plain C++; the directory is passed in. Functions report outcomes and show nothing.
#pragma once

#include "core/mOrlo.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace store {

// The settings the configuration file keeps, with their defaults.
struct Settings
{
    std::int16_t pnFrmConvTop = 1350;
    std::int16_t pnFrmConvLeft = 840;
    std::int16_t pnFrmConstTop = 1650;
    std::int16_t pnFrmConstLeft = 2500;
    std::int16_t pnSelUnitGrp = 0;
    std::int16_t pnSelUnitItem = 0;
    std::int16_t pnShowTop = 0;
    std::int16_t pnFigure = 6;
    std::int16_t pnFormFlag = 0;
    std::string psBtnFaceColor = "-1";
    std::string psBtnTextColor = "-1";
    std::string psBtnTextColor1 = "-1";
    std::string psBtnTextColor2 = "-1";
    std::string psBtnTextColor3 = "-1";
    bool operator==(const Settings &) const = default;
};

inline constexpr std::string_view kCfgFileName = "ORLOPREF.CFG";
inline constexpr std::string_view kDatFileName = "ORL_USER.DAT";

enum class CfgReadResult { Loaded, Defaults };
enum class DatReadResult { Loaded, OpenFailed };
enum class SaveResult { Saved, Failed };

// The text after the first "=", blanks trimmed; empty when there is no "=".
std::string GetCfgValue(std::string_view line);

// Reads dir/ORLOPREF.CFG into `s`; on any failure every setting gets its default and Defaults is returned.
CfgReadResult CfgRead(const std::filesystem::path &dir, Settings &s);

// Writes dir/ORLOPREF.CFG (10 figures written as 1, so `s.pnFigure` may change), atomically.
SaveResult CfgSave(const std::filesystem::path &dir, Settings &s);

// Reads dir/ORL_USER.DAT into the text tables; OpenFailed (tables untouched) when it cannot be opened.
DatReadResult DatRead(const std::filesystem::path &dir, core::UserTables &t);

// Writes the 220 records of dir/ORL_USER.DAT atomically.
SaveResult DatSave(const std::filesystem::path &dir, const core::UserTables &t);

// Whether a UTF-8 text can be stored in the files' Windows-1252 encoding without change.
bool IsStorable(std::string_view utf8);

// Windows-1252 bytes to UTF-8 and back (ToCp1252 only for storable texts).
std::string FromCp1252(std::string_view bytes);
std::string ToCp1252(std::string_view utf8);

// The directory of the running executable, with a trailing "/".
std::filesystem::path MyPath();

// Where the two files live. Beside the program (`programDir`, normally MyPath()) when the user may
// write there; otherwise, as for an installation shared by all users, in the user's configuration
// folder UserConfigDir(), created when missing and seeded from the program folder's files
// (SeedUserFolder). Empty when neither exists: the program then keeps no
// files (every read and save of an empty folder fails).
std::filesystem::path DataDir(const std::filesystem::path &programDir);
// A user's folder starts from the files installed beside the program (custom quantities an
// administrator put there reach every user): each of the two files the user's folder does not hold
// yet is copied in. A file the user has is never replaced.
void SeedUserFolder(const std::filesystem::path &programDir, const std::filesystem::path &userDir);
std::filesystem::path ChooseDataDir(const std::filesystem::path &programDir,
    bool programDirWritable,
    const std::filesystem::path &userConfigDir);
// $XDG_CONFIG_HOME/Orlo/ or ~/.config/Orlo/, with a trailing "/". Without HOME the home folder comes
// from the password database; empty when the user has none, never a folder shared between users.
std::filesystem::path UserConfigDir();

// The same readings and writings on bytes in memory, without the file around them.
// CfgParse takes `bytes` as the whole file; CfgFormat writes the figures as held and gives nullopt when
// a colour text cannot be stored (outside Windows-1252, or holding a line break).
CfgReadResult CfgParse(std::string_view bytes, Settings &s);
std::optional<std::string> CfgFormat(const Settings &s);
// DatFormat gives nullopt when a text cannot be stored (outside Windows-1252, or over 65535 bytes).
void DatParse(std::string_view bytes, core::UserTables &t);
std::optional<std::string> DatFormat(const core::UserTables &t);

// The system calls a save goes through; the defaults are the real ones. Tests override one to fail.
class SaveSteps
{
public:
    virtual ~SaveSteps() = default;
    // Writes at most n bytes; the count written, or -1 on failure.
    virtual std::ptrdiff_t Write(int fd, const char *data, std::size_t n);
    virtual bool Sync(int fd);
    virtual bool Rename(const std::filesystem::path &from, const std::filesystem::path &to);
};

// Writes `bytes` to a temporary file beside `file` (unnamed until complete where the file system
// allows), flushes it to disk and renames it over `file`; on failure `file` is left as it was and the
// temporary file is removed. Refuses (Failed, nothing written) when `file` or a link's final target
// is not a regular file of the user's own with its owner write bit set, or is a link someone else
// made. A folder that forbids new files gets an existing writable `file` overwritten in place.
SaveResult SaveAtomically(const std::filesystem::path &file, std::string_view bytes, SaveSteps &steps);

// Removes the temporary files of both files that processes no longer running left in `dir` (a save
// killed half-way). The program calls it when it starts.
void RemoveLeftoverTemporaries(const std::filesystem::path &dir);

SaveResult CfgSave(const std::filesystem::path &dir, Settings &s, SaveSteps &steps);
SaveResult DatSave(const std::filesystem::path &dir, const core::UserTables &t, SaveSteps &steps);

} // namespace store
