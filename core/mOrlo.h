// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The conversion core: quantity catalogue, number check, result formatting, number systems and the
// Convert command. Plain C++; texts are UTF-8, numbers always use a period, whatever the locale.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// Group numbering. The menus are built from the counts; the conversion names its special groups
// and units through these constants.
inline constexpr std::int16_t pnConvGrpCount = 15;
inline constexpr std::int16_t pnOtherGrpCount = 14;
inline constexpr std::int16_t pnUserGrpCount = 20;
inline constexpr std::int16_t pnCompGrpCount = 3;
inline constexpr std::int16_t pnTempGrp = 6;
inline constexpr std::int16_t pnSpeedGrp = 9;
inline constexpr std::int16_t pnLightUnit = 9;
inline constexpr std::int16_t pnWarpUnit = 19;
inline constexpr std::int16_t pnUserGrpFirst = 29;
inline constexpr std::int16_t pnCompGrpFirst = pnUserGrpFirst + pnUserGrpCount; // 49
inline constexpr std::int16_t pnPrefixGrp = 28;
inline constexpr std::int16_t pnNumSysGrp = 50;

inline constexpr int kGroupSlots = 53; // groups 0..52; 52 is never filled
inline constexpr int kUnitSlots = 41; // units 0..40
inline constexpr int kAffineRows = 21; // row 0 Temperature, rows 1..20 the custom groups
inline constexpr int kUserSlots = 11; // slots 0..9 used, 10 never
inline constexpr int kUserUnitsUsed = 10;
inline constexpr int kWarpCount = 14;

// The twenty custom quantities as the custom quantity file holds them, plus their numeric readings.
struct UserTables
{
    std::array<std::string, pnUserGrpCount> UserGrpName {};
    std::array<std::array<std::string, kUserSlots>, pnUserGrpCount> UserUnitName {};
    std::array<std::array<std::string, kUserSlots>, pnUserGrpCount> UserCoefText {};
    std::array<std::array<std::string, kUserSlots>, pnUserGrpCount> UserOffsetText {};
    std::array<std::array<double, kUserSlots>, pnUserGrpCount> UserCoef {};
    std::array<std::array<double, kUserSlots>, pnUserGrpCount> UserOffset {};
};

// Every group, unit label and factor. Built once by BuildCatalogue; only the custom rows change later.
struct Catalogue
{
    std::array<std::string, kGroupSlots> GroupName {};
    std::array<std::int16_t, kGroupSlots> UnitCount {};
    std::array<std::array<std::string, kUnitSlots>, kGroupSlots> UnitName {};
    std::array<std::array<double, kUnitSlots>, kGroupSlots> UnitFactor {};
    std::array<std::array<double, kUserSlots>, kAffineRows> AffineScale {};
    std::array<std::array<double, kUserSlots>, kAffineRows> AffineOffset {};
    std::array<std::string, kWarpCount> WarpText {};
    std::array<double, kWarpCount> WarpValue {}; // metres per second
};

// Builds the whole catalogue. Tppx/Tppy are the screen's twips per pixel (15 at 96 dpi); the custom
// groups come from `user`, whose UserCoef/UserOffset and blank unit names are normalised on the way.
Catalogue BuildCatalogue(std::int16_t Tppx, std::int16_t Tppy, UserTables &user);

// Rebuilds groups 29..48 and affine rows 1..20 from `user` (normalising it as BuildCatalogue does).
// The custom quantity editor calls this after storing its working copy.
void BuildCustomGroups(Catalogue &cat, UserTables &user);

// Unit count of custom group i (0..19): index of its last named slot plus 1, 0 when none is named.
std::int16_t CustomUnitCount(const UserTables &user, int i);

// "Warp " followed by WarpText(k): the caption of Warp menu item k.
std::string WarpCaption(const Catalogue &cat, int k);

// Leading-number reading: leading blanks, optional sign, digits with at most one period, optional
// E/e exponent; stops at the first character that does not fit; 0 when nothing is readable.
// nullopt when the number lies beyond the double range (the caller's failure).
std::optional<double> Val(std::string_view s);

// Called when a checked text holds a comma; the window shows the decimal-separator message.
using CommaNotice = std::function<void()>;

// The decimal-separator message the window shows for a comma, as one line.
inline constexpr std::string_view kCommaMessage =
    "This application recognizes only a period (dot) as decimal separator.";

// 0 = acceptable (also partly typed numbers), 1 = not a number.
std::int16_t InvalidNumCheck(std::string_view s, const CommaNotice &onComma);

std::string TrimFigures(double dInput, std::int16_t nFigure);
std::string ExpressAsExp(double dInput, std::int16_t nFigure);
std::string FormatInteger(double dInput);
std::string CommaToPeriod(std::string_view s);

std::string DecToBin(std::string_view s);
std::string DecToOct(std::string_view s);
std::string DecToHex(std::string_view s);
std::string FmtBinToDec(std::string_view s);
std::string FmtOctToDec(std::string_view s);
std::string FmtHexToDec(std::string_view s);

inline constexpr std::string_view kInputError = "Input error";

// The Number System group's conversion; nullopt means the result box keeps the text it had.
std::optional<std::string> NumberSystemConvert(std::int16_t f, std::int16_t t, std::string_view s);

struct ConvertInput
{
    std::int16_t group = 0; // pnSelUnitGrp
    std::int16_t from = -1; // lstConvFrom.ListIndex, -1 when nothing is selected
    std::int16_t into = -1; // lstConvInto.ListIndex
    std::string_view text; // txtInput.Text
    std::int16_t pnFigure = 6; // 4, 6, 8, 10, or 7 for Integer
    std::int16_t pnFormFlag = 0; // 0 Regular, anything else Scientific
    std::int16_t WarpIndex = 0;
};

// A result as the result box shows it: exponent form beyond 1e-6..1e6, else by figures and format.
std::string FormatResult(double y, std::int16_t pnFigure, std::int16_t pnFormFlag);

// The Convert command's arithmetic on a number already read: `x` in unit `in.from` of `in.group`
// into `in.into` (in.text is not read). nullopt for the number systems, units out of range and
// results that are not finite.
std::optional<double> ConvertNumber(const Catalogue &cat, const ConvertInput &in, double x);

struct ConvertResult
{
    std::optional<std::string> text; // the new result text; nullopt when the result box keeps its text
    bool commaNotice = false; // the input held a comma: the caller tells the user only a period is read
};

// The Convert command. The comma notice comes back with the result, so the caller shows its message
// once the conversion is done.
ConvertResult Convert(const Catalogue &cat, const ConvertInput &in);

} // namespace core
