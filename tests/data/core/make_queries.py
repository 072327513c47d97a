#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
"""Writes queries.txt: everyday questions typed the ways people type them, with the answers worked
out here from the units' definitions in exact fractions, independently of the converter. Run it
from anywhere; the output is committed."""
import pathlib
from fractions import Fraction as F

HERE = pathlib.Path(__file__).resolve().parent

# Definitions. Length: 1 in = 2.54 cm, 1 ft = 12 in, 1 yd = 3 ft, 1 mi = 5280 ft (1959 agreement);
# nautical mile 1852 m. Mass: 1 lb = 0.45359237 kg, 1 oz = 1/16 lb, 1 st = 14 lb, 1 gr = 1/7000 lb,
# carat 0.2 g, short ton 2000 lb, long ton 2240 lb. Volume: US gallon 231 in³, UK gallon 4.54609 L,
# US fl oz = 1/128 US gal, UK fl oz = 1/160 UK gal, US pint 1/8 gal, cup 8 US fl oz, tbsp 1/2, tsp
# 1/6 US fl oz. Pressure: atm 101325 Pa, mmHg (torr) 101325/760 Pa, psi = lbf/in², inHg 3386.389 Pa.
# Force: lbf = lb × 9.80665 m/s², kgf = 9.80665 N. Energy: cal (IT) 4.1868 J, cal (th) 4.184 J,
# Btu (IT) 1055.05585262 J, kWh 3.6 MJ, therm 100000 Btu (IT). Power: metric hp 75 kgf·m/s,
# mechanical hp 550 ft·lbf/s. Time: Julian year 365.25 d. Angle: 180° = π rad (π to 20 digits).
IN = F(254, 10000)
FT = 12 * IN
YD = 3 * FT
MI = 5280 * FT
LB = F(45359237, 10**8)
G0 = F(980665, 10**5)
LBF = LB * G0
USGAL = 231 * IN**3
UKGAL = F(454609, 10**8)
USFLOZ = USGAL / 128
UKFLOZ = UKGAL / 160
BTU = F(105505585262, 10**8)
PI = F("3.14159265358979323846")
ACRE_SURVEY = F("4046.87260987425")  # the catalogue's acre: the US survey acre

UNITS = {
    # length, in metres
    "m": F(1), "km": F(1000), "cm": F(1, 100), "mm": F(1, 1000), "um": F(1, 10**6), "nm": F(1, 10**9),
    "in": IN, "ft": FT, "yd": YD, "mi": MI, "nmi": F(1852), "mil": IN / 1000, "hand": 4 * IN,
    # mass, in kilograms
    "kg": F(1), "g": F(1, 1000), "mg": F(1, 10**6), "t": F(1000), "lb": LB, "oz": LB / 16, "st": 14 * LB,
    "gr": LB / 7000, "ct": F(2, 10000), "shortton": 2000 * LB, "longton": 2240 * LB, "ug": F(1, 10**9),
    # area, in square metres
    "m2": F(1), "km2": F(10**6), "cm2": F(1, 10**4), "ha": F(10**4), "acre": ACRE_SURVEY, "ft2": FT**2,
    "in2": IN**2, "yd2": YD**2, "mi2": MI**2,
    # volume, in cubic metres
    "m3": F(1), "L": F(1, 1000), "mL": F(1, 10**6), "cL": F(1, 10**5), "dL": F(1, 10**4), "hL": F(1, 10),
    "cm3": F(1, 10**6), "in3": IN**3, "ft3": FT**3, "usgal": USGAL, "ukgal": UKGAL, "usfloz": USFLOZ,
    "ukfloz": UKFLOZ, "uspt": USGAL / 8, "ukpt": UKGAL / 8, "usqt": USGAL / 4, "ukqt": UKGAL / 4,
    "cup": 8 * USFLOZ, "tbsp": USFLOZ / 2, "tsp": USFLOZ / 6,
    # speed, in metres per second
    "m/s": F(1), "km/h": F(1000, 3600), "mph": MI / 3600, "kn": F(1852, 3600), "ft/s": FT,
    # pressure, in pascals
    "Pa": F(1), "kPa": F(1000), "hPa": F(100), "MPa": F(10**6), "GPa": F(10**9), "bar": F(10**5),
    "mbar": F(100), "atm": F(101325), "mmHg": F(101325, 760), "psi": LBF / IN**2, "inHg": F("3386.389"),
    # energy, in joules
    "J": F(1), "kJ": F(1000), "MJ": F(10**6), "kWh": F(3600000), "Wh": F(3600), "calIT": F("4.1868"),
    "calth": F("4.184"), "kcalIT": F("4186.8"), "kcalth": F(4184), "BtuIT": BTU, "therm": 100000 * BTU,
    "eV": F("1.60217733e-19"), "keV": F("1.60217733e-16"),
    # power, in watts
    "W": F(1), "kW": F(1000), "MW": F(10**6), "mW": F(1, 1000), "hpM": 75 * G0, "hpI": 550 * FT * LBF,
    # force, in newtons
    "N": F(1), "kN": F(1000), "lbf": LBF, "kgf": G0,
    # time, in seconds
    "s": F(1), "ms": F(1, 1000), "us": F(1, 10**6), "ns": F(1, 10**9), "min": F(60), "h": F(3600),
    "d": F(86400), "wk": F(604800), "yr": F(36525 * 864),
    # frequency, in hertz
    "Hz": F(1), "kHz": F(1000), "MHz": F(10**6), "GHz": F(10**9), "rpm": F(1, 60),
    # angle, in degrees
    "deg": F(1), "rad": 180 / PI, "arcmin": F(1, 60), "turn": F(360),
    # data, in bytes (the catalogue's kilobyte and its kin are binary)
    "byte": F(1), "bit": F(1, 8), "KiB": F(1024), "MiB": F(1024**2), "GiB": F(1024**3),
}

# Names people type for each unit.
NAMES = {
    "m": ["m", "meter", "meters", "metres", "metre"], "km": ["km", "kilometers", "kilometres", "KM"],
    "cm": ["cm", "centimeters", "centimetres"], "mm": ["mm", "millimeters", "millimetres"],
    "um": ["µm", "μm", "um", "micrometers", "microns"], "nm": ["nm", "nanometers"],
    "in": ["in", "inch", "inches", "\""], "ft": ["ft", "foot", "feet", "'"], "yd": ["yd", "yards", "yard"],
    "mi": ["mi", "mile", "miles"], "nmi": ["nmi", "nautical miles"], "mil": ["mil", "thou"], "hand": ["hands"],
    "kg": ["kg", "kilograms", "kilogram", "KG"], "g": ["g", "grams", "gram", "gramme"],
    "mg": ["mg", "milligrams"], "t": ["t", "tonnes", "metric tons"], "lb": ["lb", "lbs", "pounds", "pound"],
    "oz": ["oz", "ounces", "ounce"], "st": ["st", "stone", "stones"], "gr": ["gr", "grains"],
    "ct": ["ct", "carats"], "shortton": ["short tons", "short ton"], "longton": ["long tons", "long ton"],
    "ug": ["µg", "ug", "micrograms"],
    "m2": ["m2", "m^2", "m²", "sq m", "square meters", "square metres"], "km2": ["km2", "km²", "sq km", "square kilometers"],
    "cm2": ["cm2", "cm²"], "ha": ["ha", "hectares", "hectare"], "acre": ["acres", "acre"],
    "ft2": ["ft2", "sq ft", "square feet", "ft^2", "sqft"], "in2": ["sq in", "square inches", "in2"],
    "yd2": ["sq yd", "square yards"], "mi2": ["sq mi", "square miles", "mi2"],
    "m3": ["m3", "m³", "cubic meters", "cu m"], "L": ["L", "l", "liters", "litres", "liter", "litre"],
    "mL": ["mL", "ml", "milliliters", "millilitres"], "cL": ["cl", "cL", "centiliters"], "dL": ["dL", "dl"],
    "hL": ["hL", "hl", "hectoliters"], "cm3": ["cm3", "cc", "cm³", "cubic centimeters"],
    "in3": ["in3", "cu in", "cubic inches"], "ft3": ["ft3", "cu ft", "cubic feet"],
    "usgal": ["US gallons", "US gallon"], "ukgal": ["imperial gallons", "UK gallon"],
    "usfloz": ["US fl oz"], "ukfloz": ["imperial fl oz"], "uspt": ["US pints", "US pint"], "ukpt": ["imperial pints", "UK pint"],
    "usqt": ["US quarts"], "ukqt": ["imperial quarts"],
    "cup": ["cup", "cups"], "tbsp": ["tbsp", "tablespoons", "tablespoon"], "tsp": ["tsp", "teaspoons", "teaspoon"],
    "m/s": ["m/s", "meters per second"], "km/h": ["km/h", "kph", "kmh", "kilometers per hour"],
    "mph": ["mph", "mi/h", "miles per hour", "MPH"], "kn": ["knots", "kn", "kt"], "ft/s": ["ft/s", "fps"],
    "Pa": ["Pa", "pascals", "pascal"], "kPa": ["kPa", "kilopascals"], "hPa": ["hPa", "hectopascals"],
    "MPa": ["MPa"], "GPa": ["GPa", "gigapascals"], "bar": ["bar", "bars"], "mbar": ["mbar", "millibars"],
    "atm": ["atm", "atmospheres"], "mmHg": ["mmHg", "torr"], "psi": ["psi", "lbf/in2"], "inHg": ["inHg", "inches of mercury"],
    "J": ["J", "joules", "joule"], "kJ": ["kJ", "kilojoules"], "MJ": ["MJ", "megajoules"],
    "kWh": ["kWh", "kilowatt hours", "kW h", "kW·h"], "Wh": ["Wh", "watt hours"], "calIT": ["cal (IT)"],
    "calth": ["cal (th)"], "kcalIT": ["kcal (IT)"], "kcalth": ["kcal (th)"], "BtuIT": ["Btu (IT)"],
    "therm": ["therms", "therm"], "eV": ["eV", "electronvolts"], "keV": ["keV"],
    "W": ["W", "watts", "watt"], "kW": ["kW", "kilowatts"], "MW": ["MW", "megawatts"], "mW": ["mW", "milliwatts"],
    "hpM": ["PS", "metric horsepower"], "hpI": ["bhp", "hp (550 ft-lbf/s)"],
    "N": ["N", "newtons"], "kN": ["kN", "kilonewtons"], "lbf": ["lbf", "pounds-force", "pound force"], "kgf": ["kgf", "kilopond"],
    "s": ["s", "seconds", "sec", "secs"], "ms": ["ms", "milliseconds"], "us": ["µs", "μs", "us", "microseconds"],
    "ns": ["ns", "nanoseconds"], "min": ["min", "minutes", "mins"], "h": ["h", "hours", "hr", "hrs"],
    "d": ["d", "days", "day"], "wk": ["weeks", "wk"], "yr": ["years", "yr"],
    "Hz": ["Hz", "hertz"], "kHz": ["kHz"], "MHz": ["MHz", "megahertz"], "GHz": ["GHz", "gigahertz"], "rpm": ["rpm", "RPM"],
    "deg": ["deg", "degrees", "°"], "rad": ["rad", "radians"], "arcmin": ["arcmin", "arcminutes"], "turn": ["turns"],
    "byte": ["bytes", "B"], "bit": ["bits"], "KiB": ["KiB"], "MiB": ["MiB"], "GiB": ["GiB"],
}

# Pairs asked about, with a value each: (from, into, value).
PAIRS = [
    ("km", "mi", "5"), ("mi", "km", "26.2"), ("m", "ft", "100"), ("ft", "m", "10"), ("in", "cm", "12"),
    ("cm", "in", "30"), ("mm", "in", "25"), ("yd", "m", "100"), ("nmi", "km", "1"), ("mi", "nmi", "1"),
    ("um", "nm", "0.5"), ("nm", "um", "500"), ("mil", "mm", "10"), ("hand", "cm", "16"), ("ft", "in", "6"),
    ("kg", "lb", "10"), ("lb", "kg", "150"), ("g", "oz", "100"), ("oz", "g", "8"), ("st", "kg", "12"),
    ("kg", "st", "70"), ("mg", "gr", "500"), ("ct", "g", "2"), ("shortton", "t", "1"), ("longton", "kg", "1"),
    ("t", "lb", "2"), ("ug", "mg", "250"), ("g", "lb", "500"),
    ("acre", "m2", "1"), ("ha", "acre", "2"), ("km2", "mi2", "1"), ("ft2", "m2", "1000"), ("m2", "ft2", "50"),
    ("in2", "cm2", "1"), ("yd2", "m2", "10"), ("km2", "ha", "3"), ("km2", "acre", "1"),
    ("L", "usgal", "10"), ("usgal", "L", "5"), ("ukgal", "L", "1"), ("mL", "usfloz", "250"), ("cup", "mL", "1"),
    ("tbsp", "mL", "3"), ("tsp", "mL", "2"), ("ft3", "L", "1"), ("m3", "L", "2"), ("cm3", "mL", "750"),
    ("in3", "cm3", "1"), ("hL", "usgal", "1"), ("cL", "mL", "33"), ("uspt", "mL", "1"), ("ukpt", "L", "2"),
    ("usqt", "L", "1"), ("dL", "cup", "5"), ("ukfloz", "mL", "10"),
    ("mph", "km/h", "60"), ("km/h", "mph", "100"), ("m/s", "km/h", "10"), ("kn", "km/h", "20"), ("ft/s", "m/s", "3"),
    ("mph", "m/s", "30"),
    ("psi", "kPa", "32"), ("bar", "psi", "2.2"), ("atm", "Pa", "1"), ("mmHg", "kPa", "120"), ("inHg", "hPa", "29.92"),
    ("GPa", "psi", "200"), ("hPa", "mbar", "1013"), ("MPa", "psi", "1"), ("atm", "mmHg", "1"),
    ("kWh", "MJ", "1"), ("calIT", "J", "1"), ("kcalth", "kJ", "1"), ("BtuIT", "J", "1"), ("therm", "kWh", "1"),
    ("Wh", "J", "10"), ("eV", "J", "1"), ("keV", "eV", "1"), ("kJ", "kcalIT", "100"), ("MJ", "kWh", "3.6"),
    ("kW", "hpM", "5"), ("hpI", "W", "1"), ("W", "mW", "2"), ("MW", "kW", "1.5"), ("hpM", "kW", "100"),
    ("N", "lbf", "100"), ("lbf", "N", "1"), ("kN", "kgf", "1"), ("kgf", "N", "5"),
    ("h", "min", "2.5"), ("min", "s", "90"), ("d", "h", "3"), ("wk", "d", "2"), ("yr", "d", "1"), ("us", "ns", "1"),
    ("ms", "s", "1500"), ("s", "h", "7200"), ("h", "d", "36"),
    ("GHz", "MHz", "2.4"), ("kHz", "Hz", "44.1"), ("rpm", "Hz", "3000"), ("MHz", "kHz", "1"),
    ("deg", "rad", "180"), ("rad", "deg", "1"), ("turn", "deg", "2"), ("arcmin", "deg", "30"),
    ("GiB", "MiB", "1"), ("byte", "bit", "1"), ("KiB", "byte", "4"),
]

FORMS = [
    "{v} {a} to {b}", "{v} {a} in {b}", "{v}{a} into {b}", "{v} {a} -> {b}", "{v} {a} = {b}",
    "convert {v} {a} to {b}", "what is {v} {a} in {b}?", "{v} {a} as {b}",
]

TEMPERATURES = [
    ("100C to F", "212"), ("100 °C in °F", "212"), ("-40 °F in °C", "-40"), ("−40 C to F", "-40"),
    ("98.6 F to C", "37"), ("0 C in K", "273.15"), ("300 K to C", "26.85"), ("32 degF in degC", "0"),
    ("20 ºC to F", "68"), ("451 degrees Fahrenheit in Celsius", "232.7777777777778"),
    ("180 deg C to deg F", "356"), ("25 celsius in fahrenheit", "77"), ("0 K to °F", "-459.67"),
    ("491.67 °R in K", "273.15"), ("10 C in K", "283.15"), ("1 mK in K", "0.001"),
]

COMPOUND = [
    ("6 ft 2 in to cm", [(6 * FT + 2 * IN) / F(1, 100)]),
    ("5'11\" in cm", [(5 * FT + 11 * IN) / F(1, 100)]),
    ("5′11″ in cm", [(5 * FT + 11 * IN) / F(1, 100)]),
    ("5' 11\" in m", [(5 * FT + 11 * IN)]),
    ("1 lb 4 oz in kg", [(LB + 4 * LB / 16)]),
    ("10 st 4 lb in kg", [(144 * LB)]),
    ("1 h 30 min in min", [F(90)]),
    ("2 h 15 min to s", [F(8100)]),
    ("1 mi 200 yd in m", [MI + 200 * YD]),
    ("170 cm in ft+in", [F(5), (F(170, 100) - 5 * FT) / IN]),
    ("170 cm in feet and inches", [F(5), (F(170, 100) - 5 * FT) / IN]),
    ("180 cm in ft in", [F(5), (F("1.8") - 5 * FT) / IN]),
    ("3.2 kg in lb oz", [F(7), (F("3.2") - 7 * LB) / (LB / 16)]),
    ("100 min in h min", [F(1), F(40)]),
    ("80 kg in st lb", [F(12), (80 - 12 * 14 * LB) / LB]),
    ("1.5 m in ft + in", [F(4), (F("1.5") - 4 * FT) / IN]),
]

NUMBERS = [
    ("1/2 in to mm", "in", "mm", F(1, 2)), ("3/4 in in mm", "in", "mm", F(3, 4)),
    ("1 1/2 cups in mL", "cup", "mL", F(3, 2)), ("½ cup to mL", "cup", "mL", F(1, 2)),
    ("1½ lb to g", "lb", "g", F(3, 2)), ("¾ in in cm", "in", "cm", F(3, 4)),
    ("1,000 ft to m", "ft", "m", F(1000)), ("12,345,678 m to km", "m", "km", F(12345678)),
    ("1e3 m in km", "m", "km", F(1000)), ("2.5E-3 km in m", "km", "m", F(25, 10000)),
    ("10kg in lbs", "kg", "lb", F(10)), ("5km to mi", "km", "mi", F(5)), ("100mph to km/h", "mph", "km/h", F(100)),
    (".5 mi in m", "mi", "m", F(1, 2)), ("−5 ft to m", "ft", "m", F(-5)), ("+3 in to cm", "in", "cm", F(3)),
    ("1.5×10^3 m in km", "m", "km", F(1500)), ("2x10^-3 m in mm", "m", "mm", F(2, 1000)),
    ("how many feet in a mile", "mi", "ft", F(1)), ("how many ounces in a pound", "lb", "oz", F(1)),
    ("how many cm are in an inch", "in", "cm", F(1)), ("how many mL in 3 tbsp", "tbsp", "mL", F(3)),
    ("how many seconds in a day", "d", "s", F(1)), ("how many grams in 2 lb?", "lb", "g", F(2)),
    ("convert 5 mi to km", "mi", "km", F(5)), ("what is 5 mi in km", "mi", "km", F(5)),
    ("what's 10 kg in lb", "kg", "lb", F(10)), ("5 mi→km", "mi", "km", F(5)), ("10 ft => m", "ft", "m", F(10)),
    ("1 in = cm", "in", "cm", F(1)), ("2 hectares in acres", "ha", "acre", F(2)), ("1 lb oz", "lb", "oz", F(1)),
]

AMBIGUOUS = [
    ("1 gal to L", [USGAL / F(1, 1000), UKGAL / F(1, 1000)]),
    ("12 fl oz to L", [12 * USFLOZ / F(1, 1000), 12 * UKFLOZ / F(1, 1000)]),
    ("1 bbl to L", [42 * USGAL * 1000, 7056 * IN**3 * 1000, 36 * UKGAL * 1000]),
    ("1 pint in mL", [USGAL / 8 * 10**6, UKGAL / 8 * 10**6]),
    ("1 quart to L", [USGAL / 4 * 1000, UKGAL / 4 * 1000]),
    ("1 hp in W", [75 * G0, 550 * FT * LBF]),
    ("1 cal in J", [F("4.1868"), F("4.184")]),
    ("1 Btu to kJ", [BTU / 1000, BTU * F("4.184") / F("4.1868") / 1000]),
    ("1 ton in kg", [F(1000), 2240 * LB, 2000 * LB]),
    ("1 bushel in L", [F("2150.42") * IN**3 * 1000, 8 * UKGAL * 1000]),
    ("1 cwt in lb", [F(100), F(112)]),
    ("100 kg in cwt", [100 / (100 * LB), 100 / (112 * LB)]),
]

NONE = [
    "firefox", "firefox web browser", "2+2", "hello world", "5", "mi in m", "1 x y", "how are you",
    "10 apples in oranges", "12:30", "the 3 musketeers", "5 mi", "calculator", "",
]


def num(x):
    return format(float(x), ".12g")


def main():
    rows = []
    for a, b, v in PAIRS:
        factor = UNITS[a] / UNITS[b]
        expected = num(F(v) * factor)
        names_a, names_b = NAMES[a], NAMES[b]
        for k, form in enumerate(FORMS[:4]):
            na = names_a[k % len(names_a)]
            nb = names_b[(k + 1) % len(names_b)]
            # A glued value needs a unit that starts with a letter, and quote marks stand for
            # heights only after a number.
            if "{v}{a}" in form and not na[0].isalpha():
                form = "{v} {a} in {b}"
            rows.append((form.format(v=v, a=na, b=nb), expected))
    for i, (a, b, v) in enumerate(PAIRS):
        form = FORMS[5 + i % 3]
        rows.append((form.format(v=v, a=NAMES[a][0], b=NAMES[b][-1]), num(F(v) * UNITS[a] / UNITS[b])))
    for text, expected in TEMPERATURES:
        rows.append((text, num(F(expected))))
    for text, parts in COMPOUND:
        rows.append((text, ", ".join(num(p) for p in parts)))
    for text, a, b, value in NUMBERS:
        rows.append((text, num(value * UNITS[a] / UNITS[b])))
    for text, answers in AMBIGUOUS:
        rows.append((text, "; ".join(num(x) for x in answers)))
    for text in NONE:
        rows.append((text if text else '""', "-"))
    out = ["# Everyday questions and their answers from the units' definitions (written by",
           "# make_queries.py: exact fractions, 12 significant figures). \"expected\": the numbers of each",
           "# answer, \",\" between the parts of a compound answer, \";\" between answers, \"-\" for no answer.",
           "columns: query | expected"]
    out += [f"{q} | {e}" for q, e in rows]
    (HERE / "queries.txt").write_text("\n".join(out) + "\n", encoding="utf-8")
    print(len(rows), "rows")


main()
