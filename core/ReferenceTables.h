// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The two reference tables: the physical constants and the SI equivalents, as the reference windows
// list them. Texts in UTF-8.
#pragma once

#include <array>
#include <string_view>

namespace core {

struct PhysicalConstant
{
    std::string_view quantity, symbol, unit;
    std::string_view value; // digit groups apart; a copy squeezes the blanks out
};

inline constexpr std::array<PhysicalConstant, 23> kPhysicalConstants {
    PhysicalConstant { "Avogadro constant", "", "1/mol", "6.022 136 7 E+23" },
    PhysicalConstant { "Bohr radius", "a0", "m", "5.291 772 49 E-11" },
    PhysicalConstant { "Boltzmann constant", "k", "J/K", "1.380 658 E-23" },
    PhysicalConstant { "Faraday constant", "F", "C/mol", "9.648 530 9 E+04" },
    PhysicalConstant { "Josephson f-v quotient", "2e/h", "Hz/V", "4.835 976 7 E+14" },
    PhysicalConstant { "Planck constant", "h", "J/Hz", "6.626 075 5E -34" },
    PhysicalConstant { "Rydberg constant", "R", "1/m", "1.097 373 153 4 E+07" },
    PhysicalConstant { "Stefan-Boltzmann constant", "s", "W/(m²-K^4)", "5.670 51 E-08" },
    PhysicalConstant { "Molar gas constant", "R", "J/(mol-K)", "8.314 51" },
    PhysicalConstant { "Atomic mass unit", "u", "kg", "1.660 540 2 E-27" },
    PhysicalConstant { "Speed of light in vacuum", "c", "m/s", "2.997 924 58 E+08" },
    PhysicalConstant { "Neutron mass", "mn", "kg", "1.674 928 6 E-27" },
    PhysicalConstant { "Electron Mass", "me", "kg", "9.109 389 7 E-31" },
    PhysicalConstant { "Electron magnetic moment", "m", "J/T", "9.284 770 1 E-24" },
    PhysicalConstant { "Elementary charge", "e", "C", "1.602 177 33 E-19" },
    PhysicalConstant { "Electron specific charge", "e/m", "C/kg", "-1.758 819 62 E+11" },
    PhysicalConstant { "Newtonian const. of gravity", "G", "m³/(s²-kg)", "6.672 59 E-11" },
    // The fine-structure constant has no unit; its unit text is one blank.
    PhysicalConstant { "Fine structure constant", "a", " ", "7.297 353 08 E-03" },
    PhysicalConstant { "First radiation constant", "c1", "W-m²", "3.741 774 9 E-16" },
    PhysicalConstant { "Second radiation constant", "c2", "m-K", "1.438 769 E-02" },
    PhysicalConstant { "Molar volume (ideal gas)", "V0", "m³/mol", "2.241 41 E-02" },
    PhysicalConstant { "Proton mass", "mp", "kg", "1.672 623 1 E-27" },
    PhysicalConstant { "Proton gyromagnetic ratio", "g", "Hz/T", "2.675 221 28 E+08" },
};

struct Equivalent
{
    std::string_view quantity, unit, alternative;
};

inline constexpr std::array<Equivalent, 9> kEquivalents {
    Equivalent { "Electric Conductance", "S: siemens", "A/V" },
    Equivalent { "Inductance", "H: henry", "Wb/A" },
    Equivalent { "Electric Charge", "C: coulomb", "A-s" },
    Equivalent { "Electric Potential", "V: volt", "W/A" },
    Equivalent { "Electrostatic Capacitance", "F: farad", "C/V" },
    Equivalent { "Electric Resistance", "ohm", "1/S = V/A" },
    Equivalent { "Luminous Flux", "lm: lumen", "cd-sr" },
    Equivalent { "Dose Equivalent", "Sv: sievert = J/kg", "100 rem" },
    Equivalent { "Absorbed Dose", "Gy: gray = J/kg", "100 rad" },
};

} // namespace core
