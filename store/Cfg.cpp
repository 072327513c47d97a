// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// ORLOPREF.CFG: sixteen lines "key=value", read by position; the keys are for the human reader.
#include "store/Internal.h"
#include "store/Store.h"

#include <array>
#include <charconv>
#include <cmath>

namespace store {
namespace {

constexpr int kLineCount = 16;
// Sixteen real lines take a few hundred bytes. A file whose first sixteen lines do not fit in this
// many bytes holds no settings worth loading, and this keeps a huge file from being read whole.
constexpr std::size_t kReadLimit = 64 * 1024;
// Groups 0..52 exist; a stored group outside them shows the first group.
constexpr std::int16_t kLastGroup = 52;

struct NumberLine
{
    int line;
    std::string_view key;
    std::int16_t Settings::*field;
};

struct TextLine
{
    int line;
    std::string_view key;
    std::string Settings::*field;
};

constexpr std::array<NumberLine, 9> kNumbers = { {
    { 1, "Top=", &Settings::pnFrmConvTop },
    { 2, "Left=", &Settings::pnFrmConvLeft },
    { 3, "ConstantsTop=", &Settings::pnFrmConstTop },
    { 4, "ConstantsLeft=", &Settings::pnFrmConstLeft },
    { 5, "Quantity=", &Settings::pnSelUnitGrp },
    { 6, "Unit=", &Settings::pnSelUnitItem },
    { 8, "ShowTop=", &Settings::pnShowTop },
    { 9, "Figure=", &Settings::pnFigure },
    { 10, "Form=", &Settings::pnFormFlag },
} };

constexpr std::array<TextLine, 5> kTexts = { {
    { 11, "FaceColor=", &Settings::psBtnFaceColor },
    { 12, "TextColor=", &Settings::psBtnTextColor },
    { 13, "TextColor1=", &Settings::psBtnTextColor1 },
    { 14, "TextColor2=", &Settings::psBtnTextColor2 },
    { 15, "TextColor3=", &Settings::psBtnTextColor3 },
} };

// The second section line; like the first ("[Window]", line 0) it is written but never read.
constexpr int kOptionLine = 7;

// Ten figures are stored as 1 so the value keeps to one digit; 1 is no figure count of its own.
constexpr std::int16_t kTenFigures = 10;
constexpr std::int16_t kTenFiguresStored = 1;

// Splits off the first sixteen lines. CR LF, LF and CR alone all end a line; the last line may lack an
// ending only when `whole` says the file ends there. Returns how many complete lines were found.
int SplitLines(std::string_view bytes, bool whole, std::array<std::string_view, kLineCount> &lines)
{
    int count = 0;
    std::size_t pos = 0;
    while (count < kLineCount && pos < bytes.size()) {
        const auto end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            if (!whole)
                break;
            lines[count++] = bytes.substr(pos);
            break;
        }
        lines[count++] = bytes.substr(pos, end - pos);
        pos = end + 1;
        if (bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
    }
    return count;
}

// Halves go to the even neighbour, written out so the result does not depend on the rounding mode.
double RoundHalfEven(double d)
{
    const double down = std::floor(d);
    const double rest = d - down;
    if (rest > 0.5)
        return down + 1;
    if (rest < 0.5)
        return down;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

std::optional<std::int16_t> ReadInt16(std::string_view value)
{
    const std::optional<double> d = core::Val(value);
    if (!d || !std::isfinite(*d))
        return std::nullopt;
    const double r = RoundHalfEven(*d);
    if (r < -32768 || r > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

CfgReadResult ParseLines(std::string_view bytes, bool whole, Settings &s)
{
    std::array<std::string_view, kLineCount> raw {};
    if (SplitLines(bytes, whole, raw) < kLineCount) {
        s = Settings {};
        return CfgReadResult::Defaults;
    }
    Settings read;
    for (const NumberLine &n : kNumbers) {
        const auto v = ReadInt16(GetCfgValue(FromCp1252(raw[n.line])));
        if (!v) {
            s = Settings {};
            return CfgReadResult::Defaults;
        }
        read.*n.field = *v;
    }
    for (const TextLine &t : kTexts)
        read.*t.field = GetCfgValue(FromCp1252(raw[t.line]));
    if (read.pnFigure == kTenFiguresStored)
        read.pnFigure = kTenFigures;
    if (read.pnSelUnitGrp < 0 || read.pnSelUnitGrp > kLastGroup)
        read.pnSelUnitGrp = 0;
    s = std::move(read);
    return CfgReadResult::Loaded;
}

void AppendNumber(std::string &out, std::int16_t v)
{
    char buf[8];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

} // namespace

std::string GetCfgValue(std::string_view line)
{
    const auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return {};
    return std::string(detail::Trim(line.substr(eq + 1)));
}

CfgReadResult CfgParse(std::string_view bytes, Settings &s)
{
    return ParseLines(bytes.substr(0, kReadLimit), bytes.size() <= kReadLimit, s);
}

CfgReadResult CfgRead(const std::filesystem::path &dir, Settings &s)
{
    const auto file = detail::ReadPrefix(detail::FileIn(dir, kCfgFileName), kReadLimit);
    if (!file) {
        s = Settings {};
        return CfgReadResult::Defaults;
    }
    return ParseLines(file->bytes, file->whole, s);
}

std::optional<std::string> CfgFormat(const Settings &s)
{
    std::string out = "[Window]\r\n";
    for (const NumberLine &n : kNumbers) {
        if (n.line == kOptionLine + 1)
            out += "[Option]\r\n";
        out += n.key;
        AppendNumber(out, s.*n.field);
        out += "\r\n";
    }
    for (const TextLine &t : kTexts) {
        const std::string &text = s.*t.field;
        // A line break inside a colour would shift every later line on reading.
        if (!IsStorable(text) || text.find_first_of("\r\n") != std::string::npos)
            return std::nullopt;
        out += t.key;
        out += ToCp1252(text);
        out += "\r\n";
    }
    return out;
}

SaveResult CfgSave(const std::filesystem::path &dir, Settings &s)
{
    return CfgSave(dir, s, detail::RealSteps());
}

SaveResult CfgSave(const std::filesystem::path &dir, Settings &s, SaveSteps &steps)
{
    if (s.pnFigure == kTenFigures)
        s.pnFigure = kTenFiguresStored;
    const auto bytes = CfgFormat(s);
    if (!bytes)
        return SaveResult::Failed;
    return SaveAtomically(detail::FileIn(dir, kCfgFileName), *bytes, steps);
}

} // namespace store
