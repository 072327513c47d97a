// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The vocabulary's tables. Every supplementary size is exact against a catalogue unit, with where its
// definition comes from. Plurals ("miles", "inches", "feet²") and case-ignored forms are made from
// these names; prefixed forms ("km", "mL", "kilowatt") from the prefix table in Vocabulary.cpp.

#include "core/Vocabulary.h"

namespace core::vocabulary {
namespace {

constexpr std::int16_t kLength = 0, kMass = 1, kArea = 2, kVolume = 3, kPressure = 4, kPower = 5,
                       kTemperature = 6, kEnergy = 7, kForce = 8, kSpeed = 9, kAcceleration = 10,
                       kDensity = 11, kFuel = 13, kAngle = 14, kViscosity = 15, kKinetic = 16, kBitByte = 49;

// Time: the SI second; the minute, hour and day as the SI brochure accepts them (60 s, 60 min,
// 24 h); the year is the Julian year of astronomy (365.25 d, IAU).
constexpr QueryUnit kTime[] = {
    { "s: second", 1 },
    { "min: minute", 60 },
    { "h: hour", 3600 },
    { "d: day", 86400 },
    { "wk: week", 604800 },
    { "fortnight", 1209600 },
    { "yr: year (Julian)", 31557600 },
    { "decade (Julian)", 315576000 },
    { "century (Julian)", 3155760000 },
};

// Frequency: the hertz is one a second; a revolution a minute is 1/60 Hz.
constexpr QueryUnit kFrequency[] = {
    { "Hz: hertz", 1 },
    { "rpm: revolution per minute", 1.0 / 60 },
};

constexpr NameRow kRows[] = {
    // Length. The foot and inch marks of heights ("5'11\""); the mil is a thousandth of an inch, the
    // hand 4 in (both by the inch's definition); the astronomical unit is exact by IAU 2012 and the
    // parsec 648000/π au (IAU 2015).
    { kLength, "m: meter", 1, "", "meter; metre" },
    { kLength, "in: inch", 1, "", "inch; \"; ''; in.; inches" },
    { kLength, "ft: foot, feet", 1, "", "foot; feet; '; ft." },
    { kLength, "yd: yard", 1, "", "yard; yds" },
    { kLength, "mi: mile", 1, "", "mile; statute mile; international mile" },
    { kLength, "n mile: nautical mile", 1, "", "nautical mile; nmi; NM; sea mile" },
    { kLength, "l. y.: light year", 1, "", "light year; light-year; ly" },
    { kLength, "micron (µ)", 1, "", "micron; micrometer" },
    { kLength, "ångström (Å)", 1, "", "angstrom; ångström; Å; Å" },
    { kLength, "in: inch", 0.001, "mil", "mil; thou" },
    { kLength, "in: inch", 4, "hand", "hand; hh" },
    { kLength, "m: meter", 149597870700, "au", "au; AU; astronomical unit" },
    { kLength, "m: meter", 149597870700 * 648000 / 3.14159265358979323846, "pc", "pc; parsec" },
    // Mass. The stone is 14 lb and the hundredweight 100 lb (US) or 112 lb (UK), by the pound's
    // definition in the Weights and Measures Act 1985 and NIST Handbook 44.
    { kMass, "kg: kilogram", 0.001, "g", "g; gram; gramme" },
    { kMass, "lb: pound", 1, "", "pound; lbs; lb." },
    { kMass, "oz: ounce", 1, "", "ounce; oz." },
    { kMass, "t: ton (metric)", 1, "", "tonne; metric ton; ton; tons" },
    { kMass, "ton, long", 1, "long ton", "long ton; ton; tons; imperial ton; UK ton" },
    { kMass, "ton, short", 1, "short ton", "short ton; ton; tons; US ton" },
    { kMass, "troy ounce", 1, "", "oz t; ozt; troy oz" },
    { kMass, "troy pound", 1, "", "lb t; troy lb" },
    { kMass, "car, ct: carat", 1, "ct", "carat; karat" },
    { kMass, "gr: grain", 1, "", "grain" },
    { kMass, "lb: pound", 14, "st", "st; stone; stones" },
    { kMass, "lb: pound", 100, "cwt (US)", "cwt; hundredweight; short hundredweight" },
    { kMass, "lb: pound", 112, "cwt (UK)", "cwt; hundredweight; long hundredweight" },
    // Area.
    { kArea, "ha: hectare", 1, "", "hectare" },
    { kArea, "acre", 1, "", "acre; ac" },
    { kArea, "m²: square meter", 1, "", "sqm; meter²" },
    { kArea, "ft²: square foot", 1, "", "sqft; sf; feet²; foot²" },
    { kArea, "in²: square inch", 1, "", "sqin; inch²" },
    { kArea, "yd²: square yard", 1, "", "yard²" },
    { kArea, "mi²: square mile", 1, "", "mile²" },
    // Volume. The US cup is 8 US fluid ounces, the tablespoon half and the teaspoon a sixth of one
    // (NIST Handbook 44); the metric cup, tablespoon and teaspoon are 250, 15 and 5 mL.
    { kVolume, "cm³, cc : cubic centimeter", 1, "", "cc; cm³; ccm; centimeter³" },
    { kVolume, "in³: cubic inch", 1, "", "inch³; cu in" },
    { kVolume, "ft³: cubic foot", 1, "", "foot³; feet³; cu ft; cf" },
    { kVolume, "yd³: cubic yard", 1, "", "yard³; cu yd" },
    { kVolume, "m³: cubic meter", 1, "", "meter³; cu m" },
    { kVolume, "L: liter", 1, "", "liter; litre; l; ltr" },
    { kVolume, "gal: gallon (US)", 1, "", "gallon; gal; US gallon; gal (US); usgal" },
    { kVolume, "gal: gallon (UK)", 1, "", "gallon; gal; imperial gallon; UK gallon; imp gal; gal (UK)" },
    { kVolume, "bbl: barrel (US, petroleum)", 1, "", "barrel; bbl; oil barrel" },
    { kVolume, "bbl: barrel (US, dry)", 1, "", "barrel; bbl" },
    { kVolume, "bbl: barrel (UK)", 1, "", "barrel; bbl" },
    { kVolume, "bu: bushel (US)", 1, "", "bushel; bu" },
    { kVolume, "bu: bushel (UK)", 1, "", "bushel; bu" },
    { kVolume, "liq qt: quart (US, liq)", 1, "", "quart; qt; liq qt; US quart" },
    { kVolume, "liq qt: quart (UK, liq)", 1, "", "quart; qt; liq qt; imperial quart; UK quart" },
    { kVolume, "dry qt: quart (US, dry)", 1, "", "dry quart" },
    { kVolume, "liq pt: pint (US, liq)", 1, "", "pint; pt; liq pt; US pint" },
    { kVolume, "liq pt: pint (UK, liq)", 1, "", "pint; pt; liq pt; imperial pint; UK pint" },
    { kVolume, "dry pt: pint (US, dry)", 1, "", "dry pint" },
    { kVolume,
        "fl oz: ounce (US, fluid)",
        1,
        "",
        "fl oz; fluid ounce; floz; fl. oz; US fl oz; oz; ounce; ounces" },
    { kVolume,
        "fl oz: ounce (UK, fluid)",
        1,
        "",
        "fl oz; fluid ounce; floz; fl. oz; imperial fl oz; oz; ounce; ounces" },
    { kVolume, "pk: peck (US)", 1, "", "peck" },
    { kVolume, "fl oz: ounce (US, fluid)", 8, "cup (US)", "cup; cups; US cup" },
    { kVolume, "fl oz: ounce (US, fluid)", 0.5, "tbsp (US)", "tbsp; tablespoon; Tbsp; tbs" },
    { kVolume, "fl oz: ounce (US, fluid)", 1.0 / 6, "tsp (US)", "tsp; teaspoon" },
    { kVolume, "L: liter", 0.25, "cup (metric)", "metric cup" },
    { kVolume, "L: liter", 0.015, "tbsp (metric)", "metric tablespoon" },
    { kVolume, "L: liter", 0.005, "tsp (metric)", "metric teaspoon" },
    // Pressure. The conventional inch of mercury is 3386.389 Pa (NIST SP 811, B.8); the catalogue's
    // mmHg is the torr, 101325/760 Pa.
    { kPressure, "lbf/in², psi", 1, "psi", "psi; pound per square inch; lbf/inch²" },
    { kPressure, "atm: atmosphere", 1, "", "atmosphere; atmospheres" },
    { kPressure, "mmHg = Torr", 1, "mmHg", "mmHg; torr; Torr; millimeter of mercury" },
    { kPressure, "Pa: pascal = N/m²", 3386.389, "inHg", "inHg; in Hg; inch of mercury; inches of mercury" },
    { kPressure, "kgf/cm²", 1, "", "technical atmosphere" },
    // Power. "hp" and "horsepower" name the metric and the mechanical horsepower.
    { kPower, "W, J/s, N-m/s, V-A", 1, "W", "W; watt; watts" },
    { kPower, "hp: horsepower (metric)", 1, "", "horsepower; hp; PS; metric horsepower" },
    { kPower, "hp (550 ft-lbf/s)", 1, "", "horsepower; hp; bhp; mechanical horsepower; imperial horsepower" },
    { kPower, "Btu (IT)/h", 1, "", "Btu/h; BTU/h; Btu/hr; BTU/hr; btuh" },
    // Energy. A therm is 100000 Btu (IT) (the EU's therm); a watt-hour 3600 J.
    { kEnergy, "J, N-m, W-s", 1, "J", "J; joule; joules" },
    { kEnergy, "kW-h", 0.001, "Wh", "Wh; W-h; watt-hour; watt hour" },
    { kEnergy, "kW-h", 1, "kWh", "kWh; kW h; kilowatt-hour; kilowatt hour; kilowatt-hours; kilowatt hours" },
    { kEnergy, "cal (IT)", 1, "", "cal; calorie; calories" },
    { kEnergy, "cal (th)", 1, "", "cal; calorie; calories; thermochemical calorie" },
    { kEnergy, "kcal (IT)", 1, "", "kcal; kilocalorie; kilocalories; Cal; Calorie; Calories" },
    { kEnergy, "kcal (th)", 1, "", "kcal; kilocalorie; kilocalories" },
    { kEnergy, "Btu (IT)", 1, "", "Btu; BTU; British thermal unit" },
    { kEnergy, "Btu (th)", 1, "", "Btu; BTU; British thermal unit" },
    { kEnergy, "lbf-ft = ft-lbf", 1, "ft-lbf", "ft-lbf; ft-lb; foot-pound; foot pound; lb-ft" },
    { kEnergy, "eV: electronvolt", 1, "", "electron volt" },
    { kEnergy, "Btu (IT)", 100000, "thm", "therm; therms; thm" },
    // Force.
    { kForce, "N: newton", 1, "", "newton" },
    { kForce, "kgf: kilogram-force", 1, "", "kilopond; kp; kilogram force" },
    { kForce, "lbf: pound force", 1, "", "pound-force; pounds-force; pound force" },
    { kForce, "dyn: dyne", 1, "", "dyne" },
    // Speed.
    { kSpeed, "mi/h", 1, "mph", "mph; MPH; mile per hour; miles per hour; mi/hr" },
    { kSpeed, "km/h", 1, "", "kph; kmh; km/hr; kmph; kilometer per hour; kilometers per hour" },
    { kSpeed, "m/s", 1, "", "meter per second; meters per second; m/sec; mps" },
    { kSpeed, "ft/s", 1, "", "fps; foot per second; feet per second; ft/sec" },
    { kSpeed, "kt, kn: knot", 1, "kn", "knot; knots; kts" },
    { kSpeed, "c: speed of light in vacuum", 1, "c", "speed of light" },
    // Acceleration.
    { kAcceleration, "g: acceleration of free fall", 1, "", "gee; g0; gn; standard gravity" },
    { kAcceleration, "m/s²", 1, "", "meter per second²" },
    // Density.
    { kDensity, "g/cc, kg/L", 1, "g/cm³", "g/cm³; g/mL; gram per cubic centimeter" },
    { kDensity, "kg/m³", 1, "", "g/L; kg/meter³" },
    // Fuel: miles per US gallon.
    { kFuel, "mi/gal (US)", 1, "mpg", "mpg; MPG; miles per gallon; mile per gallon" },
    // Angle. The gon is 0.9°; a turn 360°.
    { kAngle, "°: degree", 1, "°", "°; deg; degree; degrees" },
    { kAngle, "rad: radian", 1, "", "radian" },
    { kAngle, "': minute", 1, "arcmin", "arcmin; arcminute; arc minute; minute of arc" },
    { kAngle, "\": Second ", 1, "arcsec", "arcsec; arcsecond; arc second; second of arc" },
    { kAngle, "°: degree", 0.9, "gon", "gon; grad; gradian" },
    { kAngle, "°: degree", 360, "turn", "turn; revolution; rev" },
    // Temperature: the degree sign, its look-alikes and "deg" are written out for each scale.
    { kTemperature, "°C: deg Celsius", 1, "", "C; °C; degC; deg C; Celsius; degree Celsius; centigrade" },
    { kTemperature, "°F: deg Fahrenheit", 1, "", "F; °F; degF; deg F; Fahrenheit; degree Fahrenheit" },
    { kTemperature, "°R: deg Rankine", 1, "", "°R; degR; deg R; Rankine; degree Rankine" },
    { kTemperature, "K: kelvin", 1, "", "kelvin; Kelvin; degree Kelvin" },
    // Viscosity.
    { kViscosity, "cP: centipise", 1, "", "centipoise" },
    { kKinetic, "cSt: centistokes", 1, "", "centistoke" },
    // Bit and byte: the catalogue's kilobyte and its kin are binary multiples.
    { kBitByte, "byte", 1, "", "B; bytes; octet" },
    { kBitByte, "kB: kilobyte", 1, "", "KiB; KB; kibibyte" },
    { kBitByte, "MB: megabyte", 1, "", "MiB; mebibyte" },
    { kBitByte, "GB: gigabyte", 1, "", "GiB; gibibyte" },
    { kBitByte, "TB: terabyte", 1, "", "TiB; tebibyte" },
    { kBitByte, "bit", 1, "", "bits; b" },
    { kBitByte, "kilobit", 1, "kbit", "kbit; kb; kbps" },
    { kBitByte, "megabit", 1, "Mbit", "Mbit; Mb; Mbps" },
    { kBitByte, "gibabit", 1, "Gbit", "Gbit; Gb; gigabit; Gbps" },
    // The query-only groups.
    { kTimeGroup, "s: second", 1, "", "sec; secs; second" },
    { kTimeGroup, "min: minute", 1, "", "mins; minute" },
    { kTimeGroup, "h: hour", 1, "", "hr; hrs; hour; hours" },
    { kTimeGroup, "d: day", 1, "", "day; days" },
    { kTimeGroup, "wk: week", 1, "", "week; weeks; wks" },
    { kTimeGroup, "yr: year (Julian)", 1, "", "year; years; yrs" },
    { kTimeGroup, "decade (Julian)", 1, "decade", "decade" },
    { kTimeGroup, "century (Julian)", 1, "century", "century; centuries" },
    { kFrequencyGroup, "Hz: hertz", 1, "", "hertz; cps" },
    { kFrequencyGroup, "rpm: revolution per minute", 1, "", "RPM; r/min; revolutions per minute" },
};

} // namespace

std::span<const QueryUnit> QueryUnits(std::int16_t group)
{
    if (group == kTimeGroup)
        return kTime;
    if (group == kFrequencyGroup)
        return kFrequency;
    return {};
}

std::string_view QueryGroupName(std::int16_t group)
{
    if (group == kTimeGroup)
        return "Time";
    if (group == kFrequencyGroup)
        return "Frequency";
    return {};
}

std::span<const NameRow> NameRows()
{
    return kRows;
}

} // namespace core::vocabulary
