#!/usr/bin/python3
"""Build every picture of quillmere into assets/pictures/, the desktop icon into assets/icons/
(hicolor theme: scalable SVG and PNGs from 16 to 512 px), plus docs/contact-sheet.png.

What it is for
    The game loads its pictures as Qt resources (":/pictures/<name>"); CMake
    compiles whatever is in assets/pictures/.  This script is the only way those
    files are made: it renders the SVG drawings in assets/src/ with rsvg-convert,
    takes a few glyphs from the Noto Color Emoji font, and composes tiles,
    shadows, glows and the night-street title scene with Pillow.  Each picture is
    written at 1x and, Qt-style, at 2x ("name@2x.png") rendered at that size.

How to run
    assets/make-pictures.sh            (checks the tools, then runs this file)
    /usr/bin/python3 assets/make_pictures.py

    The output is deterministic: running it twice gives byte-identical files
    (no timestamps or metadata are written, JPEG quality is fixed, random
    placement uses a fixed seed).

Debian packages needed
    python3 python3-pil python3-fonttools librsvg2-bin fonts-noto-color-emoji fonts-lobster
    fonts-dejavu-core
"""

import io
import math
import os
import random
import re
import subprocess
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont, ImageOps

HERE = os.path.dirname(os.path.abspath(__file__))
SRC = os.path.join(HERE, "src")
OUT = os.path.join(HERE, "pictures")
SHEET = os.path.normpath(os.path.join(HERE, "..", "docs", "contact-sheet.png"))

EMOJI_FONT = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"
TITLE_FONT = "/usr/share/fonts/opentype/lobster/lobster.otf"
LABEL_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
LABEL_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

JPEG_QUALITY = 92
SCALES = (1, 2)


# ---------------------------------------------------------------- basics


def at2x(name, scale):
    """acid.png -> acid.png (1x) / acid@2x.png (2x)."""
    if scale == 1:
        return name
    stem, ext = os.path.splitext(name)
    return f"{stem}@{scale}x{ext}"


def save(img, name):
    """Write without metadata so that re-runs are byte-identical."""
    path = os.path.join(OUT, name)
    if name.endswith(".jpg"):
        rgb = img.convert("RGB") if img.mode != "RGBA" else flatten(img, (18, 20, 27))
        rgb.save(path, "JPEG", quality=JPEG_QUALITY, subsampling=0, optimize=True)
    else:
        img.save(path, "PNG", optimize=True)
    return path


def flatten(img, colour):
    bg = Image.new("RGBA", img.size, colour + (255,))
    bg.alpha_composite(img)
    return bg.convert("RGB")


def svg(source, width, height, view_box=None):
    """Render an SVG file (path relative to src/) or SVG text at width x height."""
    if source.lstrip().startswith("<"):
        data = source.encode("utf-8")
    else:
        with open(os.path.join(SRC, source), "rb") as f:
            data = f.read()
    if view_box is not None:
        text = data.decode("utf-8")
        start = text.index('viewBox="') + len('viewBox="')
        end = text.index('"', start)
        text = text[:start] + view_box + text[end:]
        data = text.encode("utf-8")
    png = subprocess.run(
        ["rsvg-convert", "-w", str(width), "-h", str(height), "-f", "png"],
        input=data, stdout=subprocess.PIPE, check=True,
    ).stdout
    img = Image.open(io.BytesIO(png)).convert("RGBA")
    img.load()
    if img.size != (width, height):
        raise SystemExit(f"rsvg-convert gave {img.size}, wanted {(width, height)}")
    return img


def svg_size(source):
    """Width and height of the viewBox of an SVG file in src/."""
    with open(os.path.join(SRC, source), encoding="utf-8") as f:
        text = f.read()
    start = text.index('viewBox="') + len('viewBox="')
    box = text[start:text.index('"', start)].split()
    return float(box[2]), float(box[3])


_emoji_cache = {}


def emoji(seq):
    """One colour glyph from Noto Color Emoji (native bitmap, about 128 px), cropped."""
    if seq not in _emoji_cache:
        font = ImageFont.truetype(EMOJI_FONT, 109, layout_engine=ImageFont.Layout.RAQM)
        canvas = Image.new("RGBA", (320, 180), (0, 0, 0, 0))
        ImageDraw.Draw(canvas).text((16, 16), seq, font=font, embedded_color=True)
        glyph = canvas.crop(canvas.getbbox())
        if glyph.width > 150:
            raise SystemExit(f"emoji {seq!r} did not render as one glyph (raqm missing?)")
        _emoji_cache[seq] = glyph
    return _emoji_cache[seq].copy()


def fit(img, width, height):
    """Scale down (never up) to fit into width x height, keeping the aspect."""
    k = min(width / img.width, height / img.height)
    if k > 1.001:
        raise SystemExit(f"refusing to upscale a {img.size} source to {width}x{height}")
    size = (max(1, round(img.width * k)), max(1, round(img.height * k)))
    return img.resize(size, Image.LANCZOS)


def recolour(img, effect):
    """Small colour effects on an emoji source."""
    if effect is None:
        return img
    if effect == "flip":
        return ImageOps.mirror(img)
    if effect == "cream":  # grey rock -> off-white crystal rock
        alpha = img.getchannel("A")
        grey = ImageOps.autocontrast(img.convert("L"), cutoff=1)
        tinted = ImageOps.colorize(grey, black="#5e4a2a", mid="#d8c49a", white="#fffbef").convert("RGBA")
        tinted.putalpha(alpha)
        return tinted
    if effect.startswith("hue:"):
        shift = int(effect[4:]) % 256
        alpha = img.getchannel("A")
        h, s, v = img.convert("RGB").convert("HSV").split()
        h = h.point(lambda x: (x + shift) % 256)
        out = Image.merge("HSV", (h, s, v)).convert("RGBA")
        out.putalpha(alpha)
        return out
    raise ValueError(effect)


def drop_shadow(layer, dx, dy, blur, opacity):
    alpha = layer.getchannel("A").filter(ImageFilter.GaussianBlur(blur))
    alpha = alpha.point(lambda a: round(a * opacity))
    shadow = Image.new("RGBA", layer.size, (0, 0, 0, 0))
    shadow.putalpha(alpha)
    moved = Image.new("RGBA", layer.size, (0, 0, 0, 0))
    moved.alpha_composite(shadow, (round(dx), round(dy)))
    return moved


def compose(width, height, scale, layers, shadow=(0.0, 1.5, 1.3, 0.65)):
    """Draw layers onto a transparent width x height (1x units) canvas at scale.

    Each layer is (kind, source, cx, cy, box_w, box_h, rotation, effect):
    kind "emoji" takes a glyph, kind "svg" a drawing in src/; it is fitted into
    box_w x box_h centred on (cx, cy).
    """
    canvas = Image.new("RGBA", (width * scale, height * scale), (0, 0, 0, 0))
    for kind, source, cx, cy, bw, bh, rot, effect in layers:
        if kind == "emoji":
            img = recolour(emoji(source), effect)
            if rot:
                img = img.rotate(rot, resample=Image.BICUBIC, expand=True)
                img = img.crop(img.getbbox())
            img = fit(img, bw * scale, bh * scale)
        else:
            vw, vh = svg_size(source)
            k = min(bw / vw, bh / vh) * scale
            img = svg(source, max(1, round(vw * k)), max(1, round(vh * k)))
            if effect == "flip":
                img = ImageOps.mirror(img)
        x = round(cx * scale - img.width / 2)
        y = round(cy * scale - img.height / 2)
        paste_clipped(canvas, img, x, y)
    if shadow:
        dx, dy, blur, opacity = shadow
        sh = drop_shadow(canvas, dx * scale, dy * scale, blur * scale, opacity)
        sh.alpha_composite(canvas)
        canvas = sh
    return canvas


def paste_clipped(canvas, img, x, y):
    """alpha_composite that tolerates a layer hanging over any edge."""
    box = (max(0, -x), max(0, -y), min(img.width, canvas.width - x), min(img.height, canvas.height - y))
    if box[2] > box[0] and box[3] > box[1]:
        canvas.alpha_composite(img.crop(box), (x + box[0], y + box[1]))


# ---------------------------------------------------------------- goods

# Layers in 1x pixel units of the 87 x 70 tile.
GOODS = {
    "acid.png": [
        ("svg", "goods/acid.svg", 40, 36, 70, 56, 0, None),
        ("emoji", "\U0001F4A7", 73, 17, 16, 20, 0, None),          # droplet
    ],
    "cocaine.png": [("svg", "goods/cocaine.svg", 43.5, 35, 76, 60, 0, None)],
    "crack.png": [
        ("emoji", "\U0001FAA8", 33, 41, 40, 32, 0, "cream"),      # rock
        ("emoji", "\U0001FAA8", 61, 45, 28, 24, 35, "cream"),
        ("emoji", "\U0001FAA8", 52, 22, 20, 16, -50, "cream"),
        ("emoji", "\U0001FAA8", 72, 25, 12, 10, 80, "cream"),
    ],
    "ecstasy.png": [("svg", "goods/ecstasy.svg", 43.5, 35, 76, 60, 0, None)],
    "hashish.png": [("svg", "goods/hashish.svg", 43.5, 35, 76, 60, 0, None)],
    "heroin.png": [
        ("emoji", "\U0001F944", 34, 36, 50, 52, 10, None),         # spoon
        ("emoji", "\U0001F489", 53, 33, 50, 50, 0, None),          # syringe
    ],
    "opium.png": [("svg", "goods/opium.svg", 43.5, 35, 76, 60, 0, None)],
    "pcp.png": [
        ("emoji", "\U0001F9EA", 58, 37, 40, 46, -20, "hue:78"),    # test tube, violet
        ("emoji", "\U0001F9EA", 36, 35, 52, 56, 0, None),
    ],
    "peyote.png": [("emoji", "\U0001F335", 43.5, 35, 60, 58, 0, None)],  # cactus
    "shrooms.png": [
        ("emoji", "\U0001F344\u200D\U0001F7EB", 30, 37, 40, 44, 8, None),  # brown mushroom
        ("emoji", "\U0001F344", 54, 36, 50, 54, -6, None),                 # red toadstool
    ],
    "speed.png": [
        ("emoji", "\u26A1", 64, 30, 34, 48, 0, None),              # lightning
        ("emoji", "\U0001F48A", 34, 30, 40, 36, 0, None),          # capsule
        ("emoji", "\U0001F48A", 42, 49, 34, 26, 75, "hue:90"),
    ],
    "weed.png": [("svg", "goods/weed.svg", 43.5, 34, 78, 62, 0, None)],
    "whore.jpg": [
        ("emoji", "\U0001F483", 36, 35, 52, 58, 0, None),          # dancer in red dress
        ("emoji", "\U0001F484", 68, 46, 22, 30, -15, None),        # lipstick
    ],
}


def make_goods():
    for name, layers in GOODS.items():
        for s in SCALES:
            tile = svg("goods/tile.svg", 87 * s, 70 * s)
            tile.alpha_composite(compose(87, 70, s, layers))
            save(tile, at2x(name, s))


# ---------------------------------------------------------------- money panel icons

MONEY = {
    "cash.png": [
        ("emoji", "\U0001F4B5", 16, 21, 30, 20, 0, None),          # banknote bundles
        ("emoji", "\U0001F4B5", 16, 16, 30, 20, 0, None),
        ("emoji", "\U0001F4B5", 16, 11, 30, 20, 0, None),
    ],
    "bank.png": [
        ("emoji", "\U0001F416", 16, 20, 31, 24, 0, "flip"),        # pig, facing right
        ("emoji", "\U0001FA99", 15, 6, 11, 11, 0, None),           # coin into the slot
    ],
}


def make_money():
    for name, layers in MONEY.items():
        for s in SCALES:
            save(compose(32, 32, s, layers, shadow=(0, 0.7, 0.6, 0.5)), at2x(name, s))
    # Tony's head from his portrait, as a round badge.
    for s in SCALES:
        size = 32 * s
        head = svg("people/tony.svg", size, size, view_box="100 96 430 430")
        mask = Image.new("L", (size * 4, size * 4), 0)
        ImageDraw.Draw(mask).ellipse((2, 2, size * 4 - 3, size * 4 - 3), fill=255)
        mask = mask.resize((size, size), Image.LANCZOS)
        badge = Image.new("RGBA", (size, size), (0, 0, 0, 0))
        badge.paste(head, (0, 0), mask)
        ring = Image.new("RGBA", (size * 4, size * 4), (0, 0, 0, 0))
        ImageDraw.Draw(ring).ellipse((2, 2, size * 4 - 3, size * 4 - 3), outline=(214, 170, 80, 255), width=4 * s)
        badge.alpha_composite(ring.resize((size, size), Image.LANCZOS))
        save(badge, at2x("tonyicon.png", s))


# ---------------------------------------------------------------- cars, guns, portraits, blank


CARS = ["civic", "mustang", "corvette", "navigator", "hummer", "towncar", "boxter", "mclaren", "astro", "f150"]
GUNS = ["paintball", "smallpistol", "pistol", "revolver", "rifle", "shotgun", "bigshotgun", "machinegun", "assault"]


def make_side_views():
    for folder, names in (("cars", CARS), ("guns", GUNS)):
        for n in names:
            for s in SCALES:
                save(svg(f"{folder}/{n}.svg", 74 * s, 35 * s), at2x(f"{n}.png", s))


def make_portraits():
    for n in ("cop", "tony"):
        for s in SCALES:
            save(svg(f"people/{n}.svg", 63 * s, 85 * s), at2x(f"{n}.jpg", s))


def make_blank():
    for s in SCALES:
        save(Image.new("RGBA", (74 * s, 35 * s), (0, 0, 0, 0)), at2x("blank.png", s))


# ---------------------------------------------------------------- start picture


def night_street_svg():
    """The start scene (800 x 600 units): sky, two skyline layers with lit
    windows, neon signs, a road running to the horizon and street lamps.
    Window and star placement come from a fixed seed."""
    rng = random.Random(1977)
    r = rng.random
    horizon = 392
    out = [
        '<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 800 600" width="800" height="600">',
        "<defs>",
        '<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#03041a"/><stop offset="0.45" stop-color="#160c38"/>'
        '<stop offset="0.62" stop-color="#4a1a52"/><stop offset="0.66" stop-color="#8a2a5a"/>'
        '<stop offset="0.67" stop-color="#0c0a16"/><stop offset="1" stop-color="#141222"/></linearGradient>',
        '<radialGradient id="moon" cx="0.4" cy="0.4" r="0.6"><stop offset="0" stop-color="#fffbe6"/>'
        '<stop offset="1" stop-color="#e6d9a8"/></radialGradient>',
        '<radialGradient id="halo"><stop offset="0" stop-color="#ffe9a8" stop-opacity="0.9"/>'
        '<stop offset="0.25" stop-color="#ffb84a" stop-opacity="0.45"/>'
        '<stop offset="1" stop-color="#ff8a2a" stop-opacity="0"/></radialGradient>',
        '<mask id="crescent"><rect width="800" height="600" fill="#fff"/><circle cx="682" cy="70" r="27" fill="#000"/></mask>',
        '<linearGradient id="road" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#0d0c18"/>'
        '<stop offset="1" stop-color="#1c1a2a"/></linearGradient>',
        '<filter id="g4" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="4"/></filter>',
        '<filter id="g10" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="10"/></filter>',
        '<filter id="g30" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="30"/></filter>',
        "</defs>",
        '<rect width="800" height="600" fill="url(#sky)"/>',
        '<ellipse cx="400" cy="380" rx="520" ry="90" fill="#ff4a8a" opacity="0.25" filter="url(#g30)"/>',
    ]
    for _ in range(70):
        x, y, a = r() * 800, r() * 230, 0.3 + 0.7 * r()
        out.append(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{0.8 + r() * 1.2:.2f}" fill="#fff" opacity="{a:.2f}"/>')
    out.append('<circle cx="668" cy="78" r="60" fill="#fff3c0" opacity="0.25" filter="url(#g10)"/>')
    out.append('<circle cx="668" cy="78" r="30" fill="url(#moon)" mask="url(#crescent)"/>')

    def skyline(base, hmin, hmax, wmin, wmax, body, lit, win, p_lit):
        x = -10.0
        while x < 810:
            w = wmin + (wmax - wmin) * r()
            h = hmin + (hmax - hmin) * r()
            top = base - h
            out.append(f'<rect x="{x:.1f}" y="{top:.1f}" width="{w + 1:.1f}" height="{h + 2:.1f}" fill="{body}"/>')
            if r() < 0.3:  # roof antenna
                out.append(f'<rect x="{x + w * 0.5:.1f}" y="{top - 24:.1f}" width="2" height="24" fill="{body}"/>')
                out.append(f'<circle cx="{x + w * 0.5 + 1:.1f}" cy="{top - 24:.1f}" r="2.5" fill="#ff3a3a"/>')
            wx, wy = win
            cols = int((w - 6) // (wx * 2))
            rows = int((h - 10) // (wy * 2))
            for i in range(cols):
                for j in range(rows):
                    if r() < p_lit:
                        colour = lit[int(r() * len(lit)) % len(lit)]
                        px = x + 5 + i * wx * 2
                        py = top + 8 + j * wy * 2
                        out.append(f'<rect x="{px:.1f}" y="{py:.1f}" width="{wx}" height="{wy}" fill="{colour}"/>')
            x += w + 2 + r() * 6

    skyline(horizon, 90, 230, 30, 64, "#1e1940", ["#5a4a8a", "#8a6ab0", "#ffd98a"], (3, 4), 0.25)
    skyline(horizon, 60, 170, 50, 110, "#0c0a1c", ["#ffd98a", "#ffe9b8", "#ffb86a", "#8ad8ff"], (5, 7), 0.22)

    # neon signs on the near buildings
    out.append('<g filter="url(#g4)" opacity="0.9">'
               '<path d="M 92 250 L 132 250 L 112 276 Z M 112 276 L 112 300 M 100 302 L 124 302" '
               'stroke="#ff3fb0" stroke-width="6" fill="none"/>'
               '<rect x="628" y="212" width="30" height="118" rx="6" stroke="#39e6ff" stroke-width="6" fill="none"/>'
               "</g>")
    out.append('<path d="M 92 250 L 132 250 L 112 276 Z M 112 276 L 112 300 M 100 302 L 124 302" '
               'stroke="#ffd0ee" stroke-width="2.5" fill="none"/>'
               '<circle cx="120" cy="256" r="3" fill="#7dff6a"/>')
    out.append('<rect x="628" y="212" width="30" height="118" rx="6" stroke="#d6faff" stroke-width="2.5" fill="none"/>')
    for k, y in enumerate(range(226, 320, 22)):  # lit rungs in the vertical sign
        out.append(f'<rect x="636" y="{y}" width="14" height="12" rx="2" fill="{["#39e6ff", "#ffe14a"][k % 2]}"/>')
    out.append('<g filter="url(#g4)"><rect x="470" y="300" width="96" height="26" rx="8" stroke="#ffe14a" '
               'stroke-width="6" fill="none"/></g>'
               '<rect x="470" y="300" width="96" height="26" rx="8" stroke="#fff6c0" stroke-width="2.5" fill="none"/>')
    for i in range(6):
        out.append(f'<circle cx="{484 + i * 14}" cy="313" r="3.2" fill="#ff6a3a"/>')

    # road, pavements and kerbs in one-point perspective
    vx = 400
    out.append(f'<rect x="0" y="{horizon}" width="800" height="{600 - horizon}" fill="url(#road)"/>')
    out.append(f'<path d="M 0 {horizon} L {vx - 46} {horizon} L -120 600 L 0 600 Z" fill="#19172a"/>')
    out.append(f'<path d="M 800 {horizon} L {vx + 46} {horizon} L 920 600 L 800 600 Z" fill="#19172a"/>')
    out.append(f'<path d="M {vx - 46} {horizon} L -120 600 M {vx + 46} {horizon} L 920 600" stroke="#6a6480" stroke-width="3"/>')
    for t0 in (0.05, 0.16, 0.32, 0.56, 0.9):  # centre dashes, longer when nearer
        t1 = t0 + 0.06 + t0 * 0.12
        y0, y1 = horizon + (600 - horizon) * t0, horizon + (600 - horizon) * min(t1, 1.0)
        w0, w1 = 1 + 5 * t0, 1 + 5 * min(t1, 1.0)
        out.append(f'<path d="M {vx - w0:.1f} {y0:.1f} L {vx + w0:.1f} {y0:.1f} L {vx + w1:.1f} {y1:.1f} '
                   f'L {vx - w1:.1f} {y1:.1f} Z" fill="#e8dca0" opacity="0.8"/>')

    # street lamps on both pavements, with pools of light and wet-road streaks
    for t in (0.12, 0.3, 0.62, 1.05):
        base_y = horizon + (600 - horizon) * t
        height = 30 + 250 * t
        for side in (-1, 1):
            edge = vx + side * (46 + 166 * t * 3.2)
            x = edge + side * 14 * t
            top = base_y - height
            arm = side * -(10 + 30 * t)
            lw = max(1.0, 5 * t)
            out.append(f'<path d="M {x:.1f} {base_y:.1f} L {x:.1f} {top:.1f} Q {x:.1f} {top - 8 * t:.1f} '
                       f'{x + arm:.1f} {top - 6 * t:.1f}" stroke="#3a3456" stroke-width="{lw:.1f}" fill="none"/>')
            hx, hy = x + arm, top - 6 * t + 4 * t
            out.append(f'<ellipse cx="{hx:.1f}" cy="{base_y:.1f}" rx="{70 * t + 4:.1f}" ry="{12 * t + 2:.1f}" '
                       f'fill="#ffb85a" opacity="0.35" filter="url(#g4)"/>')
            out.append(f'<circle cx="{hx:.1f}" cy="{hy:.1f}" r="{60 * t + 6:.1f}" fill="url(#halo)"/>')
            out.append(f'<ellipse cx="{hx:.1f}" cy="{hy:.1f}" rx="{9 * t + 1.5:.1f}" ry="{4 * t + 1:.1f}" fill="#fff8e0"/>')
            out.append(f'<ellipse cx="{hx:.1f}" cy="{base_y + 40 * t:.1f}" rx="{10 * t + 2:.1f}" ry="{46 * t + 4:.1f}" '
                       f'fill="#ffcc70" opacity="0.35" filter="url(#g4)"/>')
    out.append("</svg>")
    return "\n".join(out), horizon


def title_text(text, width, scale):
    """Bold script title: dark extruded depth, hot-pink gradient letters with a
    white highlight, and a pink neon glow.  Sized to `width` pixels."""
    probe = ImageFont.truetype(TITLE_FONT, 100)
    l, t, r, b = probe.getbbox(text)
    font = ImageFont.truetype(TITLE_FONT, round(100 * width / (r - l)))
    left, top, right, bottom = font.getbbox(text)
    pad = 30 * scale
    w, h = right - left + 2 * pad, bottom - top + 2 * pad
    mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(mask).text((pad - left, pad - top), text, font=font, fill=255)

    def solid(colour, alpha, offset=(0, 0)):
        layer = Image.new("RGBA", (w, h), colour + (0,))
        layer.putalpha(alpha)
        out = Image.new("RGBA", (w, h), (0, 0, 0, 0))
        out.alpha_composite(layer, offset)
        return out

    out = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    for radius, gain in ((16, 1.1), (5, 1.3)):
        glow = mask.filter(ImageFilter.GaussianBlur(radius * scale)).point(lambda a, g=gain: round(min(255, a * g)))
        out.alpha_composite(solid((255, 30, 150), glow))
    depth = 5 * scale
    for k in range(depth, 0, -1):
        out.alpha_composite(solid((58, 8, 70), mask, (k, k)))
    gradient = svg(
        '<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 10 10" preserveAspectRatio="none"><defs>'
        '<linearGradient id="p" x1="0" y1="0" x2="0" y2="1"><stop offset="0.2" stop-color="#ffd6f0"/>'
        '<stop offset="0.45" stop-color="#ff4fb8"/><stop offset="0.8" stop-color="#d01890"/>'
        '<stop offset="1" stop-color="#8a1080"/></linearGradient></defs>'
        '<rect width="10" height="10" fill="url(#p)"/></svg>', w, h)
    gradient.putalpha(mask)
    out.alpha_composite(gradient)
    # a thin gleam along the upper edges of the strokes
    edge = ImageChops.subtract(mask, ImageChops.offset(mask, 0, 2 * scale))
    out.alpha_composite(solid((255, 255, 255), edge.point(lambda a: round(a * 0.7))))
    return out


def make_start():
    scene_svg, horizon = night_street_svg()
    for s in SCALES:
        W, H = 400 * s, 300 * s
        scene = svg(scene_svg, W, H)
        hz = round(horizon * H / 600)
        # wet street: the skyline mirrored into the road, smeared into vertical streaks
        above = scene.crop((0, max(0, 2 * hz - H), W, hz))
        mirror = ImageOps.flip(above)
        streaks = mirror.resize((W, max(1, mirror.height // 8)), Image.BILINEAR).resize(mirror.size, Image.BICUBIC)
        streaks = streaks.filter(ImageFilter.GaussianBlur(0.8 * s))
        fade = Image.linear_gradient("L").resize(streaks.size).point(lambda a: round(165 - a * 0.55))
        streaks.putalpha(ImageChops.multiply(streaks.getchannel("A"), fade))
        picture = scene.copy()
        picture.alpha_composite(streaks, (0, hz))
        # lamps, kerbs and road markings stay crisp on top of their reflections
        road = scene.crop((0, hz, W, H))
        keep = road.convert("L").point(lambda v: 255 if v > 70 else round(v * 2))
        picture.paste(road, (0, hz), keep)
        # title, then its faint reflection in the wet road
        title = title_text("quillmere", 330 * s, s)
        tx, ty = (W - title.width) // 2, round(4 * s)
        picture.alpha_composite(title, (tx, ty))
        refl = ImageOps.flip(title).filter(ImageFilter.GaussianBlur(2 * s))
        refl.putalpha(refl.getchannel("A").point(lambda a: round(a * 0.12)))
        paste_clipped(picture, refl, tx, 2 * hz - ty - title.height + 8 * s)
        # vignette
        vignette = Image.radial_gradient("L").resize((W, H)).point(lambda v: round(min(255, v * 0.55)))
        dark = Image.new("RGBA", (W, H), (0, 0, 8, 0))
        dark.putalpha(vignette)
        picture.alpha_composite(dark)
        save(picture, at2x("start.jpg", s))


# ---------------------------------------------------------------- application icon


def icon_svg():
    """The application icon as one self-contained SVG: the backdrop of src/icon-bg.svg, the
    letter Q of the Lobster font as a path (a dark rim and a pink glow around it) filled with
    the gold of src/icon-q.svg, all inside the backdrop's rounded square."""
    from fontTools.pens.boundsPen import BoundsPen
    from fontTools.pens.svgPathPen import SVGPathPen
    from fontTools.ttLib import TTFont

    glyphs = TTFont(TITLE_FONT).getGlyphSet()
    name = TTFont(TITLE_FONT).getBestCmap()[ord("Q")]
    bounds, outline = BoundsPen(glyphs), SVGPathPen(glyphs, lambda v: f"{v:g}")
    glyphs[name].draw(bounds)
    glyphs[name].draw(outline)
    x0, y0, x1, y1 = bounds.bounds
    scale = 250 / 1000  # 250 px letters of a 1000-unit em, centred 4 px above the middle
    tx, ty = 128 - scale * (x0 + x1) / 2, 124 + scale * (y0 + y1) / 2

    def inner(source):
        with open(os.path.join(SRC, source), encoding="utf-8") as f:
            text = f.read()
        return text[text.index(">", text.index("<svg")) + 1:text.rindex("</svg>")].strip("\n")

    gold = re.search(r"<defs>(.*)</defs>", inner("icon-q.svg"), re.S).group(1).strip("\n")
    return f"""<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" viewBox="0 0 256 256" width="256" height="256">
  <!-- quillmere's application icon, made by assets/make_pictures.py from src/icon-bg.svg, src/icon-q.svg and the Lobster font's Q. -->
{inner("icon-bg.svg")}
  <defs>
{gold}
    <path id="q" transform="matrix({scale:g} 0 0 {-scale:g} {tx:.3f} {ty:.3f})" d="{outline.getCommands()}"/>
    <clipPath id="q-shape"><use xlink:href="#q"/></clipPath>
    <clipPath id="tile"><rect x="4" y="4" width="248" height="248" rx="52"/></clipPath>
    <filter id="rim" x="-20%" y="-20%" width="140%" height="140%"><feMorphology operator="dilate" radius="6"/></filter>
    <filter id="glow" x="-30%" y="-30%" width="160%" height="160%">
      <feMorphology operator="dilate" radius="6"/><feGaussianBlur stdDeviation="10"/>
    </filter>
  </defs>
  <g clip-path="url(#tile)">
    <use xlink:href="#q" fill="#ff2896" filter="url(#glow)"/>
    <use xlink:href="#q" fill="#1e0828" filter="url(#rim)"/>
    <rect width="256" height="256" fill="url(#gold)" clip-path="url(#q-shape)"/>
  </g>
</svg>
"""


# The sizes a desktop asks the hicolor theme for; scalable/ holds the SVG itself.
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256, 512)
ICONS = os.path.join(HERE, "icons", "hicolor")


def make_icon():
    text = icon_svg()
    scalable = os.path.join(ICONS, "scalable", "apps")
    os.makedirs(scalable, exist_ok=True)
    with open(os.path.join(scalable, "quillmere.svg"), "w", encoding="utf-8") as f:
        f.write(text)
    save(svg(text, 256, 256), "icon.png")
    for size in ICON_SIZES:
        folder = os.path.join(ICONS, f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        svg(text, size, size).save(os.path.join(folder, "quillmere.png"), "PNG", optimize=True)


# ---------------------------------------------------------------- contact sheet


def checker(w, h, cell=6):
    img = Image.new("RGBA", (w, h), (58, 62, 72, 255))
    d = ImageDraw.Draw(img)
    for y in range(0, h, cell):
        for x in range(0, w, cell):
            if (x // cell + y // cell) % 2:
                d.rectangle((x, y, x + cell - 1, y + cell - 1), fill=(70, 75, 86, 255))
    return img


def make_contact_sheet():
    groups = [
        ("Start picture", ["start.jpg"]),
        ("Goods", list(GOODS)),
        ("Money panel", ["cash.png", "bank.png", "tonyicon.png"]),
        ("Cars", [f"{n}.png" for n in CARS]),
        ("Guns", [f"{n}.png" for n in GUNS]),
        ("Portraits", ["cop.jpg", "tony.jpg"]),
        ("Other", ["blank.png", "icon.png"]),
    ]
    label = ImageFont.truetype(LABEL_FONT, 13)
    head = ImageFont.truetype(LABEL_BOLD, 18)
    width, margin, gap = 1360, 16, 14
    cells = []  # (group, [(name, image-with-label)])
    for title, names in groups:
        row = []
        for n in names:
            imgs = [Image.open(os.path.join(OUT, n)).convert("RGBA")]
            if n != "icon.png":
                imgs.append(Image.open(os.path.join(OUT, at2x(n, 2))).convert("RGBA"))
            w = sum(i.width for i in imgs) + 8 * (len(imgs) - 1) + 12
            h = max(i.height for i in imgs) + 12 + 20
            text = n + ("   1x + 2x" if len(imgs) > 1 else "   256 px")
            tw = round(ImageDraw.Draw(Image.new("L", (1, 1))).textlength(text, font=label)) + 12
            cell = Image.new("RGBA", (max(w, tw), h), (36, 39, 46, 255))
            x = 6
            for i in imgs:
                cell.alpha_composite(checker(i.width, i.height), (x, 6))
                cell.alpha_composite(i, (x, 6))
                x += i.width + 8
            ImageDraw.Draw(cell).text((6, h - 18), text, font=label, fill=(225, 228, 235, 255))
            row.append(cell)
        cells.append((title, row))
    # flow layout
    placed, y = [], margin
    for title, row in cells:
        placed.append(("head", title, margin, y))
        y += 28
        x, line_h = margin, 0
        for c in row:
            if x + c.width > width - margin and x > margin:
                x, y = margin, y + line_h + gap
                line_h = 0
            placed.append(("cell", c, x, y))
            x += c.width + gap
            line_h = max(line_h, c.height)
        y += line_h + gap + 6
    sheet = Image.new("RGBA", (width, y + margin), (24, 26, 31, 255))
    d = ImageDraw.Draw(sheet)
    for kind, obj, x, yy in placed:
        if kind == "head":
            d.text((x, yy), obj, font=head, fill=(255, 150, 210, 255))
        else:
            sheet.alpha_composite(obj, (x, yy))
    os.makedirs(os.path.dirname(SHEET), exist_ok=True)
    sheet.convert("RGB").save(SHEET, "PNG", optimize=True)


# ---------------------------------------------------------------- main


def main():
    for path in (EMOJI_FONT, TITLE_FONT, LABEL_FONT, LABEL_BOLD):
        if not os.path.exists(path):
            raise SystemExit(f"missing {path}: see the package list at the top of {__file__}")
    os.makedirs(OUT, exist_ok=True)
    steps = [make_goods, make_money, make_side_views, make_portraits, make_blank, make_start, make_icon,
             make_contact_sheet]
    only = set(sys.argv[1:])
    for step in steps:
        if only and step.__name__ not in only:
            continue
        step()
        print(step.__name__, "done")


if __name__ == "__main__":
    main()
