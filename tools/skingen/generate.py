#!/usr/bin/python3
"""Generates every Corvane skin image, the application icon (Windows icon and
hicolor theme files) and the contact sheets from the editable sources beside
this script:

  geometry.json  where everything is drawn (client pixels)
  texts.json     the texts that are part of the pictures, per skin folder
  art/*.svg      the mouse picture and the application icon

Each picture is described as SVG and rendered by rsvg-convert; page and
dialog backgrounds then get their buttons and boxes pasted from the very
element images that the program draws over them, so that a background shows
each element exactly as the element's own "normal" image.

Usage: /usr/bin/python3 tools/skingen/generate.py [--out REPO_ROOT]
"""

import argparse
import io
import json
import os
import struct
import subprocess
import sys
from xml.sax.saxutils import escape

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))

# The skin's colours. TEXT and FIELD are the colours the program itself uses
# for its texts and for list and edit backgrounds.
TEXT = "#00ffc6"  # RGB(0, 255, 198)
FIELD = "#1a3633"  # RGB(26, 54, 51)
WINDOW = "#08110f"
PANEL = "#0d1c1a"
RULE = "#1f4a44"
EDGE = "#2e8a7a"
MUTED = "#7dbfb1"
DARK_INK = "#04241d"
CLOSE_RED = "#e5484d"

LATIN_FONT = "DejaVu Sans"
LANGUAGES = ("EN", "CHS")


def load_json(name):
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        return json.load(f)


GEO = load_json("geometry.json")
TEXTS = load_json("texts.json")


# --------------------------------------------------------------------------
# SVG building and rendering


class Svg:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.defs = []
        self.body = []

    def add(self, fragment):
        self.body.append(fragment)

    def define(self, fragment):
        self.defs.append(fragment)

    def document(self):
        return (
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{self.width}" '
            f'height="{self.height}" viewBox="0 0 {self.width} {self.height}">'
            f'<defs>{"".join(self.defs)}</defs>{"".join(self.body)}</svg>'
        )

    def render(self):
        return render_svg(self.document())


def render_svg(document, width=None, height=None):
    cmd = ["rsvg-convert", "-f", "png"]
    if width:
        cmd += ["-w", str(width), "-h", str(height)]
    out = subprocess.run(cmd, input=document.encode("utf-8"), capture_output=True, check=True)
    return Image.open(io.BytesIO(out.stdout)).convert("RGBA")


def box(x0, y0, x1, y1, fill="none", stroke=None, width=1, rx=0, extra=""):
    """A rectangle whose 1-pixel stroke falls exactly on the outer pixels."""
    if stroke:
        h = width / 2
        x0, y0, x1, y1 = x0 + h, y0 + h, x1 - h, y1 - h
        s = f' stroke="{stroke}" stroke-width="{width}"'
    else:
        s = ""
    return (
        f'<rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" rx="{rx}" '
        f'fill="{fill}"{s} {extra}/>'
    )


def hline(x0, x1, y, color, opacity=1.0):
    return f'<rect x="{x0}" y="{y}" width="{x1 - x0}" height="1" fill="{color}" opacity="{opacity}"/>'


def vline(x, y0, y1, color, opacity=1.0):
    return f'<rect x="{x}" y="{y0}" width="1" height="{y1 - y0}" fill="{color}" opacity="{opacity}"/>'


def text(s, rect, lang, size, color=TEXT, align="center", bold=False, family=None):
    """One line of text vertically centred in `rect`, aligned left, centre or
    right. The baseline sits so that capitals and ideographs alike look
    centred."""
    x0, y0, x1, y1 = rect
    family = family or TEXTS[lang]["font"]
    anchor = {"left": "start", "center": "middle", "right": "end"}[align]
    x = {"left": x0, "center": (x0 + x1) / 2, "right": x1}[align]
    y = (y0 + y1) / 2 + size * (0.37 if family == LATIN_FONT else 0.36)
    weight = "bold" if bold else "normal"
    return (
        f'<text x="{x}" y="{y:.1f}" font-family="{family}" font-size="{size}" '
        f'font-weight="{weight}" fill="{color}" text-anchor="{anchor}">{escape(s)}</text>'
    )


def gradient(svg, ident, top, bottom):
    svg.define(
        f'<linearGradient id="{ident}" x1="0" y1="0" x2="0" y2="1">'
        f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/>'
        f"</linearGradient>"
    )
    return f"url(#{ident})"


def art_image(name, width, height):
    with open(os.path.join(HERE, "art", name), encoding="utf-8") as f:
        return render_svg(f.read(), width, height)


def paste(canvas, element, rect):
    """Draws an element image at its rectangle's top-left corner, blending it
    over the canvas as the program does."""
    layer = Image.new("RGBA", canvas.size, (0, 0, 0, 0))
    layer.paste(element, (rect[0], rect[1]))
    return Image.alpha_composite(canvas, layer)


# --------------------------------------------------------------------------
# Element images


def button(label, lang, over):
    w, h = GEO["sizes"]["button"]
    svg = Svg(w, h)
    if over:
        fill = gradient(svg, "g", "#5fffdc", "#00c99a")
        svg.add(box(0, 0, w, h, fill, "#b8fff0", rx=5))
        ink = DARK_INK
    else:
        fill = gradient(svg, "g", "#18413b", "#0c2421")
        svg.add(box(0, 0, w, h, fill, EDGE, rx=5))
        svg.add(hline(5, w - 5, 1, "#3fae9a", 0.6))
        ink = TEXT
    svg.add(text(label, (0, 0, w, h), lang, 14, ink, bold=True))
    return svg.render()


def window_box(kind, over):
    w, h = GEO["sizes"]["window_box"]
    svg = Svg(w, h)
    if over:
        fill = CLOSE_RED if kind == "close" else TEXT
        edge = "#ffb3b5" if kind == "close" else "#b8fff0"
        ink = "#ffffff" if kind == "close" else DARK_INK
    else:
        fill, edge, ink = "#102825", EDGE, TEXT
    svg.add(box(0, 0, w, h, fill, edge, rx=5))
    c = w / 2
    if kind == "close":
        svg.add(
            f'<path d="M{c - 6},{c - 6} L{c + 6},{c + 6} M{c + 6},{c - 6} L{c - 6},{c + 6}" '
            f'stroke="{ink}" stroke-width="2.2" stroke-linecap="round"/>'
        )
    else:
        svg.add(f'<rect x="{c - 7}" y="{c + 3}" width="14" height="2.5" rx="1" fill="{ink}"/>')
    return svg.render()


def dropdown(over):
    w, h = GEO["sizes"]["dropdown"]
    arrow = GEO["sizes"]["dropdown_arrow"]
    svg = Svg(w, h)
    edge = TEXT if over else EDGE
    svg.add(box(0, 0, w, h, "#21463f" if over else FIELD, edge, rx=3))
    # The arrow lives in the rightmost pixels; the text part stays one flat
    # colour so that the program's label reads well on it.
    ax = w - arrow
    if over:
        svg.add(
            f'<path d="M{ax},1 H{w - 4} Q{w - 1},1 {w - 1},4 V{h - 4} Q{w - 1},{h - 1} '
            f'{w - 4},{h - 1} H{ax} Z" fill="{TEXT}"/>'
        )
        ink = DARK_INK
    else:
        svg.add(vline(ax, 4, h - 4, EDGE))
        ink = TEXT
    cx, cy = ax + arrow / 2, h / 2
    svg.add(
        f'<path d="M{cx - 5},{cy - 2.5} L{cx},{cy + 2.5} L{cx + 5},{cy - 2.5}" fill="none" '
        f'stroke="{ink}" stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>'
    )
    return svg.render()


def tick():
    w, h = GEO["sizes"]["tick"]
    m = GEO["sizes"]["tick_mark"]
    top = (h - m) // 2
    svg = Svg(w, h)
    svg.add(box(0, top, m, top + m, TEXT, "#b8fff0", rx=3))
    svg.add(
        f'<path d="M3.5,{top + 8.5} L6.5,{top + 11.5} L12.5,{top + 4.5}" fill="none" '
        f'stroke="{DARK_INK}" stroke-width="2.2" stroke-linecap="round" stroke-linejoin="round"/>'
    )
    return svg.render()


def tick_slot(rect):
    """The empty mark a tick covers: drawn where the tick lands."""
    w, h = GEO["sizes"]["tick"]
    m = GEO["sizes"]["tick_mark"]
    x, y = rect[0], rect[1] + (h - m) // 2
    return box(x, y, x + m, y + m, "#0a1816", EDGE, rx=3)


def elements(lang):
    t = TEXTS[lang]
    out = {}
    for name, key in (
        ("Save", "btn_save"),
        ("Exit", "btn_exit"),
        ("Default", "btn_default"),
        ("Ok", "btn_ok"),
        ("Return", "btn_return"),
    ):
        out[f"{name}-normal"] = button(t[key], lang, False)
        out[f"{name}-over"] = button(t[key], lang, True)
    for name in ("Min", "Close"):
        out[f"{name}-normal"] = window_box(name.lower(), False)
        out[f"{name}-over"] = window_box(name.lower(), True)
    out["DropdownBox-normal"] = dropdown(False)
    out["DropdownBox-over"] = dropdown(True)
    out["PaneMakingTick"] = tick()
    return out


# --------------------------------------------------------------------------
# Main window pages


def badge(cx, cy, r, label):
    return (
        f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="none" stroke="{TEXT}" stroke-width="1.5"/>'
        + text(label, (cx - r, cy - r, cx + r, cy + r), "EN", 12, TEXT, bold=True,
               family=LATIN_FONT)
    )


def frame(lang, current_tab):
    m = GEO["main"]
    t = TEXTS[lang]
    w, h = GEO["sizes"]["window"]
    svg = Svg(w, h)
    svg.add(box(0, 0, w, h, WINDOW))
    bar = m["title_bar"]
    svg.add(box(*bar, gradient(svg, "bar", "#12302b", WINDOW)))
    svg.add(hline(0, w, bar[3] - 1, RULE))
    svg.add(box(0, 0, w, h, "none", EDGE))
    lx0, ly0, lx1, ly1 = m["logo"]
    svg.add(
        f'<g transform="translate({lx0},{ly0}) scale({(lx1 - lx0) / 48})">'
        f'<path d="M24,4 C13,4 10,13 10,21 L10,31 C10,39 15,44 24,44 C33,44 38,39 38,31 '
        f'L38,21 C38,13 35,4 24,4 Z" fill="none" stroke="{TEXT}" stroke-width="3"/>'
        f'<path d="M24,4 L24,20 M10,20 C16,23 32,23 38,20" fill="none" stroke="{TEXT}" '
        f'stroke-width="3"/></g>'
    )
    svg.add(text(t["title"], m["title"], "EN", 20, TEXT, "left", True, LATIN_FONT))
    svg.add(text(t["subtitle"], m["subtitle"], lang, 14, MUTED, "left"))
    panel = m["panel"]
    svg.add(box(*panel, gradient(svg, "panel", "#10231f", "#0a1614"), RULE, rx=8))
    for name, key in (("key", "tab_key"), ("dpi", "tab_dpi"), ("led", "tab_led")):
        x0, y0, x1, y1 = m["tabs"][name]
        if name == current_tab:
            svg.add(box(x0, y0, x1, y1, gradient(svg, "tab", "#1d5a50", "#123a34"), TEXT, rx=4))
            svg.add(box(x0 + 1, y1 - 4, x1 - 1, y1 - 1, TEXT))
            svg.add(text(t[key], (x0, y0, x1, y1 - 2), lang, 13, "#e8fff9", bold=True))
        else:
            svg.add(box(x0, y0, x1, y1, "#0e211e", RULE, rx=4))
            svg.add(text(t[key], (x0, y0, x1, y1 - 2), lang, 13, MUTED))
    return svg


def paste_buttons(image, els, with_default):
    b = GEO["main"]["buttons"]
    names = ["Save", "Exit", "Min", "Close"] + (["Default"] if with_default else [])
    for name in names:
        image = paste(image, els[f"{name}-normal"], b[name.lower()])
    return image


def main_image(lang, els):
    svg = frame(lang, None)
    p = GEO["main"]["panel"]
    x0, y0, x1, y1 = p
    cx, cy = (x0 + x1) // 2, (y0 + y1) // 2
    svg.add(
        f'<g opacity="0.35" transform="translate({cx - 60},{cy - 110}) scale(2.5)">'
        f'<path d="M24,4 C13,4 10,13 10,21 L10,31 C10,39 15,44 24,44 C33,44 38,39 38,31 '
        f'L38,21 C38,13 35,4 24,4 Z M24,4 L24,20 M10,20 C16,23 32,23 38,20" fill="none" '
        f'stroke="{TEXT}" stroke-width="1.5"/></g>'
    )
    svg.add(text(TEXTS[lang]["main_hint"], (x0, cy + 20, x1, cy + 50), lang, 15, MUTED))
    return paste_buttons(svg.render(), els, False)


def key_page(lang, els):
    kp = GEO["main"]["key_page"]
    t = TEXTS[lang]
    svg = frame(lang, "key")
    for heading, rect in zip((t["heading_normal"], t["heading_shift"]), kp["headings"]):
        svg.add(text(heading, rect, lang, 16, TEXT, bold=True))
        svg.add(hline(rect[0] + 10, rect[2] - 10, rect[3] - 4, RULE))
    r = kp["badge_radius"]
    for layer, bx in enumerate(kp["badge_x"]):
        for button_index, rect in enumerate(kp["boxes"][layer]):
            svg.add(badge(bx, (rect[1] + rect[3]) / 2, r, str(button_index + 1)))
    image = svg.render()
    mx0, my0, mx1, my1 = kp["mouse"]
    mouse = art_image("mouse.svg", mx1 - mx0, my1 - my0)
    image = paste(image, mouse, kp["mouse"])
    for layer in range(2):
        for rect in kp["boxes"][layer]:
            image = paste(image, els["DropdownBox-normal"], rect)
    return paste_buttons(image, els, True)


def dpi_page(lang, els):
    dp = GEO["main"]["dpi_page"]
    t = TEXTS[lang]
    svg = frame(lang, "dpi")
    svg.add(text(t["dpi_heading"], dp["heading"], lang, 16, TEXT, "left", True))
    hx0, _, hx1, hy1 = dp["heading"]
    svg.add(hline(hx0, hx1, hy1 + 2, RULE))
    for i, (label, rect, boxr) in enumerate(zip(t["dpi_stages"], dp["stage_labels"], dp["boxes"])):
        cy = (boxr[1] + boxr[3]) / 2
        svg.add(badge(dp["stage_badges_x"], cy, 14, str(i + 1)))
        # A meter that grows with the stage: the higher stages move faster.
        mx = dp["meter_x"]
        for k in range(9):
            lit = k < 3 * (i + 1)
            bh = 6 + 2 * k
            svg.add(
                box(mx + 12 * k, cy + 10 - bh, mx + 12 * k + 8, cy + 10,
                    TEXT if lit else "#16302c", rx=1, extra=f'opacity="{0.85 if lit else 1}"')
            )
        svg.add(text(label, rect, lang, 15, TEXT, "right", True))
        svg.add(hline(dp["stage_labels"][0][0] - 150, boxr[2], boxr[3] + 28, RULE, 0.6))
    image = svg.render()
    for rect in dp["boxes"]:
        image = paste(image, els["DropdownBox-normal"], rect)
    return paste_buttons(image, els, False)


def led_page(lang, els):
    lp = GEO["main"]["led_page"]
    t = TEXTS[lang]
    gap = lp["label_gap"]
    svg = frame(lang, "led")

    def heading(label, rect):
        svg.add(text(label, rect, lang, 16, TEXT, "left", True))
        svg.add(hline(rect[0], rect[2], rect[3] + 2, RULE))

    def choice(rect, label, width=220):
        svg.add(tick_slot(rect))
        x = rect[0] + GEO["sizes"]["tick"][0] + gap
        svg.add(text(label, (x, rect[1], x + width, rect[3]), lang, 14, TEXT, "left"))

    heading(t["led_heading"], lp["lighting_heading"])
    for rect, label in zip(lp["lighting_rows"], t["led_rows"]):
        choice(rect, label)
    heading(t["param_heading"], lp["param_heading"])
    for rect, label in zip(lp["param_rows"], t["param_rows"]):
        choice(rect, label)
    x, y0, _, y1 = lp["column_rule"]
    svg.add(vline(x, y0, y1, RULE))
    heading(t["rate_heading"], lp["rate_heading"])
    for rect, label in zip(lp["rate_positions"], t["rate_labels"]):
        choice(rect, label, 90)
    return paste_buttons(svg.render(), els, False)


# --------------------------------------------------------------------------
# Dialog backgrounds


ART = {
    "fire": '<path d="M60,8 C70,34 96,48 96,84 C96,110 80,128 60,128 C40,128 24,110 24,84 '
    'C24,62 38,52 44,36 C50,52 52,60 60,66 C64,50 62,28 60,8 Z"/>'
    '<path d="M60,84 C66,94 74,100 74,110 C74,120 68,126 60,126 C52,126 46,120 46,110 '
    'C46,100 54,96 60,84 Z"/>',
    "hotkey": '<rect x="4" y="30" width="64" height="60" rx="8"/><rect x="102" y="30" width="64" '
    'height="60" rx="8"/><path d="M78,60 H92 M85,53 V67"/>',
    "media": '<circle cx="65" cy="60" r="54"/><path d="M50,34 L88,60 L50,86 Z"/>',
    "keycap": '<rect x="15" y="10" width="100" height="100" rx="14"/><rect x="30" y="22" '
    'width="70" height="66" rx="8"/>',
    "crosshair": '<circle cx="65" cy="65" r="50"/><circle cx="65" cy="65" r="22"/>'
    '<path d="M65,5 V45 M65,85 V125 M5,65 H45 M85,65 H125"/>',
    "window": '<rect x="8" y="10" width="114" height="96" rx="6"/><path d="M8,30 H122 M65,30 '
    'V106 M8,68 H122"/>',
}

ART_LABELS = {"hotkey": ("Ctrl", "C")}


def dialog_frame(svg, lang, title, size):
    w, h = size
    bar = GEO["title_bar_height"]
    svg.add(box(0, 0, w, h, PANEL))
    svg.add(box(0, 0, w, bar, gradient(svg, "bar", "#15382f", "#0d211e")))
    svg.add(hline(0, w, bar, RULE))
    svg.add(box(0, 0, w, h, "none", EDGE))
    svg.add(text(title, (12, 0, w - 40, bar), lang, 15, TEXT, "left", True))


def dialog(name, lang, els):
    d = GEO["dialogs"][name]
    t = TEXTS[lang]
    svg = Svg(*d["size"])
    dialog_frame(svg, lang, t[d["title_key"]], d["size"])
    if "caption" in d:
        svg.add(text(t[d["caption_key"]], d["caption"], lang, 14, MUTED, d["caption_align"]))
    for x0, y0, x1, y1 in d.get("edits", []):
        # The number boxes paint their own field; a frame just outside them.
        svg.add(box(x0, y0, x1, y1, FIELD))
        svg.add(box(x0 - 1, y0 - 1, x1 + 1, y1 + 1, "none", EDGE, rx=2))
    if "art" in d:
        ax0, ay0, ax1, ay1 = d["art_box"]
        svg.add(
            f'<g transform="translate({ax0},{ay0})" fill="none" stroke="{RULE}" '
            f'stroke-width="3" stroke-linejoin="round" stroke-linecap="round">{ART[d["art"]]}</g>'
        )
        if d["art"] in ART_LABELS:
            a, b = ART_LABELS[d["art"]]
            svg.add(text(a, (ax0 + 4, ay0 + 30, ax0 + 68, ay0 + 90), "EN", 18, RULE, bold=True,
                         family=LATIN_FONT))
            svg.add(text(b, (ax0 + 102, ay0 + 30, ax0 + 166, ay0 + 90), "EN", 22, RULE,
                         bold=True, family=LATIN_FONT))
    if "question" in d:
        svg.add(text(t["recover_question"], d["question"], lang, 15, TEXT))
    image = svg.render()
    if "dropdown" in d:
        image = paste(image, els["DropdownBox-normal"], d["dropdown"])
    image = paste(image, els[d.get("accept_image", "Save") + "-normal"], d["accept"])
    image = paste(image, els[d.get("cancel_image", "Exit") + "-normal"], d["cancel"])
    image = paste(image, els["Close-normal"], d["close"])
    return image


# --------------------------------------------------------------------------
# Output


def save_png(image, path):
    """8-bit RGBA PNG, no metadata, so that equal pictures give equal files."""
    assert image.mode == "RGBA"
    os.makedirs(os.path.dirname(path), exist_ok=True)
    image.save(path, "PNG", optimize=False, compress_level=9)


def skin(lang):
    els = elements(lang)
    images = {f"{k}.png": v for k, v in els.items()}
    images["main.png"] = main_image(lang, els)
    images["KeySet.png"] = key_page(lang, els)
    images["DPISet.png"] = dpi_page(lang, els)
    images["LEDSet.png"] = led_page(lang, els)
    for name in GEO["dialogs"]:
        images[f"{name}.png"] = dialog(name, lang, els)
    return images


def write_ico(path):
    """An .ico with 16, 32 and 48 pixel images as 32-bit bitmaps (with their
    AND masks), which every Windows version and resource compiler reads."""
    with open(os.path.join(HERE, "art", "icon.svg"), encoding="utf-8") as f:
        source = f.read()
    entries = []
    for size in (16, 32, 48):
        im = render_svg(source, size, size)
        rows = []
        for y in reversed(range(size)):
            for x in range(size):
                r, g, b, a = im.getpixel((x, y))
                rows.append(bytes((b, g, r, a)))
        xor = b"".join(rows)
        mask_stride = ((size + 31) // 32) * 4
        mask = bytearray()
        for y in reversed(range(size)):
            row = bytearray(mask_stride)
            for x in range(size):
                if im.getpixel((x, y))[3] == 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0,
                             len(xor) + len(mask), 0, 0, 0, 0)
        entries.append((size, header + xor + bytes(mask)))
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, data in entries:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, data in entries)
    with open(path, "wb") as f:
        f.write(out)


def write_hicolor(folder, sizes=(16, 22, 24, 32, 48, 64, 128, 256), ident="org.corvane.Corvane"):
    """The application icon in the hicolor theme, named by the application's
    id: a PNG per size, and the SVG source itself for every other size."""
    with open(os.path.join(HERE, "art", "icon.svg"), encoding="utf-8") as f:
        source = f.read()
    for size in sizes:
        save_png(render_svg(source, size, size),
                 os.path.join(folder, f"{size}x{size}", "apps", f"{ident}.png"))
    os.makedirs(os.path.join(folder, "scalable", "apps"), exist_ok=True)
    with open(os.path.join(folder, "scalable", "apps", f"{ident}.svg"), "w", encoding="utf-8") as f:
        f.write(source)


def contact_sheet(lang, images, path):
    order = (
        ["main.png", "KeySet.png", "DPISet.png", "LEDSet.png"]
        + [f"{n}.png" for n in GEO["dialogs"]]
        + sorted(n for n in images if n not in ("main.png", "KeySet.png", "DPISet.png",
                                                "LEDSet.png")
                 and n[:-4] not in GEO["dialogs"])
    )
    pad, label_h, width = 16, 22, 1600
    placed, x, y, row_h = [], pad, 60, 0
    for name in order:
        im = images[name]
        if x + im.width > width - pad:
            x, y = pad, y + row_h + label_h + pad
            row_h = 0
        placed.append((name, x, y))
        x += max(im.width, 200) + pad
        row_h = max(row_h, im.height)
    height = y + row_h + label_h + pad
    svg = Svg(width, height)
    svg.add(box(0, 0, width, height, "#2b2f2e"))
    svg.add(text(TEXTS[lang]["contact_title"], (pad, 10, width, 50), lang, 22, "#ffffff", "left",
                 True))
    for name, x, y in placed:
        im = images[name]
        svg.add(text(f"{name}  {im.width}×{im.height}", (x, y + im.height + 2, x + 400,
                                                         y + im.height + label_h), "EN", 12,
                     "#d0d0d0", "left", family=LATIN_FONT))
    sheet = svg.render()
    for name, x, y in placed:
        sheet = paste(sheet, images[name], (x, y))
    save_png(sheet, path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.abspath(os.path.join(HERE, "..", "..")),
                        help="repository root to write assets/ and docs/ into")
    args = parser.parse_args()
    for lang in LANGUAGES:
        images = skin(lang)
        folder = os.path.join(args.out, "assets", "Skins", lang)
        os.makedirs(folder, exist_ok=True)
        for old in os.listdir(folder):
            if old.endswith(".png") and old not in images:
                os.remove(os.path.join(folder, old))
        for name, image in sorted(images.items()):
            save_png(image, os.path.join(folder, name))
        contact_sheet(lang, images, os.path.join(args.out, "docs", "skins",
                                                 f"contact-{lang}.png"))
        print(f"{lang}: {len(images)} images")
    write_ico(os.path.join(args.out, "assets", "corvane.ico"))
    write_hicolor(os.path.join(args.out, "assets", "icons", "hicolor"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
