#!/usr/bin/python3
"""Measures the core's colour schemes against what each promises.

usage: check_schemes.py DUMP_PROGRAM [--table FILE.md]

DUMP_PROGRAM prints the schemes (dump_schemes.cpp). Each rule below names
the schemes it binds, a measure, the colours it pairs and the least value;
a colour below its least value fails the run. Colour-vision types are
simulated after Machado et al. (2009) at severity 100; differences are
CIEDE2000, contrast is the WCAG luminance ratio. --table also writes every
figure as markdown.
"""
import itertools
import subprocess
import sys

try:
    import numpy as np
    from colorspacious import cspace_convert
except ImportError as missing:
    # 77: skipped, which only the core-only tree of `make check` accepts.
    print(f"check_schemes.py: skipped: no Python module {missing.name} (Debian: python3-colorspacious)")
    sys.exit(77)

ROLES = {"pen3": "background", "pen9": "outline △APM", "pen10": "outline △BQM",
         "pen12": "n, conclusion marks", "pen14": "hypothesis marks",
         "pen15": "lines, labels, angle marks, sentence"}
PAIRS = list(itertools.combinations(ROLES, 2))
MARKS = [(p, "pen3") for p in ("pen9", "pen10", "pen12", "pen14")]
VISIONS = {"normal": None, "protan": "protanomaly", "deutan": "deuteranomaly", "tritan": "tritanomaly"}
FRAME = [("frameShadow", "window"), ("frameLight", "window"), ("focus", "window")]
FOCUS = [("focus", "frameShadow"), ("focus", "frameLight")]
BLACK, WHITE, YELLOW = (0, 0, 0), (255, 255, 255), (255, 255, 0)
NEW = ("cud", "white-on-black", "yellow-on-black", "paper")
ON_BLACK = ("white-on-black", "yellow-on-black")

RULES = [(("cud",), "dE " + v, PAIRS + FOCUS, 20) for v in VISIONS] + [
    (("cud",), "contrast", MARKS, 3),
    (("cud",), "contrast", [("pen15", "pen3"), ("labelText", "window")], 4.5),
    (ON_BLACK, "same", [("pen3", BLACK), ("window", BLACK)], 1),
    (ON_BLACK, "contrast", MARKS + [("pen15", "pen3"), ("labelText", "window")], 7),
    (ON_BLACK, "dE normal", PAIRS, 20),
    (("white-on-black",), "same", [("pen15", WHITE)], 1),
    (("yellow-on-black",), "same", [("pen15", YELLOW)], 1),
    (("paper",), "same", [("pen3", WHITE), ("window", WHITE), ("pen15", BLACK)], 1),
    (("paper",), "dL*", PAIRS, 15),
    (NEW, "contrast", FRAME, 3),
    (NEW, "dE normal", FOCUS, 20),
]


def read_schemes(program):
    schemes = {}
    for line in subprocess.run([program], check=True, capture_output=True, text=True).stdout.splitlines():
        name, key, *rgb = line.split()
        schemes.setdefault(name, {})[key] = tuple(int(c) for c in rgb)
    return schemes


def lab(rgb, vision="normal"):
    x = np.asarray(rgb, float) / 255
    if VISIONS[vision]:
        x = np.clip(cspace_convert(x, {"name": "sRGB1+CVD", "cvd_type": VISIONS[vision], "severity": 100}, "sRGB1"), 0, 1)
    return cspace_convert(x, "sRGB1", "CIELab")


def de2000(lab1, lab2):
    (L1, a1, b1), (L2, a2, b2) = np.moveaxis(lab1, -1, 0), np.moveaxis(lab2, -1, 0)
    cbar7 = ((np.hypot(a1, b1) + np.hypot(a2, b2)) / 2) ** 7
    g = 0.5 * (1 - np.sqrt(cbar7 / (cbar7 + 25.0 ** 7)))
    a1, a2 = a1 * (1 + g), a2 * (1 + g)
    c1, c2 = np.hypot(a1, b1), np.hypot(a2, b2)
    h1, h2 = np.degrees(np.arctan2(b1, a1)) % 360, np.degrees(np.arctan2(b2, a2)) % 360
    dh = np.where(c1 * c2 == 0, 0, (h2 - h1 + 180) % 360 - 180)
    dH = 2 * np.sqrt(c1 * c2) * np.sin(np.radians(dh / 2))
    Lm, Cm = (L1 + L2) / 2, (c1 + c2) / 2
    hm = np.where(c1 * c2 == 0, h1 + h2, (h1 + h2) / 2 + np.where(abs(h1 - h2) > 180, 180, 0)) % 360
    t = (1 - 0.17 * np.cos(np.radians(hm - 30)) + 0.24 * np.cos(np.radians(2 * hm))
         + 0.32 * np.cos(np.radians(3 * hm + 6)) - 0.20 * np.cos(np.radians(4 * hm - 63)))
    sl = 1 + 0.015 * (Lm - 50) ** 2 / np.sqrt(20 + (Lm - 50) ** 2)
    sc, sh = 1 + 0.045 * Cm, 1 + 0.015 * Cm * t
    rt = (-2 * np.sqrt(Cm ** 7 / (Cm ** 7 + 25.0 ** 7))
          * np.sin(np.radians(60 * np.exp(-(((hm - 275) / 25) ** 2)))))
    return np.sqrt(((L2 - L1) / sl) ** 2 + ((c2 - c1) / sc) ** 2 + (dH / sh) ** 2
                   + rt * (c2 - c1) / sc * dH / sh)


def luminance(rgb):
    c = np.asarray(rgb, float) / 255
    return np.dot(np.where(c <= 0.04045, c / 12.92, ((c + 0.055) / 1.055) ** 2.4), [0.2126, 0.7152, 0.0722])


def measure(kind, a, b):
    if kind == "same":
        return float(a == b)
    if kind == "contrast":
        ya, yb = sorted((luminance(a), luminance(b)))
        return (yb + 0.05) / (ya + 0.05)
    if kind == "dL*":
        return abs(lab(a)[0] - lab(b)[0])
    return float(de2000(lab(a, kind[3:]), lab(b, kind[3:])))


def failures(schemes):
    for names, kind, pairs, least in RULES:
        for name, (a, b) in itertools.product(names, pairs):
            s = schemes[name]
            value = measure(kind, s[a], s[b] if isinstance(b, str) else b)
            if value < least:
                yield f"{name}: {kind} of {a} and {b} is {value:.2f}, below {least}"


def table(schemes):
    hex_ = lambda c: "#%02x%02x%02x" % c
    out = ["# Colours of the schemes, measured", "",
           "Generated by tests/colours/check_schemes.py --table. ΔE is CIEDE2000 after Machado (2009) "
           "simulation at severity 100; contrast is the WCAG ratio; L* is CIELAB lightness.", ""]
    for name, s in schemes.items():
        out += [f"## {name}", "", "| pen | draws | colour | L* | contrast to pen 3 |", "|---|---|---|---|---|"]
        out += [f"| {k[3:]} | {r} | {hex_(s[k])} | {lab(s[k])[0]:.1f} | {measure('contrast', s[k], s['pen3']):.2f} |"
                for k, r in ROLES.items()]
        out += ["", "| pair | " + " | ".join("ΔE " + v for v in VISIONS) + " | ΔL* |", "|---" * 6 + "|"]
        out += [f"| {a[3:]}–{b[3:]} | " + " | ".join(f"{measure('dE ' + v, s[a], s[b]):.1f}" for v in VISIONS)
                + f" | {measure('dL*', s[a], s[b]):.1f} |" for a, b in PAIRS]
        out += ["", "| window colour | colour | contrast to window | ΔE to focus (" + " / ".join(VISIONS) + ") |",
                "|---|---|---|---|"]
        out += [f"| {k} | {hex_(s[k])} | {measure('contrast', s[k], s['window']):.2f} | "
                + " / ".join(f"{measure('dE ' + v, s[k], s['focus']):.1f}" for v in VISIONS) + " |"
                for k in ("window", "labelText", "frameShadow", "frameLight", "focus") if k in s]
        out.append("")
    return "\n".join(out)


def main():
    schemes = read_schemes(sys.argv[1])
    if "--table" in sys.argv:
        with open(sys.argv[sys.argv.index("--table") + 1], "w", encoding="utf-8") as f:
            f.write(table(schemes))
    missing = sorted(set(NEW) - set(schemes))
    bad = [f"no scheme {n}" for n in missing] or list(failures(schemes))
    print("\n".join(bad) or f"every rule holds in {', '.join(NEW)}")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
