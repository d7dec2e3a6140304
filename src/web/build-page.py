#!/usr/bin/env python3
"""Builds the lesson's page from the WebAssembly core and the page's parts.

Writes OUT/godojoken.html, one self-contained file (the core with its wasm,
the page's script and style inlined) that runs from any web server, from
file:// and with no network, and OUT/site/, the same page as index.html with a
web-app manifest, icons and a service worker, to be served and installed.
With --testing HOOKS, the same from a test build of the core, its script
started from the module HOOKS, which imports the page's and listens for the
event the page sends when it has started: what the browser suites test.
The faces of --faces (subset-fonts.py's) are embedded in the script, each
under a family name of its own, so that no face of the device's stands in
for them, with the family of the core's that each one is; the page adds a
face to the document when its window first asks for it.
The Content-Security-Policy of both allows exactly the inlined script and
style (by their hashes), the embedded faces and WebAssembly, and no
connection at all.
"""

import argparse
import base64
import hashlib
import html
import json
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

# The page's script: the module that starts it, and the modules it imports.
ENTRY = "lesson_page.js"
# The module of the embedded faces that the builder writes beside them:
# { core's family: { name: embedded family, faces: [{ weight, woff2 }] } }.
FACES_MODULE = "embedded_faces.js"
# The embedded faces' own names: the face's family after it.
EMBEDDED_PREFIX = "godojoken "


def desktop_entry(path):
    """Name[ja] and Comment[ja] of the desktop entry: the app's name and description.

    Only the [Desktop Entry] group counts: the groups of its actions after it
    have names of their own."""
    fields = {}
    group = None
    for line in path.read_text(encoding="utf-8").splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            group = line[1:-1]
            continue
        key, sep, value = line.partition("=")
        if sep and group == "Desktop Entry":
            fields[key.strip()] = value.strip()
    return fields["Name[ja]"], fields["Comment[ja]"]


def inline_safe(text, what):
    """An inlined script or style must not end its element early."""
    for bad in ("</script", "<!--", "</style"):
        if bad in text.lower():
            sys.exit(f"build-page: {what} contains {bad!r} and cannot be inlined")
    return text


def csp_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


def fill(template, values):
    """Replaces each @NAME@ once; inserted text is not scanned again."""
    def one(m):
        if m.group(1) not in values:
            sys.exit(f"build-page: no value for @{m.group(1)}@")
        return values[m.group(1)]
    return re.sub(r"@([A-Z]+)@", one, template)


def page(template, title, core, script, style, served):
    hashes = " ".join([csp_hash(core), csp_hash(script)])
    # The served copy loads its manifest, icons and worker from its own
    # origin. The manifest is allowed through default-src: WebKit does not
    # know manifest-src and reports it as an error on every load, while the
    # other engines fall back to default-src for it.
    policy = [
        "default-src 'self'" if served else "default-src 'none'",
        f"script-src {hashes} 'wasm-unsafe-eval'",
        f"style-src {csp_hash(style)}",
        "connect-src 'none'",
        # The figure's PNG is drawn from its SVG, as an image of a Blob.
        "img-src 'self' blob:" if served else "img-src blob:",
        "font-src data:",
        "object-src 'none'",
        "frame-src 'none'",
        "base-uri 'none'",
        "form-action 'none'",
    ]
    links = ""
    if served:
        policy += ["worker-src 'self'"]
        links = ('<link rel="manifest" href="manifest.webmanifest">\n'
                 '<link rel="icon" href="icon.svg" type="image/svg+xml">\n'
                 '<link rel="apple-touch-icon" href="icon-192.png">')
    return fill(template, {
        "CSP": html.escape("; ".join(policy)),
        "TITLE": html.escape(title),
        "LINKS": links,
        "STYLE": style,
        "CORE": core,
        "SCRIPT": script,
    })


def embedded_faces(path):
    """The subset faces by the family of the core's they stand for."""
    families = {}
    for f in json.loads(path.read_text(encoding="utf-8"))["faces"]:
        family = families.setdefault(f["family"], {"name": EMBEDDED_PREFIX + f["family"], "faces": []})
        family["faces"].append({"weight": f["weight"], "woff2": f["woff2"]})
    return families


# esbuild minifies: the comments and the layout are for the reader of the
# source, and the page carries its every byte to each device.
ESBUILD = ["esbuild", "--minify", "--charset=utf8", "--log-level=warning"]


def minified_style(text):
    return subprocess.run(ESBUILD + ["--loader=css"], input=text, check=True, capture_output=True,
                          text=True).stdout


def bundled_script(src, entry, faces):
    """The module `entry` of the folder `src` and every module it imports, as
    one script: esbuild's bundle, with the faces' module written beside them."""
    with tempfile.TemporaryDirectory() as tmp:
        work = Path(tmp)
        for module in src.glob("*.js"):
            shutil.copy(module, work)
        (work / FACES_MODULE).write_text("export const EMBEDDED_FACES = " + json.dumps(faces, ensure_ascii=False)
                                         + ";\n", encoding="utf-8")
        return subprocess.run(ESBUILD + ["--bundle", "--format=iife", str(work / entry.name)], check=True,
                              capture_output=True, text=True).stdout


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--core", required=True, type=Path, help="core.js from emcc (SINGLE_FILE)")
    ap.add_argument("--src", required=True, type=Path, help="the folder of the page's parts")
    ap.add_argument("--icon", required=True, type=Path, help="the app's SVG icon")
    ap.add_argument("--desktop-entry", required=True, type=Path, help="the app's desktop entry")
    ap.add_argument("--out", required=True, type=Path)
    ap.add_argument("--testing", type=Path, help="the test build's module of hooks, for a core built with them")
    ap.add_argument("--faces", required=True, type=Path, help="the subset faces, from subset-fonts.py")
    args = ap.parse_args()

    name, description = desktop_entry(args.desktop_entry)
    template = (args.src / "page.html").read_text(encoding="utf-8")
    families = embedded_faces(args.faces)
    style = inline_safe(minified_style((args.src / "page.css").read_text(encoding="utf-8")), "page.css")
    core = inline_safe(args.core.read_text(encoding="utf-8"), args.core.name)
    # The test build starts from its hooks' module, which imports the page.
    entry = args.testing if args.testing else args.src / ENTRY
    script = inline_safe(bundled_script(args.src, entry, families), "the page's script")

    args.out.mkdir(parents=True, exist_ok=True)
    (args.out / "godojoken.html").write_text(page(template, name, core, script, style, False), encoding="utf-8")

    site = args.out / "site"
    site.mkdir(exist_ok=True)
    files = {
        "index.html": page(template, name, core, script, style, True).encode("utf-8"),
        "manifest.webmanifest": fill((args.src / "manifest.webmanifest").read_text(encoding="utf-8"), {
            "NAME": json.dumps(name, ensure_ascii=False)[1:-1],
            "DESCRIPTION": json.dumps(description, ensure_ascii=False)[1:-1],
        }).encode("utf-8"),
        "icon.svg": args.icon.read_bytes(),
    }
    for size in (192, 512):
        files[f"icon-{size}.png"] = subprocess.run(
            ["rsvg-convert", "-w", str(size), "-h", str(size), str(args.icon)],
            check=True, capture_output=True).stdout
    version = hashlib.sha256(b"".join(files[k] for k in sorted(files))).hexdigest()[:16]
    worker = fill((args.src / "service-worker.js").read_text(encoding="utf-8"), {
        "VERSION": version,
        "FILES": json.dumps(["./"] + sorted(files)),
    })
    files["service-worker.js"] = worker.encode("utf-8")
    for file_name, data in files.items():
        (site / file_name).write_bytes(data)


if __name__ == "__main__":
    main()
