#!/usr/bin/python3
"""Makes the page's fonts from Debian's Liberation faces: Sans regular and bold,
which stand for Arial and MS Sans Serif as they do on Linux, and Serif italic
for the caption of the window picture; each cut down to the letters the page
shows, as WOFF2, so that every text measures the same on every system.

    subset-fonts.py PAGE_DATA.json PICTURE.svg OUT_DIR

Needs python3-fonttools, python3-brotli and fonts-liberation2.
"""
import json
import re
import sys
from pathlib import Path

from fontTools import subset

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools"))
from debian_fonts import LIBERATION  # noqa: E402


def strings(value):
    if isinstance(value, str):
        yield value
    elif isinstance(value, dict):
        for item in value.values():
            yield from strings(item)
    elif isinstance(value, list):
        for item in value:
            yield from strings(item)


def cut(source, text, out):
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern", "liga"]
    options.name_IDs = []
    options.notdef_outline = True
    options.hinting = False
    options.drop_tables += ["FFTM"]
    options.desubroutinize = True
    font = subset.load_font(str(LIBERATION / source), options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text="".join(sorted(set(text))))
    subsetter.subset(font)
    subset.save_font(font, str(out), options)


def main():
    data_path, picture_path, out_dir = sys.argv[1:4]
    out = Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    data = json.loads(Path(data_path).read_text(encoding="utf-8"))
    sans = "".join(strings(data)) + " "
    caption = "".join(re.findall(r"<text[^>]*>([^<]*)</text>",
                                 Path(picture_path).read_text(encoding="utf-8")))
    cut("LiberationSans-Regular.ttf", sans, out / "sans-regular.woff2")
    cut("LiberationSans-Bold.ttf", sans, out / "sans-bold.woff2")
    cut("LiberationSerif-Italic.ttf", caption, out / "serif-italic.woff2")


if __name__ == "__main__":
    main()
