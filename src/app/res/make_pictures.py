#!/usr/bin/env python3
"""Draws the dialogs' pictures with ImageMagick: the print-format pages, the two office suites'
application icons, the about logo and the mail icon. Every picture fills its whole rectangle, so
that no background colour has to match the dialog's. Run it from anywhere; it writes beside itself."""

import os
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))


def bmp(name, width, height, *draw, background="white"):
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


def paper(colour):
    return rect(0, 0, 15, 15, "white", "#6a6a6a") + rect(1, 1, 14, 3, colour)


bmp("suite2-wordprocessor.bmp", 16, 16, *paper("#3f7fd9"), *text_lines("#3f7fd9", 4, 11, [6, 8, 10, 12]))
bmp("suite2-spreadsheet.bmp", 16, 16, *paper("#33a35c"), *grid("#33a35c", 3, 5, 12, 13, 3))
bmp("suite2-presentation.bmp", 16, 16, *paper("#e0822e"), *slide("#e0822e", 3, 6, 12, 12))

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
