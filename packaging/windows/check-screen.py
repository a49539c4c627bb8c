#!/usr/bin/python3
"""Reads labels of the program's windows off a screenshot and checks them:
    check-screen.py SOURCE_DIR SHOT.png WINDOW LEFT TOP NAME=TEXT...
WINDOW is main or results (whose layout table gives each label's rectangle),
LEFT and TOP are the screen position of that window's client area, and each
NAME=TEXT says what label NAME must show. A label is read by comparing its
ink with the candidates it could show (a verdict, or a number from 0 to 21),
drawn here in the face, size and weight that the layout gives it: the one
whose strokes lie closest to the label's must be TEXT, and no other as close. Prints what it read; exit status 1 when
any label shows something else.
"""
import pathlib
import re
import subprocess
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))
from debian_fonts import LIBERATION  # noqa: E402

FACES = {  # the faces the Wine prefix stands in for Arial
    False: str(LIBERATION / "LiberationSans-Regular.ttf"),
    True: str(LIBERATION / "LiberationSans-Bold.ttf"),
}
VERDICTS = ["- верно", "- ошибка"]
NUMBERS = [str(n) for n in range(22)]


def pixel_size(face, points, bold):
    """The pixel size the Windows build gives a face of the layout
    (pixelSize in frontend/Fonts.cpp, for every face)."""
    if face == "MsSansSerif" and points == 9.75:
        return 12
    if face == "Arial" and points == 11.25 and bold:
        return 14
    return round(points * 96 / 72)


def layout(source, window):
    """name -> (left, top, width, height, pixel size, bold, fill) from the table."""
    path = pathlib.Path(source) / "frontend" / ("MainWindowLayout.cpp" if window == "main"
                                               else "ResultsWindowLayout.cpp")
    rows = {}
    pattern = re.compile(r'\{"(\w+)", ControlKind::Label, [^,]+, "[^"]*", (\d+), (\d+), (\d+), '
                         r'(\d+), \d+, \{FontFace::(\w+), ([\d.]+), (true|false), (?:true|false)\}, '
                         r'0x([0-9A-F]{6})')
    for m in pattern.finditer(path.read_text(encoding="utf-8")):
        left, top, width, height = (int(m.group(i)) // 15 for i in range(2, 6))
        face, points, bold = m.group(6), float(m.group(7)), m.group(8) == "true"
        rows[m.group(1)] = (left, top, width, height, pixel_size(face, points, bold), bold,
                            tuple(int(m.group(9)[i:i + 2], 16) for i in (0, 2, 4)))
    return rows


def read_ppm(data):
    """(width, height, rows of (r, g, b)) of a binary PPM."""
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos:]
    return width, height, [[tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3])
                            for x in range(width)] for y in range(height)]


def ink(rows, fill):
    """The cropped mask of pixels far from the label's fill colour."""
    return crop([[sum(abs(a - b) for a, b in zip(p, fill)) > 200 for p in row] for row in rows])


def crop(mask):
    """MASK cut down to the rectangle around its ink; [] when it has none."""
    ys = [y for y, row in enumerate(mask) if any(row)]
    xs = [x for x in range(len(mask[0]) if mask else 0) if any(row[x] for row in mask)]
    if not ys or not xs:
        return []
    return [row[xs[0]:xs[-1] + 1] for row in mask[ys[0]:ys[-1] + 1]]


def drawn(text, pixels, bold, fill):
    """The ink of TEXT as ImageMagick draws it in the label's face, without
    smoothing, as the labels are drawn under Wine."""
    ppm = subprocess.run(
        ["convert", "-size", "160x40", "xc:#%02X%02X%02X" % fill, "+antialias", "-font", FACES[bold],
         "-density", "72", "-pointsize", str(pixels), "-fill", "#000080",
         "-annotate", "+4+28", text, "-depth", "8", "ppm:-"],
        check=True, capture_output=True).stdout
    return ink(read_ppm(ppm)[2], fill)


def letters(mask):
    """The mask cut at its empty columns, each piece cropped to its ink."""
    pieces, start = [], None
    for x in range(len(mask[0]) + 1):
        filled = x < len(mask[0]) and any(row[x] for row in mask)
        if filled and start is None:
            start = x
        elif not filled and start is not None:
            pieces.append(crop([row[start:x] for row in mask]))
            start = None
    return pieces


def overlap(a, b):
    """Overlap of two masks of about the same size, 0 to 1, the second
    stretched to the first's size."""
    if not a or not b or abs(len(a) - len(b)) > 3 or abs(len(a[0]) - len(b[0])) > 3:
        return 0.0
    h, w = len(a), len(a[0])
    both = either = 0
    for y in range(h):
        for x in range(w):
            pa, pb = a[y][x], b[y * len(b) // h][x * len(b[0]) // w]
            both += pa and pb
            either += pa or pb
    return both / either if either else 0.0


def near(mask, x, y):
    """Whether MASK has ink within one pixel of (x, y)."""
    return any(mask[j][i] for j in range(max(0, y - 1), min(len(mask), y + 2))
               for i in range(max(0, x - 1), min(len(mask[0]), x + 2)))


def strays(a, b):
    """How many ink pixels of either mask lie farther than a pixel from the
    other's ink, the second stretched to the first's size: 0 when strokes
    differ only in weight or by a pixel of placement; None when the sizes
    differ."""
    if not a or not b or abs(len(a) - len(b)) > 3 or abs(len(a[0]) - len(b[0])) > 4:
        return None
    h, w = len(a), len(a[0])
    b = [[b[y * len(b) // h][x * len(b[0]) // w] for x in range(w)] for y in range(h)]
    return sum((a[y][x] and not near(b, x, y)) + (b[y][x] and not near(a, x, y))
               for y in range(h) for x in range(w))


def likeness(a, b):
    """How alike two texts' masks are, 0 to 1: letter by letter where both
    fall into as many letters, so that letters placed a pixel apart still
    match; else as a whole."""
    if not a or not b or abs(len(a[0]) - len(b[0])) > 4:
        return 0.0
    pa, pb = letters(a), letters(b)
    if len(pa) == len(pb):
        return min(overlap(x, y) for x, y in zip(pa, pb))
    return overlap(a, b)


def main():
    source, shot, window, left, top = sys.argv[1:6]
    wanted = dict(arg.split("=", 1) for arg in sys.argv[6:])
    rows = layout(source, window)
    ppm = subprocess.run(["convert", shot, "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    width, height, screen = read_ppm(ppm)
    failed = False
    for name, text in wanted.items():
        lx, ly, lw, lh, pixels, bold, fill = rows[name]
        x0, y0 = int(left) + lx, int(top) + ly
        # Echo labels lie under the verdict beside them: only their own part.
        if window == "main" and name in {f"Label{k}" for k in range(12, 19)}:
            lw = 544 - lx
        crop = [row[x0:x0 + lw] for row in screen[y0:y0 + lh]]
        seen = ink(crop, fill)
        candidates = VERDICTS if text in VERDICTS else NUMBERS
        # The fewest stray pixels wins, the larger overlap among equals; the
        # winner must be the wanted text, and no other candidate as close.
        scores = []
        for c in candidates:
            mask = drawn(c, pixels, bold, fill)
            stray = strays(seen, mask)
            scores.append((10**6 if stray is None else stray, -likeness(seen, mask), c))
        scores.sort()
        (best, overlap_best, read), (second, _, other) = scores[0], scores[1]
        ok = read == text and best < second and -overlap_best >= 0.5
        failed |= not ok
        print(f"  {name}: reads «{read}» ({best} stray pixels, overlap {-overlap_best:.2f}; "
              f"next «{other}» {second if second < 10**6 else '-'})"
              + ("" if ok else f", want «{text}»"))
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
