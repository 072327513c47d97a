#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
"""Writes the store's test fixtures. Run from anywhere; the output is committed, so the tests compare the
program's files against bytes made independently of its writer."""
import pathlib
import random

HERE = pathlib.Path(__file__).resolve().parent
CORPUS = HERE / "corpus"

DEFAULT_LINES = ["[Window]", "Top=1350", "Left=840", "ConstantsTop=1650", "ConstantsLeft=2500",
                 "Quantity=0", "Unit=0", "[Option]", "ShowTop=0", "Figure=6", "Form=0", "FaceColor=-1",
                 "TextColor=-1", "TextColor1=-1", "TextColor2=-1", "TextColor3=-1"]


def text(s):
    b = s.encode("cp1252")
    return len(b).to_bytes(2, "little") + b


def dat(groups):
    """groups: 20 entries of (name, [(unit, coef, offset)] * 10)."""
    out = bytearray()
    carry = ("", "")
    for name, units in groups:
        out += text(name) + text(carry[0]) + text(carry[1])
        for unit, coef, offset in units:
            out += text(unit) + text(coef) + text(offset)
        carry = (units[9][1], units[9][2])
    return bytes(out)


def empty_group():
    return ("", [("", "", "")] * 10)


def padded(units):
    return units + [("", "", "")] * (10 - len(units))


def cp1252_groups():
    g = [empty_group() for _ in range(20)]
    g[0] = ("Fläche m²", padded([("µm²", "1e-12", ""), ("Å³", "1E-30", "")])[:9] + [("örsted", "79.5", "0")])
    g[1] = ("Temperatur °", padded([("°C", "1", "273.15"), ("°F", "0.5555555555555556", "459.67")]))
    g[19] = ("Last group", padded([(" unit 0 ", "+2.5", "-1.25e+2")]))
    return g


def write(path, data):
    path.write_bytes(data)


def corpus():
    rnd = random.Random(1234)
    full = dat(cp1252_groups())
    cfg = ("\r\n".join(DEFAULT_LINES) + "\r\n").encode()
    files = {
        "empty": b"",
        "one-byte": b"\x07",
        "dat-cut-in-length": full[:1],
        "dat-cut-group5": full[: len(dat(cp1252_groups()[:5])) + 9],
        "dat-len-65535-near-end": full[:-40] + b"\xff\xff" + b"x" * 30,
        "dat-all-ff": b"\xff" * 4096,
        "dat-all-zero": b"\x00" * 2000,
        "dat-tail-after-records": full + b"\x05\x00stale tail of an older file",
        "cfg-15-lines": ("\r\n".join(DEFAULT_LINES[:15]) + "\r\n").encode(),
        "cfg-top-40000": cfg.replace(b"Top=1350", b"Top=40000"),
        "cfg-top-1e400": cfg.replace(b"Top=1350", b"Top=1e400"),
        "cfg-figure-huge-exponent": cfg.replace(b"Figure=6", b"Figure=1e-99999"),
        "cfg-lf-only": cfg.replace(b"\r\n", b"\n"),
        "cfg-cr-only": cfg.replace(b"\r\n", b"\r"),
        "cfg-no-equals": cfg.replace(b"Left=840", b"Left 840"),
        "cfg-quantity-999": cfg.replace(b"Quantity=0", b"Quantity=999"),
        "cfg-nul-bytes": cfg.replace(b"FaceColor=-1", b"FaceColor=\x00-1\x00"),
        "cfg-high-bytes": cfg.replace(b"TextColor=-1", bytes(range(0x80, 0x100))),
        "cfg-long-line": cfg.replace(b"TextColor3=-1", b"TextColor3=" + b"9" * 70000),
        "cfg-only-newlines": b"\n" * 16,
        "cfg-signs-and-dots": cfg.replace(b"Top=1350", b"Top=+-1.2.3e+e5"),
    }
    for i in range(6):
        files[f"garbage-{i}"] = bytes(rnd.randrange(256) for _ in range(rnd.choice([17, 300, 1500, 5000])))
    # A DAT whose records all claim long texts, so a careless reader runs off the end.
    files["dat-long-claims"] = b"".join(rnd.randrange(200, 65536).to_bytes(2, "little") + b"ab" for _ in range(700))
    CORPUS.mkdir(exist_ok=True)
    for name, data in files.items():
        write(CORPUS / name, data)


def main():
    write(HERE / "defaults.cfg", ("\r\n".join(DEFAULT_LINES) + "\r\n").encode("cp1252"))
    write(HERE / "empty.dat", dat([empty_group() for _ in range(20)]))
    write(HERE / "cp1252.dat", dat(cp1252_groups()))
    corpus()


if __name__ == "__main__":
    main()
