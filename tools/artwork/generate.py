#!/usr/bin/env python3
"""Draws all of Vanu Logo Manager's artwork and writes it into assets/.

Usage: generate.py [--out DIR] [--check] [NAME ...]

Without names everything is drawn; a name is the stem of one output file
(for example VanuBoot, granite, program). The output is the same on every run,
so --check can confirm that the committed files are what this script draws.
"""

import argparse
import filecmp
import os
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # keep the source folder free of caches

import icons      # noqa: E402
import screens    # noqa: E402
import textures   # noqa: E402
from fileformats import write_bmp, write_xpm  # noqa: E402


def screen_job(fn):
    def run(path):
        result = fn()
        pal, idx = result[0], result[1]
        important = result[2] if len(result) > 2 else 0
        write_bmp(path, screens.W, screens.H, 8, pal, idx, important)
    return run


def texture_job(fn, width, height, bits):
    def run(path):
        pal, idx = fn()
        write_bmp(path, width, height, bits, pal, idx)
    return run


def icon_job(name):
    def run(path):
        rows, legend, hotspot = icons.ICONS[name]
        write_xpm(path, f"{name}_xpm", rows, legend, hotspot)
    return run


JOBS = [
    ("VanuBoot.bmp", screen_job(screens.boot_screen)),
    ("VanuWait.bmp", screen_job(screens.wait_screen)),
    ("VanuShut.bmp", screen_job(screens.shut_screen)),
    ("Roreror.bmp", screen_job(screens.roreror_screen)),
    ("textures/leaves.bmp", texture_job(textures.leaves, 200, 150, 4)),
    ("textures/granite.bmp", texture_job(textures.granite, 101, 101, 8)),
    ("textures/marble.bmp", texture_job(textures.marble, 64, 64, 8)),
    ("textures/bricks.bmp", texture_job(textures.bricks, 61, 61, 8)),
] + [(f"icons/{name}.xpm", icon_job(name)) for name in icons.ICONS]


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=os.path.normpath(os.path.join(HERE, "..", "..", "assets")),
                    help="the assets folder to write into (default: the project's)")
    ap.add_argument("--check", action="store_true",
                    help="draw into a scratch folder and compare with --out instead of writing")
    ap.add_argument("names", nargs="*", help="draw only these (file stems)")
    args = ap.parse_args()

    wanted = set(args.names)
    known = {os.path.splitext(os.path.basename(p))[0] for p, _ in JOBS}
    unknown = wanted - known
    if unknown:
        ap.error(f"unknown names: {', '.join(sorted(unknown))}; known: {', '.join(sorted(known))}")

    scratch = tempfile.TemporaryDirectory() if args.check else None
    target = scratch.name if scratch else args.out
    differ = []
    for rel, job in JOBS:
        stem = os.path.splitext(os.path.basename(rel))[0]
        if wanted and stem not in wanted:
            continue
        path = os.path.join(target, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        started = time.monotonic()
        job(path)
        note = ""
        if scratch:
            committed = os.path.join(args.out, rel)
            same = os.path.exists(committed) and filecmp.cmp(path, committed, shallow=False)
            note = "  same" if same else "  DIFFERS"
            if not same:
                differ.append(rel)
        print(f"{rel}  ({time.monotonic() - started:.1f} s){note}")
    if differ:
        sys.exit(f"{len(differ)} file(s) differ from what the script draws")


if __name__ == "__main__":
    main()
