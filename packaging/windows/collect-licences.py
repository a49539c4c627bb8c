#!/usr/bin/python3
"""Writes the licence of every library that Qt's Core, Gui and Widgets carry
inside them, from the attribution files of Qt's source, one text file each:
    collect-licences.py QT_SOURCE_DIR OUTPUT_DIR
"""
import json
import pathlib
import sys

# The parts of Qt's source that the Windows libraries are built from and that
# bring code of others with them.
PARTS = [
    "src/3rdparty/blake2", "src/3rdparty/double-conversion", "src/3rdparty/easing",
    "src/3rdparty/freetype", "src/3rdparty/harfbuzz-ng", "src/3rdparty/icc",
    "src/3rdparty/libpng", "src/3rdparty/md4c", "src/3rdparty/md5",
    "src/3rdparty/pcre2", "src/3rdparty/rfc6234", "src/3rdparty/sha1",
    "src/3rdparty/sha3", "src/3rdparty/tinycbor", "src/3rdparty/zlib",
    "src/corelib/kernel", "src/corelib/text", "src/corelib/tools",
    "src/gui/painting", "src/gui/text", "src/gui/opengl",
]

source, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
out.mkdir(parents=True, exist_ok=True)
for part in PARTS:
    folder = source / part
    entries = json.loads((folder / "qt_attribution.json").read_text(encoding="utf-8"), strict=False)
    if isinstance(entries, dict):
        entries = [entries]
    for entry in entries:
        name = entry.get("Name", entry.get("Id", part))
        text = [name, "=" * len(name), ""]
        for field in ("Description", "Version", "Copyright", "License"):
            if entry.get(field):
                text.append(f"{field}: {entry[field]}")
        text.append("")
        for licence in str(entry.get("LicenseFile", "")).split(","):
            if licence.strip():
                text.append((folder / licence.strip()).read_text(encoding="utf-8", errors="replace"))
        safe = "".join(c if c.isalnum() or c in "-_." else "-" for c in entry.get("Id", name))
        (out / f"{safe}.txt").write_text("\n".join(text), encoding="utf-8")
