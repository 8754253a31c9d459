#!/usr/bin/env python3
"""Draws the dialogs' pictures with ImageMagick: the print-format pages, the two office suites'
application icons, the about logo and the mail icon. Every one of these fills its whole rectangle,
so that no background colour has to match the dialog's. Then the screenshot editor's toolbar
buttons, whose background turns into the button's face when loaded (see that section): one for
every picture that src/editor/ToolbarPictures.h lists, no more and no fewer. Run it from anywhere;
it writes beside itself. With --check it draws nothing and only says whether every toolbar picture
has its drawing here (the unit tests run it so)."""

import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TOOLBAR_LIST = os.path.join(HERE, "..", "..", "editor", "ToolbarPictures.h")
CHECK = "--check" in sys.argv[1:]


def bmp(name, width, height, *draw, background="white"):
    if CHECK:
        return
    args = ["convert", "-size", f"{width}x{height}", f"xc:{background}", *draw,
            "-type", "TrueColor", f"BMP3:{os.path.join(HERE, name)}"]
    subprocess.run(args, check=True)


def rect(x0, y0, x1, y1, fill, stroke="none"):
    return ["-fill", fill, "-stroke", stroke, "-draw", f"rectangle {x0},{y0} {x1},{y1}"]


def line(x0, y0, x1, y1, colour):
    return ["-stroke", colour, "-draw", f"line {x0},{y0} {x1},{y1}"]


# --- print formats: a header line at the top, the shots, the footer line at the foot ---

def shot(x0, y0, x1, y1):
    return rect(x0, y0, x1, y1, "#b9d3f2", "#2f62b0") + rect(x0, y0, x1, y0 + 2, "#2f62b0")


def page(width, height, header_split, *shots):
    frame = rect(0, 0, width - 1, height - 1, "white", "#5a5a5a")
    header = line(4, 4, header_split, 4, "#6a6a6a") + line(header_split + 4, 4, width - 5, 4, "#6a6a6a")
    footer = line(width // 4, height - 4, width - width // 4 - 1, height - 4, "#9a9a9a")
    return frame + header + [a for s in shots for a in s] + footer


bmp("page-portrait-1.bmp", 36, 48, *page(36, 48, 20, shot(4, 9, 31, 28)))
bmp("page-portrait-2.bmp", 36, 48, *page(36, 48, 20, shot(4, 8, 31, 23), shot(4, 26, 31, 41)))
bmp("page-landscape-1.bmp", 48, 36, *page(48, 36, 26, shot(5, 8, 42, 28)))

# --- application icons, 16 x 16: word processor (lines), spreadsheet (grid), presentation (slide) ---
# First suite: a coloured tile with a white symbol. Second suite: a white page with a coloured band
# and a coloured symbol.

def text_lines(colour, x0, x1, ys):
    return [a for y in ys for a in line(x0, y, x1 if y != ys[-1] else (x0 + x1) // 2, y, colour)]


def grid(colour, x0, y0, x1, y1, step):
    cells = rect(x0, y0, x1, y1, "none", colour)
    for x in range(x0 + step, x1, step):
        cells += line(x, y0, x, y1, colour)
    for y in range(y0 + step, y1, step):
        cells += line(x0, y, x1, y, colour)
    return cells


def slide(colour, x0, y0, x1, y1):
    return rect(x0, y0, x1, y1, "none", colour) + rect(x0 + 2, y0 + 2, (x0 + x1) // 2, y0 + 3, colour)


BLUE, GREEN, ORANGE = "#2b5fb4", "#1f8a4c", "#d9651e"

bmp("suite1-wordprocessor.bmp", 16, 16, *rect(0, 0, 15, 15, BLUE), *text_lines("white", 3, 12, [4, 7, 10, 13]))
bmp("suite1-spreadsheet.bmp", 16, 16, *rect(0, 0, 15, 15, GREEN), *grid("white", 2, 3, 13, 13, 4))
bmp("suite1-presentation.bmp", 16, 16, *rect(0, 0, 15, 15, ORANGE), *slide("white", 2, 3, 13, 11),
    *line(7, 12, 7, 14, "white"), *line(5, 14, 10, 14, "white"))


# the second suite's colours, a shade lighter than the first's
BLUE2, GREEN2, ORANGE2 = "#3f7fd9", "#33a35c", "#e0822e"


def paper(colour):
    return rect(0, 0, 15, 15, "white", "#6a6a6a") + rect(1, 1, 14, 3, colour)


bmp("suite2-wordprocessor.bmp", 16, 16, *paper(BLUE2), *text_lines(BLUE2, 4, 11, [6, 8, 10, 12]))
bmp("suite2-spreadsheet.bmp", 16, 16, *paper(GREEN2), *grid(GREEN2, 3, 5, 12, 13, 3))
bmp("suite2-presentation.bmp", 16, 16, *paper(ORANGE2), *slide(ORANGE2, 3, 6, 12, 12))

# --- about box: the logo (200 x 83) and the mail icon ---

FONT = "DejaVu-Sans-Bold"
bmp("about-logo.bmp", 200, 83,
    "-sparse-color", "barycentric", "0,0 #1d4f9c 199,82 #4f8fe0",
    # the camera of the program's icon
    *rect(10, 30, 48, 58, "white"), *rect(18, 25, 30, 31, "white"),
    "-fill", "#2b5fb4", "-stroke", "none", "-draw", "circle 29,44 29,35",
    "-fill", "white", "-draw", "circle 29,44 29,39",
    "-fill", "#9cc3f5", "-draw", "circle 29,44 29,41",
    "-fill", "#f4c430", "-draw", "circle 42,35 42,33",
    "-font", FONT, "-pointsize", "18", "-fill", "white", "-stroke", "none",
    "-annotate", "+56+48", "Snapwright",
    "-font", "DejaVu-Sans", "-pointsize", "8", "-fill", "#dbe8fb",
    "-annotate", "+57+63", "screenshots made simple",
    background="#1d4f9c")

bmp("about-mail.bmp", 24, 18, *rect(0, 0, 23, 17, "#fff8dc", "#5a5a5a"),
    *line(0, 0, 11, 10, "#5a5a5a"), *line(23, 0, 12, 10, "#5a5a5a"),
    *line(0, 17, 9, 8, "#9a9a9a"), *line(23, 17, 14, 8, "#9a9a9a"))

# --- the screenshot editor's toolbar buttons and its help button, 24 x 24 ---
# The program loads these with LR_LOADMAP3DCOLORS, which swaps the exact colours #c0c0c0, #808080
# and #dfdfdf for the button's face, shadow and highlight. So the background is exactly #c0c0c0
# and the drawings keep clear of the other two (hence #7f7f7f and #e0e0e0). Nothing is
# anti-aliased: a blended edge pixel would keep the grey's tint after the background around it has
# turned into the face colour, leaving a dark fringe.

FACE = "#c0c0c0"
INK, SHADE, LIGHT = "#404040", "#7f7f7f", "#e0e0e0"
SKY, RED = "#b9d3f2", "#d02020"
FOLDER, FOLDER_BACK = "#f4c430", "#d9a21e"
MARKER, DARK = "#f8e020", "#202020"
BUTTONS = {}  # file name: its drawing


def button(name, *draw):
    BUTTONS[name] = draw


def points(colour, pixels):
    return ["-fill", colour, "-stroke", "none",
            "-draw", " ".join(f"point {x},{y}" for x, y in sorted(pixels))]


def sprite(x0, y0, colour, rows):
    """A glyph drawn as text: every '#' is a pixel, so its shape can be read in the source."""
    return points(colour, {(x0 + x, y0 + y) for y, row in enumerate(rows) for x, c in enumerate(row) if c == "#"})


def inside(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def disc(cx, cy, rx, ry):
    return {(x, y) for x in range(24) for y in range(24) if inside(x, y, cx, cy, rx, ry)}


def ring(cx, cy, rx, ry, width):
    return disc(cx, cy, rx, ry) - disc(cx, cy, rx - width, ry - width)


def outline(x0, y0, x1, y1, colour, width=1):
    return [a for i in range(width) for a in rect(x0 + i, y0 + i, x1 - i, y1 - i, "none", colour)]


def sheet(x0, y0, x1, y1, fold=5):
    """A white page with its top right corner folded over."""
    return ["-fill", "white", "-stroke", INK,
            "-draw", f"polygon {x0},{y0} {x1 - fold},{y0} {x1},{y0 + fold} {x1},{y1} {x0},{y1}",
            "-fill", LIGHT, "-draw", f"polygon {x1 - fold},{y0} {x1 - fold},{y0 + fold} {x1},{y0 + fold}"]


# files: a new page, an opening folder, a floppy disk, a printer

button("tool-new.bmp", *sheet(5, 2, 18, 21))

button("tool-open.bmp",
       "-fill", FOLDER_BACK, "-stroke", INK, "-draw", "polygon 2,4 8,4 10,6 18,6 18,20 2,20",
       *rect(5, 8, 16, 13, "white", INK),
       "-fill", FOLDER, "-draw", "polygon 6,11 22,11 18,20 2,20")

button("tool-save.bmp",
       "-fill", BLUE, "-stroke", INK, "-draw", "polygon 3,3 18,3 20,5 20,20 3,20",
       *rect(6, 3, 17, 10, "white", INK), *line(8, 5, 15, 5, SHADE), *line(8, 7, 15, 7, SHADE),
       *rect(7, 14, 16, 20, LIGHT, INK), *rect(9, 15, 10, 18, INK))

button("tool-print.bmp",
       *rect(6, 2, 17, 9, "white", INK),
       *rect(2, 8, 21, 17, LIGHT, INK), *rect(3, 15, 20, 16, SHADE), *rect(17, 10, 18, 11, GREEN),
       *rect(6, 14, 17, 21, "white", INK), *line(8, 17, 15, 17, SHADE), *line(8, 19, 13, 19, SHADE))

# the office programs: the application icons above, drawn again at the toolbar's size

def tile(colour):
    return rect(2, 2, 21, 21, colour)


button("tool-word.bmp", *tile(BLUE), *text_lines("white", 5, 18, [6, 9, 12, 15, 18]))
button("tool-excel.bmp", *tile(GREEN), *grid("white", 4, 4, 19, 19, 5))
button("tool-powerpoint.bmp", *tile(ORANGE), *slide("white", 4, 5, 19, 15),
       *line(11, 16, 11, 19, "white"), *line(12, 16, 12, 19, "white"), *line(7, 19, 16, 19, "white"))


def paper24(colour):
    return rect(2, 2, 21, 21, "white", "#6a6a6a") + rect(3, 3, 20, 5, colour)


button("tool-writer.bmp", *paper24(BLUE2), *text_lines(BLUE2, 5, 18, [8, 11, 14, 17]))
button("tool-calc.bmp", *paper24(GREEN2), *grid(GREEN2, 5, 7, 17, 19, 4))
button("tool-impress.bmp", *paper24(ORANGE2), *slide(ORANGE2, 5, 8, 18, 17))

# the editing tools

def diagonal(first, last, half):
    """A band along the falling diagonal, `half` pixels to either side of it."""
    return {(t + d, t) for t in range(first, last + 1) for d in range(-half, half + 1)}


# the handle leaves the ring narrow and widens into a grip, so it still reads as a handle at 24 px
button("tool-zoom.bmp", *points(SKY, disc(9.5, 9.5, 5.5, 5.5)), *points("white", {(7, 6), (6, 7), (6, 8), (8, 6)}),
       *points(INK, ring(9.5, 9.5, 7.5, 7.5, 2)),
       *points(INK, diagonal(15, 16, 1) | diagonal(17, 20, 2) | {(20, 21), (21, 21)}))

button("tool-crop.bmp", *rect(2, 5, 18, 6, BLUE), *rect(17, 5, 18, 21, BLUE),
       *rect(5, 2, 6, 18, INK), *rect(5, 17, 21, 18, INK))

button("tool-copy.bmp", *sheet(3, 2, 14, 16, 4), *line(5, 8, 10, 8, SHADE), *line(5, 11, 10, 11, SHADE),
       *sheet(9, 7, 20, 21, 4),
       *line(11, 12, 18, 12, BLUE), *line(11, 15, 18, 15, BLUE), *line(11, 18, 16, 18, BLUE))

button("tool-undo.bmp",
       *sprite(3, 3, BLUE, [".....#............",
                            "....##............",
                            "...###............",
                            "..####............",
                            ".#####............",
                            "##############....",
                            "################..",
                            ".#####........###.",
                            "..####.........###",
                            "...###..........##",
                            "....##..........##",
                            ".....#..........##",
                            "................##",
                            "................##",
                            "...............###",
                            "..............###.",
                            ".......#########..",
                            ".......#######...."]))

def dashed(x0, y0, x1, y1):
    """The outline of a rectangle in dashes of two pixels, as a marked region is drawn."""
    edge = [(x, y0) for x in range(x0, x1)] + [(x1, y) for y in range(y0, y1)] + \
           [(x, y1) for x in range(x1, x0, -1)] + [(x0, y) for y in range(y1, y0, -1)]
    return {pixel for i, pixel in enumerate(edge) if i // 2 % 2 == 0}


# a region of the screen: marked with dashes, clear inside, and the cross of the pointer drawing it
button("tool-region.bmp", *rect(3, 3, 15, 14, SKY), *points(INK, dashed(2, 2, 16, 15)),
       *sprite(11, 10, BLUE, ["....##....",
                              "....##....",
                              "....##....",
                              "..........",
                              "###....###",
                              "###....###",
                              "..........",
                              "....##....",
                              "....##....",
                              "....##...."]))

button("tool-frame.bmp", *outline(3, 5, 20, 18, RED, 2))
button("tool-ellipse.bmp", *points(RED, ring(11.5, 11.5, 10, 7.5, 2)))

button("tool-text.bmp",
       *sprite(2, 4, INK, [".....###.....",
                           ".....###.....",
                           "....#####....",
                           "....##.##....",
                           "...###.###...",
                           "...##...##...",
                           "...##...##...",
                           "..###...###..",
                           "..##.....##..",
                           "..##.....##..",
                           ".###########.",
                           ".###########.",
                           ".##.......##.",
                           "###.......###",
                           "##.........##",
                           "##.........##"]),
       # the text cursor, an I-beam
       *sprite(17, 3, BLUE, ["##.##"] + ["..#.."] * 16 + ["##.##"]))

button("tool-help.bmp", *points(BLUE, disc(11.5, 11.5, 10, 10)),
       *sprite(8, 6, "white", ["..####..",
                               ".######.",
                               "##....##",
                               "##....##",
                               ".....###",
                               "....###.",
                               "...###..",
                               "...##...",
                               "...##...",
                               "........",
                               "...##...",
                               "...##..."]))

# the marking tools: an arrow with a filled head, a line of text under a highlighter, and a
# pixelated block above a filled band; the blocks' greys keep clear of the face, shadow and
# highlight colours that loading swaps

button("tool-arrow.bmp",
       *sprite(9, 3, RED, ["..........##",
                           "........####",
                           ".....######.",
                           "..#########.",
                           "##########..",
                           ".#########..",
                           "..########..",
                           "...######...",
                           "....#####...",
                           ".....####...",
                           "......##....",
                           ".......#...."]),
       *sprite(3, 11, INK, ["........##",
                            ".......###",
                            "......###.",
                            ".....###..",
                            "....###...",
                            "...###....",
                            "..###.....",
                            ".###......",
                            "###.......",
                            ".#........"]))

button("tool-highlight.bmp", *rect(4, 5, 19, 6, INK), *rect(2, 9, 21, 15, MARKER), *rect(4, 11, 17, 12, INK),
       *rect(4, 17, 15, 18, INK))

button("tool-redact.bmp",
       *rect(3, 3, 8, 8, INK), *rect(9, 3, 14, 8, "#909090"), *rect(15, 3, 20, 8, "#606060"),
       *rect(3, 9, 8, 14, "#a8a8a8"), *rect(9, 9, 14, 14, "#505050"), *rect(15, 9, 20, 14, SHADE),
       *rect(3, 15, 20, 20, DARK))


def toolbar_files():
    """The files of the toolbar's pictures, as the editor's list names them."""
    with open(TOOLBAR_LIST, encoding="utf-8") as listing:
        return re.findall(r'PICTURE\(\w+, \d+, "res/([\w.-]+)"\)', listing.read())


listed = toolbar_files()
missing = [name for name in listed if name not in BUTTONS]
unlisted = [name for name in BUTTONS if name not in listed]
if not listed or missing or unlisted:
    sys.exit(f"make_pictures.py: toolbar pictures without a drawing: {missing or 'none'}; "
             f"drawings the toolbar does not list: {unlisted or 'none'}")
for name in listed:
    bmp(name, 24, 24, "+antialias", *BUTTONS[name], background=FACE)
if CHECK:
    print(f"make_pictures.py: all {len(listed)} toolbar pictures have their drawing")
