#!/usr/bin/env python3
"""Subsets the page's Japanese faces to the characters the lesson shows.

The characters are every u"…" literal of the core's sources (the folders
given with --texts) and the ASCII digits the figure's description writes
numbers with: a text added to the core is covered at the next build, and no
list of characters is kept by hand. Each face is cut to them with
pyftsubset (fontTools) as WOFF2, and OUT is JSON: {characters, faces:
[{family, weight, woff2 (base64)}]}, family and weight read from the face
itself. The page builder embeds the faces.
"""

import argparse
import base64
import json
import re
import sys
import tempfile
from pathlib import Path

from fontTools import subset
from fontTools.ttLib import TTFont

# A UTF-16 literal of C++, not one that only ends in u (mu"…" is no literal).
LITERAL = re.compile(r'(?<![A-Za-z0-9_])u"((?:[^"\\\n]|\\.)*)"')
ESCAPE = re.compile(r'\\(u[0-9a-fA-F]{4}|U[0-9a-fA-F]{8}|.)')
SIMPLE_ESCAPES = {'"': '"', "\\": "\\", "'": "'", "n": "\n", "t": "\t", "?": "?"}
DIGITS = "0123456789"
VERTICAL_FEATURES = "vert,vrt2,vkna,vhal,vpal,valt,vkrn"
# Without the hints: they are over a third of a subset, and would take the
# page past its size. Chromium and Firefox draw the same pixels without
# them; WebKit shades the glyphs' edges a little otherwise, in the same places.
HINTING = "--no-hinting"


def unescape(body, where):
    def one(m):
        e = m.group(1)
        if e[0] in "uU" and len(e) > 1:
            return chr(int(e[1:], 16))
        if e in SIMPLE_ESCAPES:
            return SIMPLE_ESCAPES[e]
        sys.exit(f"subset-fonts: {where}: escape \\{e} not understood")
    return ESCAPE.sub(one, body)


def lesson_characters(folders):
    chars = set(DIGITS)
    for folder in folders:
        for path in sorted(folder.iterdir()):
            if path.suffix not in (".h", ".cpp"):
                continue
            for m in LITERAL.finditer(path.read_text(encoding="utf-8")):
                chars |= set(unescape(m.group(1), path.name))
    # Line breaks and tabs are no glyphs.
    return "".join(sorted(c for c in chars if c >= " "))


def family_and_weight(font):
    names = font["name"]
    # The typographic family where the face has one, else the legacy one.
    family = names.getDebugName(16) or names.getDebugName(1)
    return family, font["OS/2"].usWeightClass


def subset_face(path, text, work):
    out = work / (path.stem + ".woff2")
    text_file = work / "text.txt"
    text_file.write_text(text, encoding="utf-8")
    # The page writes only across: the vertical forms and metrics go, and
    # with them a quarter of the glyphs. Every name is kept: the copyright
    # and the licence travel with the face.
    subset.main([str(path), f"--text-file={text_file}", "--flavor=woff2", HINTING,
                 f"--layout-features-={VERTICAL_FEATURES}", "--drop-tables+=vhea,vmtx,meta",
                 "--name-IDs=*", "--name-languages=*", f"--output-file={out}"])
    return out.read_bytes()


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--texts", required=True, nargs="+", type=Path, help="the core's source folders")
    ap.add_argument("--face", required=True, action="append", type=Path, help="a TrueType or OpenType face")
    ap.add_argument("--out", required=True, type=Path)
    args = ap.parse_args()

    text = lesson_characters(args.texts)
    faces = []
    with tempfile.TemporaryDirectory() as tmp:
        for path in args.face:
            family, weight = family_and_weight(TTFont(path, lazy=True))
            data = subset_face(path, text, Path(tmp))
            faces.append({"family": family, "weight": weight, "woff2": base64.b64encode(data).decode("ascii")})
    args.out.write_text(json.dumps({"characters": text, "faces": faces}, ensure_ascii=False, indent=1),
                        encoding="utf-8")


if __name__ == "__main__":
    main()
