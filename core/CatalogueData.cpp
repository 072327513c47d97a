// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "core/CatalogueData.h"

namespace core::data {
namespace {

// Factors are base units per unit, written as the shortest decimal of the stored double.

constexpr UnitRow kLength[] = {
    { "m: meter", 1 },
    { "cm: centimeter", 0.01 },
    { "mm: millimeter", 0.001 },
    { "in: inch", 0.0254 },
    { "ft: foot, feet", 0.3048 },
    { "yd: yard", 0.9144 },
    { "mi: mile", 1609.344 },
    { "n mile: nautical mile", 1852 },
    { "fath: fathom", 1.8288 },
    { "ch: chain", 20.1168 },
    { "furlong", 201.168 },
    { "l. y.: light year", 9460730472580800 },
    { "micron (µ)", 1e-06 },
    { "ångström (Å)", 1e-10 },
    { "fm: femtometer", 1e-15 },
    { "fermi = yukawa", 1e-15 },
    { "X-unit", 1.00208e-13 },
    { "li [rin]", 0.000303030303030303 },
    { "fun [bu]", 0.00303030303030303 },
    { "chun [sun]", 0.0303030303030303 },
    { "chi [shaku]", 0.303030303030303 },
    { "jien [ken] = bu", 1.81818181818181 },
    { "zhang [jo]", 3.03030303030303 },
    { "duen [tan]", 10.9090909090909 },
    { "jie [cho]", 109.090909090909 },
    { "li [ri]", 3927.27272727273 },
};

constexpr UnitRow kMass[] = {
    { "kg: kilogram", 1 },
    { "lb: pound", 0.45359237 },
    { "oz: ounce", 0.028349523125 },
    { "gr: grain", 6.479891e-05 },
    { "car, ct: carat", 0.0002 },
    { "slug = lbf-s²/ft", 14.5939029372064 },
    { "troy pound", 0.3732417216 },
    { "troy ounce", 0.0311034768 },
    { "t: ton (metric)", 1000 },
    { "ton, long", 1016.0469088 },
    { "ton, short", 907.18474 },
    { "gamma", 1e-09 },
    { "reng [mon-me]", 0.00375 },
    { "jin [kin]", 0.6 },
    { "guen [kan]", 3.75 },
};

constexpr UnitRow kArea[] = {
    { "m²: square meter", 1 },
    { "a: are", 100 },
    { "ha: hectare", 10000 },
    { "acre", 4046.87260987425 },
    { "in²: square inch", 0.00064516 },
    { "ft²: square foot", 0.09290304 },
    { "yd²: square yard", 0.83612736 },
    { "mi²: square mile", 2589988.110336 },
    { "shao [shaku]", 0.03305785124 },
    { "hu [go]", 0.3305785124 },
    { "chiping [shaku-tsubo]", 0.09182736455 },
    { "ping [tsubo] = bu", 3.305785124 },
    { "mu [se]", 99.17355372 },
    { "duen = fan [tan]", 991.7355372 },
    { "jie [cho]", 9917.355372 },
};

constexpr UnitRow kVolume[] = {
    { "m³: cubic meter", 1 },
    { "cm³, cc : cubic centimeter", 1e-06 },
    { "in³: cubic inch", 1.6387064e-05 },
    { "ft³: cubic foot", 0.028316846592 },
    { "yd³: cubic yard", 0.764554857984 },
    { "L: liter", 0.001 },
    { "dL: deciliter", 0.0001 },
    { "gal: gallon (US)", 0.003785411784 },
    { "bbl: barrel (US, petroleum)", 0.158987294928 },
    { "bbl: barrel (US, dry)", 0.115627123584 },
    { "bu: bushel (US)", 0.03523907016688 },
    { "liq qt: quart (US, liq)", 0.000946352946 },
    { "liq pt: pint (US, liq)", 0.000473176473 },
    { "fl oz: ounce (US, fluid)", 2.95735295625e-05 },
    { "pk: peck (US)", 0.00880976754172 },
    { "dry qt: quart (US, dry)", 0.001101220942715 },
    { "dry pt: pint (US, dry)", 0.0005506104713575 },
    { "minim (US)", 6.1611519921875e-08 },
    { "gal: gallon (UK)", 0.00454609 },
    { "bbl: barrel (UK)", 0.16365924 },
    { "bu: bushel (UK)", 0.03636872 },
    { "liq qt: quart (UK, liq)", 0.0011365225 },
    { "liq pt: pint (UK, liq)", 0.00056826125 },
    { "fl oz: ounce (UK, fluid)", 2.84130625e-05 },
    { "minim (UK)", 5.91938802083333e-08 },
    { "shao [shaku]", 1.80391e-05 },
    { "hu [go]", 0.000180391 },
    { "shung [sho]", 0.00180391 },
    { "dou [to]", 0.0180391 },
    { "sui [sai]", 0.02782647411 },
    { "shi [koku]", 0.180391 },
    { "liping [ryu-tsubo]", 6.010518407 },
};

constexpr UnitRow kPressure[] = {
    { "Pa: pascal = N/m²", 1 },
    { "kPa: kilopascal", 1000 },
    { "MPa: megapascal", 1000000 },
    { "kgf/mm²", 9806650 },
    { "kgf/cm²", 98066.5 },
    { "kgf/m²", 9.80665 },
    { "lbf/in², psi", 6894.75729316836 },
    { "lbf/ft²", 47.8802589803358 },
    { "hPa: hectopascal", 100 },
    { "bar", 100000 },
    { "atm: atmosphere", 101325 },
    { "mmHg = Torr", 133.322368421053 },
    { "mmAq", 9.80665 },
};

constexpr UnitRow kPower[] = {
    { "W, J/s, N-m/s, V-A", 1 },
    { "hp: horsepower (metric)", 735.49875 },
    { "kcal (IT)/h", 1.163 },
    { "kcal (IT)/min", 69.78 },
    { "kcal (IT)/s", 4186.8 },
    { "MW: megawatt", 1000000 },
    { "GW: gigawatt", 1000000000 },
    { "mW: milliwatt", 0.001 },
    { "kgf-m/s", 9.80665 },
    { "hp (550 ft-lbf/s)", 745.69987158227 },
    { "Btu (IT)/h", 0.293071070172222 },
    { "Btu (IT)/min", 17.5842642103333 },
    { "Btu (IT)/s", 1055.05585262 },
    { "ft-lbf/h", 0.000376616096758722 },
    { "ft-lbf/min", 0.0225969658055233 },
    { "ft-lbf/s", 1.3558179483314 },
};

constexpr UnitRow kEnergy[] = {
    { "J, N-m, W-s", 1 },
    { "kJ: kilojoule", 1000 },
    { "MJ: megajoule", 1000000 },
    { "kW-h", 3600000 },
    { "kgf-m", 9.80665 },
    { "erg", 1e-07 },
    { "cal (IT)", 4.1868 },
    { "kcal (IT)", 4186.8 },
    { "Btu (IT)", 1055.05585262 },
    { "hp (metric)-h", 2647795.5 },
    { "hp (550 ft-lbf/s)-h", 2684519.53769617 },
    { "lbf-ft = ft-lbf", 1.3558179483314 },
    { "lbf-in", 0.112984829027617 },
    { "cal (th)", 4.184 },
    { "kcal (th)", 4184 },
    { "Btu (th)", 1054.35026448889 },
    { "eV: electronvolt", 1.60217733e-19 },
    { "F. O. E. @bbl (US)", 6383087908.351 },
    { "F. O. E. @kL", 40197627984.822 },
};

constexpr UnitRow kForce[] = {
    { "N: newton", 1 },
    { "kgf: kilogram-force", 9.80665 },
    { "lbf: pound force", 4.4482216152605 },
    { "dyn: dyne", 1e-05 },
    { "tf: ton (metric)-force", 9806.65 },
    { "pdl: poundal = lb-ft/s²", 0.138254954376 },
};

// Mach and sound speeds are fixed speeds in m/s. Warp never acts as a factor: a conversion from it
// takes the chosen warp speed instead.
constexpr UnitRow kSpeed[] = {
    { "m/s", 1 },
    { "km/h", kComputed },
    { "kt, kn: knot", 0.514444444444444 },
    { "mi/h", 0.44704 },
    { "mi/min", 26.8224 },
    { "mi/s", 1609.344 },
    { "ft/min", 0.00508 },
    { "ft/s", 0.3048 },
    { "in/s", 0.0254 },
    { "c: speed of light in vacuum", 299792458 },
    { "Mach (-20 °C, 1 atm)", 319.3 },
    { "Mach (0 °C, 1 atm)", 331.7 },
    { "Mach (20 °C, 1 atm)", 343.6 },
    { "Sound (Water, 0 °C)", 1402.7 },
    { "Sound (Water, 10 °C)", 1447.6 },
    { "Sound (Water, 20 °C)", 1482.7 },
    { "Sound (Sea, 0 °C, 10 m)", 1449.1 },
    { "Sound (Sea, 10 °C, 10 m)", 1490 },
    { "Sound (Sea, 20 °C, 10 m)", 1521.6 },
    { "Warp", 0 },
};

constexpr UnitRow kAcceleration[] = {
    { "m/s²", 1 },
    { "gal, galileo", 0.01 },
    { "g: acceleration of free fall", 9.80665 },
    { "in/s²", 0.0254 },
    { "ft/s²", 0.3048 },
    { "yd/s²", 0.9144 },
    { "mi/s²", 1609.344 },
};

constexpr UnitRow kDensity[] = {
    { "kg/m³", 1 },
    { "kgf-s²/m^4", 9.80665 },
    { "lb/ft³", 16.0184633739601 },
    { "lb/in³", 27679.9047102031 },
    { "slug/ft³", 515.378818393196 },
    { "g/cc, kg/L", 1000 },
    { "lb/gal (US)", 119.826427316897 },
    { "lb/gal (UK)", 99.7763726631017 },
};

constexpr UnitRow kFuelMass[] = {
    { "kg/J", 1 },
    { "g/(kW-h)", 2.77777777777778e-10 },
    { "g/(hp-h)", 3.77672671473307e-10 },
    { "lb/(hp-h)", 1.68965941067156e-07 },
};

// Distance per volume, so "km/(100 L)" is kilometres per 100 litres.
constexpr UnitRow kFuelDistance[] = {
    { "m/m³", 1 },
    { "km/L", 1000000 },
    { "100 km/L", 100000000 },
    { "km/(100 L)", 10000 },
    { "mi/gal (US)", 425143.707430272 },
    { "100 mi/gal (US)", 42514370.7430272 },
};

constexpr UnitRow kAngle[] = {
    { "rad: radian", 1 },
    { "°: degree", kComputed },
    { "': minute", kComputed },
    { "\": Second ", kComputed },
};

constexpr UnitRow kViscosity[] = {
    { "Pa-s", 1 },
    { "P: poise", 0.1 },
    { "cP: centipise", 0.001 },
    { "kgf-s/m²", 9.80665 },
    { "lbf-s/in²", 6894.75729316836 },
    { "pdl-s/ft²", 1.48816394356955 },
    { "slug/(ft-s) = lbf-s/ft²", 47.8802589803358 },
    { "lb/(ft-s) = pdl-s/ft²", 1.48816394356955 },
};

constexpr UnitRow kKineticViscosity[] = {
    { "m²/s", 1 },
    { "St: stokes", 0.0001 },
    { "cSt: centistokes", 1e-06 },
    { "m²/h", 0.000277777777777778 },
    { "ft²/h", 2.58064e-05 },
    { "ft²/s", 0.09290304 },
};

constexpr UnitRow kHeatFlux[] = {
    { "W/m²", 1 },
    { "cal (th)/(cm²-s)", 41840 },
    { "Btu (th)/(ft²-h)", 3.15248105410906 },
    { "Btu (IT)/(ft²-h)", 3.15459074506305 },
};

constexpr UnitRow kSpecificHeat[] = {
    { "J/(kg-K)", 1 },
    { "kcal (IT)/(kg-K)", 4186.8 },
    { "kgf-m/(kg-K)", 9.80665 },
    { "Btu (IT)/(lb-°R)", 4186.8 },
    { "kcal (th)/(kg-K)", 4184 },
    { "Btu (th)/(lb-°R)", 4184 },
    { "ft-lbf/(lb-°R)", 5.380320456 },
};

constexpr UnitRow kThermalConductivity[] = {
    { "W/(m-K)", 1 },
    { "kcal (IT)/(m-h-°C)", 1.163 },
    { "Btu (IT)/(h-ft-°F)", 1.73073466637139 },
};

constexpr UnitRow kHeatTransfer[] = {
    { "W/(m²-K)", 1 },
    { "kcal (IT)/(m²-h-°C)", 1.163 },
    { "Btu (IT)/(h-ft²-°F)", 5.67826334111348 },
};

constexpr UnitRow kFluxDensity[] = {
    { "T: tesla = Wb/m²", 1 },
    { "Gs, G: gauss", 0.0001 },
    { "gamma", 1e-09 },
};

constexpr UnitRow kFieldStrength[] = {
    { "A/m: ampere per meter", 1 },
    { "Oe: örsted", kComputed },
};

constexpr UnitRow kMagneticFlux[] = {
    { "Wb: weber = V-s", 1 },
    { "Mx: maxwell", 1e-08 },
};

constexpr UnitRow kIlluminance[] = {
    { "lx: lux = lm [lumen]/m²", 1 },
    { "ph: photo", 10000 },
};

constexpr UnitRow kLuminance[] = {
    { "cd [candela]/m²", 1 },
    { "sb: stilb", 10000 },
};

constexpr UnitRow kRadioactivity[] = {
    { "Bq: becquerel = 1/s", 1 },
    { "Ci: curie", 37000000000 },
};

constexpr UnitRow kExposure[] = {
    { "C/kg: coulomb per kilogram", 1 },
    { "R: röntgen", 0.000258 },
};

constexpr UnitRow kPrefixes[] = {
    { "1, one", 1 },
    { "uliangdashu", 1e+88 },
    { "bukusi-i [fukashigi]", 1e+80 },
    { "nayonta [nayuta]", 1e+72 },
    { "asunshi [asogi]", 1e+64 },
    { "hunhusha [gogasha]", 1e+56 },
    { "ji [goku]", 1e+48 },
    { "zai [sai]", 1e+44 },
    { "zhung [sei]", 1e+40 },
    { "jian [kan]", 1e+36 },
    { "gou [ko]", 1e+32 },
    { "xiang [jo]", 1e+28 },
    { "shi, yotta (Y)", 1e+24 },
    { "Z: zetta", 1e+21 },
    { "hai [gai]", 1e+20 },
    { "E: exa", 1e+18 },
    { "jing [kei]", 1e+16 },
    { "P: peta", 1000000000000000 },
    { "zhao [cho], T: Tera", 1000000000000 },
    { "G: giga", 1000000000 },
    { "i [oku]", 100000000 },
    { "M: mega", 1000000 },
    { "k: kilo", 1000 },
    { "h: hecto", 100 },
    { "da: deca", 10 },
    { "fun [bu], d: deci", 0.1 },
    { "li [rin], c: centi", 0.01 },
    { "mao [mo], m: milli", 0.001 },
    { "su [shi]", 0.0001 },
    { "hu [kotsu]", 1e-05 },
    { "wei [bi], µ: micro", 1e-06 },
    { "sien [sen]", 1e-07 },
    { "sha", 1e-08 },
    { "chun [jin], n: nano", 1e-09 },
    { "ai", 1e-10 },
    { "p: pico", 1e-12 },
    { "f: femto", 1e-15 },
    { "a: atto", 1e-18 },
    { "z: zepto", 1e-21 },
    { "y: yocto", 1e-24 },
};

constexpr UnitRow kBitByte[] = {
    { "byte", 1 },
    { "kB: kilobyte", 1024 },
    { "MB: megabyte", 1048576 },
    { "GB: gigabyte", 1073741824 },
    { "TB: terabyte", 1099511627776 },
    { "bit", 0.125 },
    { "kilobit", 125 },
    { "megabit", 125000 },
    { "gibabit", 125000000 },
};

// The number-system conversion works on digits; these factors play no part.
constexpr UnitRow kNumberSystem[] = {
    { "Decimal", 1 },
    { "Binary", 1 },
    { "Octal", 1 },
    { "Hexadecimal", 1 },
};

// Base unit is the twip; the two pixel factors depend on the screen.
constexpr UnitRow kGraphics[] = {
    { "twip (X)", 1 },
    { "pixel (X)", kComputed },
    { "pixel (Y)", kComputed },
    { "point", 20 },
    { "character (X)", 120 },
    { "character (Y)", 240 },
    { "cm: centimeter", 566.929133858268 },
    { "mm: millimeter", 56.6929133858268 },
    { "in: inch", 1440 },
    { "pica", 240 },
};

constexpr GroupTable kGroups[] = {
    { 0, "Length", kLength },
    { 1, "Mass", kMass },
    { 2, "Area", kArea },
    { 3, "Volume", kVolume },
    { 4, "Stress, Pressure", kPressure },
    { 5, "Work Rate, Power...", kPower },
    { 7, "Energy, Work, Moment, Torque", kEnergy },
    { 8, "Force", kForce },
    { 9, "Velocity, Speed", kSpeed },
    { 10, "Acceleration", kAcceleration },
    { 11, "Density", kDensity },
    { 12, "Fuel Consumption (Mass)", kFuelMass },
    { 13, "Fuel Consumption (Distance)", kFuelDistance },
    { 14, "Angle", kAngle },
    { 15, "Viscosity", kViscosity },
    { 16, "Kinetic Viscosity", kKineticViscosity },
    { 17, "Heat Flux", kHeatFlux },
    { 18, "Specific Heat Capacity", kSpecificHeat },
    { 19, "Thermal Conductivity", kThermalConductivity },
    { 20, "Heat Transfer Coefficient", kHeatTransfer },
    { 21, "Magnetic Flux Density", kFluxDensity },
    { 22, "Magnetic Field Strength", kFieldStrength },
    { 23, "Magnetic Flux", kMagneticFlux },
    { 24, "Illuminance", kIlluminance },
    { 25, "Luminance", kLuminance },
    { 26, "Radioactivity", kRadioactivity },
    { 27, "Exposed Dose (Exposure)", kExposure },
    { 28, "Metric Prefixes", kPrefixes },
    { 49, "Bit, Byte", kBitByte },
    { 50, "Number System", kNumberSystem },
    { 51, "Graphics Units", kGraphics },
};

// Kelvin is the base; a value x means (x + offset) * scale kelvin. The Fahrenheit and Rankine
// scales are computed at start-up.
constexpr AffineRow kTemperature[] = {
    { "K: kelvin", 1, 0 },
    { "°C: deg Celsius", 1, 273.15 },
    { "°F: deg Fahrenheit", kComputed, 459.67 },
    { "°R: deg Rankine", kComputed, 0 },
};

// Warp speeds in multiples of the speed of light.
constexpr WarpRow kWarp[] = {
    { "1", 1 },
    { "2", 10 },
    { "3", 39 },
    { "4", 102 },
    { "5", 214 },
    { "6", 392 },
    { "7", 656 },
    { "8", 1024 },
    { "9", 1516 },
    { "9.2", 1649 },
    { "9.6", 1909 },
    { "9.9", 3053 },
    { "9.99", 7912 },
    { "9.9999", 199516 },
};

} // namespace

std::span<const GroupTable> LinearGroups()
{
    return kGroups;
}

std::span<const AffineRow> TemperatureUnits()
{
    return kTemperature;
}

std::span<const WarpRow> WarpTable()
{
    return kWarp;
}

} // namespace core::data
