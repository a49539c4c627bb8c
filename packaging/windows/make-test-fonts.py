#!/usr/bin/python3
"""Makes the faces the Windows layout asks for out of the free faces that the
Linux build uses in their place, for the tests under Wine only (nothing of
this ships): Arial from Liberation Sans, which has its metrics, and
Microsoft Sans Serif from Liberation Sans too, as the Linux build stands it
in for MS Sans Serif.
    make-test-fonts.py OUTPUT_DIR
"""
import pathlib
import sys

from fontTools.ttLib import TTFont

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))
from debian_fonts import LIBERATION  # noqa: E402

FACES = {
    "Arial": {
        "Regular": LIBERATION / "LiberationSans-Regular.ttf",
        "Bold": LIBERATION / "LiberationSans-Bold.ttf",
        "Italic": LIBERATION / "LiberationSans-Italic.ttf",
        "Bold Italic": LIBERATION / "LiberationSans-BoldItalic.ttf",
    },
    "Microsoft Sans Serif": {
        "Regular": LIBERATION / "LiberationSans-Regular.ttf",
        "Bold": LIBERATION / "LiberationSans-Bold.ttf",
    },
}

out = pathlib.Path(sys.argv[1])
out.mkdir(parents=True, exist_ok=True)
for family, styles in FACES.items():
    for style, source in styles.items():
        font = TTFont(source)
        names = font["name"]
        full = family if style == "Regular" else f"{family} {style}"
        postscript = (family + "-" + style).replace(" ", "")
        for record in list(names.names):
            if record.nameID in (16, 17, 21, 22):  # typographic names: the ones below suffice
                names.removeNames(nameID=record.nameID)
        for record in names.names:
            if record.nameID == 1:
                record.string = family
            elif record.nameID == 2:
                record.string = style
            elif record.nameID == 3:
                record.string = f"test:{postscript}"
            elif record.nameID == 4:
                record.string = full
            elif record.nameID == 6:
                record.string = postscript
        font.save(out / f"{postscript}.ttf")
