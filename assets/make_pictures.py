#!/usr/bin/python3
"""Draw the game's pictures and write them to assets/pictures/.

Needs a Python 3 with Pillow. On Debian 12 that is the system interpreter,
/usr/bin/python3, with the package python3-pil (the pyenv interpreters on the
build machines have no Pillow). Fonts come from fonts-lato.

    /usr/bin/python3 assets/make_pictures.py [output-dir]

Every picture is written twice: NAME.png at its natural size and NAME@2x.png
at exactly double the size. Both are drawn from the same scene description in
logical (1x) coordinates, rendered at the target resolution with 4x
supersampling, so the 2x picture has real detail instead of being an
enlargement. All randomness comes from fixed seeds: running the script again
gives byte-for-byte the same files.
"""

import math
import os
import random
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

SS = 4  # supersampling factor for anti-aliased shapes
LATO_BLACK = "/usr/share/fonts/truetype/lato/Lato-Black.ttf"


# ---------------------------------------------------------------- helpers

def hex_rgb(h):
    h = h.lstrip("#")
    return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    if isinstance(a, int):
        return int(round(a + (b - a) * t))
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def gradient_at(stops, t):
    """Colour at t in a list of (position, colour) stops."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 0.0)
    return stops[-1][1]


def vgradient(w, h, stops, mode="RGB"):
    """Vertical gradient; stops are (0..1, colour) with colours of the mode."""
    img = Image.new(mode, (w, h))
    d = ImageDraw.Draw(img)
    for y in range(h):
        c = gradient_at(stops, (y + 0.5) / h)
        d.line([(0, y), (w - 1, y)], fill=c)
    return img


def radial_mask(w, h, cx, cy, rx, ry, power=2.0):
    """L mask: 255 at (cx, cy) falling to 0 at the ellipse (rx, ry).

    Drawn as many concentric filled ellipses; smooth enough once blurred.
    """
    m = Image.new("L", (w, h), 0)
    d = ImageDraw.Draw(m)
    steps = 64
    for i in range(steps, 0, -1):
        t = i / steps
        v = int(255 * (1.0 - t) ** power)
        d.ellipse([cx - rx * t, cy - ry * t, cx + rx * t, cy + ry * t], fill=v)
    return m.filter(ImageFilter.GaussianBlur(max(rx, ry) / 24))


def shape_mask(size, s, draw_fn):
    """Anti-aliased L mask: draw_fn(draw, k) draws with logical*k coordinates."""
    w, h = size
    big = Image.new("L", (w * SS, h * SS), 0)
    draw_fn(ImageDraw.Draw(big), s * SS)
    return big.resize((w, h), Image.LANCZOS)


def solid(size, colour, mode="RGB"):
    return Image.new(mode, size, colour)


def paste_colour(base, colour, mask, opacity=1.0):
    """Composite a flat colour onto an RGB(A) image through an L mask."""
    if opacity < 1.0:
        mask = mask.point(lambda v: int(v * opacity))
    layer = Image.new(base.mode, base.size, colour if base.mode == "RGB" else colour + (255,))
    base.paste(layer, (0, 0), mask)


def noise_l(size, seed, amplitude, mean=128):
    """Deterministic grey noise image (L) around mean."""
    rnd = random.Random(seed)
    w, h = size
    data = bytes(max(0, min(255, mean + rnd.randint(-amplitude, amplitude))) for _ in range(w * h))
    return Image.frombytes("L", size, data)


def ridge(rnd, x0, x1, base_y, roughness, n_levels=7):
    """Mountain ridge by midpoint displacement, in logical coordinates."""
    pts = [(x0, base_y + rnd.uniform(-roughness, roughness) * 0.5),
           (x1, base_y + rnd.uniform(-roughness, roughness) * 0.5)]
    amp = roughness
    for _ in range(n_levels):
        out = []
        for (ax, ay), (bx, by) in zip(pts, pts[1:]):
            out.append((ax, ay))
            out.append(((ax + bx) / 2, (ay + by) / 2 + rnd.uniform(-amp, amp)))
        out.append(pts[-1])
        pts = out
        amp *= 0.55
    return pts


def rounded_rect(d, box, radius, fill):
    d.rounded_rectangle(box, radius=radius, fill=fill)


# ------------------------------------------------------- main background

def main_background(s):
    """Dusk over a mountain lake, with a frosted panel for the countdown.

    The window stretches the picture over 452 x 259, so a point at client
    (cx, cy) lies at picture (cx * 400 / 452, cy * 290 / 259). The hint text
    (client x 8..184, y 176..240) falls on the dark shore at the lower left;
    the countdown (client x 168..296, y 208..248) on a light frosted panel.
    """
    W, H = 400, 290
    w, h = W * s, H * s
    horizon = 168  # logical y of the water line

    # Sky: deep indigo at the top warming to peach at the horizon.
    sky = vgradient(w, h, [
        (0.00, hex_rgb("#131b3a")),
        (0.20, hex_rgb("#23346a")),
        (0.36, hex_rgb("#48619a")),
        (0.46, hex_rgb("#9192bb")),
        (0.52, hex_rgb("#e2b3a4")),
        (0.57, hex_rgb("#f8d4a8")),
        (1.00, hex_rgb("#f8d4a8")),
    ])
    img = sky.copy()

    # Low sun glow just above the far ridge, right of centre.
    glow = radial_mask(w, h, 262 * s, 150 * s, 170 * s, 70 * s, power=2.2)
    paste_colour(img, hex_rgb("#ffe2b8"), glow, 0.85)

    # A few faint stars in the dark part of the sky.
    rnd = random.Random(2401)
    stars = Image.new("L", (w, h), 0)
    sd = ImageDraw.Draw(stars)
    for _ in range(46):
        x, y = rnd.uniform(0, W), rnd.uniform(0, 70) ** 1.0
        r = rnd.choice((0.45, 0.55, 0.7, 0.9))
        v = int(rnd.uniform(90, 230) * (1 - y / 90))
        sd.ellipse([(x - r) * s, (y - r) * s, (x + r) * s, (y + r) * s], fill=v)
    stars = stars.filter(ImageFilter.GaussianBlur(0.35 * s))
    paste_colour(img, (255, 250, 235), stars)

    # Bokeh: soft out-of-focus discs drifting across the middle of the sky.
    bokeh_colours = [hex_rgb(c) for c in ("#ffd9a8", "#ffc2c7", "#bcd6ff", "#fff0cf", "#d6c7ff")]
    for i in range(30):
        x = rnd.uniform(-10, W + 10)
        y = rnd.uniform(40, 150)
        r = rnd.uniform(3.5, 15.0) * (0.7 + y / 300)
        a = rnd.uniform(0.10, 0.28)
        col = rnd.choice(bokeh_colours)

        def disc(d, k, x=x, y=y, r=r):
            d.ellipse([(x - r) * k, (y - r) * k, (x + r) * k, (y + r) * k], fill=255)
        m = shape_mask((w, h), s, disc).filter(ImageFilter.GaussianBlur(r * s * 0.12))
        # A slightly brighter rim, as real lens bokeh has.
        rim = shape_mask((w, h), s, lambda d, k, x=x, y=y, r=r: d.ellipse(
            [(x - r) * k, (y - r) * k, (x + r) * k, (y + r) * k], outline=255, width=max(1, int(0.9 * k))))
        paste_colour(img, col, m, a)
        paste_colour(img, col, rim, a * 0.8)

    # Three mountain ranges, fading with distance.
    ranges = [
        (hex_rgb("#b49fb6"), horizon - 30, 26, 11, 0.9),
        (hex_rgb("#75739f"), horizon - 15, 17, 12, 1.0),
        (hex_rgb("#3b4574"), horizon - 4, 7, 13, 1.0),
    ]
    for colour, base_y, rough, seed, op in ranges:
        pts = ridge(random.Random(seed), -20, W + 20, base_y, rough)
        poly = pts + [(W + 20, horizon + 1), (-20, horizon + 1)]
        m = shape_mask((w, h), s, lambda d, k, poly=poly: d.polygon([(x * k, y * k) for x, y in poly], fill=255))
        # Haze: each range lighter towards its foot.
        rng = vgradient(w, h, [(0.0, colour), ((base_y - 10) / H, colour),
                               (horizon / H, mix(colour, hex_rgb("#f3cdb0"), 0.35)), (1.0, colour)])
        img.paste(rng, (0, 0), m.point(lambda v, op=op: int(v * op)))

    # Water: the sky mirrored and darkened, deepening towards the bottom.
    band = img.crop((0, 0, w, horizon * s)).transpose(Image.FLIP_TOP_BOTTOM)
    water_h = h - horizon * s
    reflection = Image.new("RGB", (w, water_h))
    reflection.paste(band.resize((w, min(water_h, band.height)), Image.BILINEAR), (0, 0))
    reflection = reflection.filter(ImageFilter.GaussianBlur(radius=(1.2 * s)))
    deep = vgradient(w, water_h, [(0.0, hex_rgb("#2a3560")), (0.45, hex_rgb("#161f40")), (1.0, hex_rgb("#0b1128"))])
    fade = vgradient(w, water_h, [(0.0, 120), (0.35, 200), (1.0, 255)], mode="L")
    water = Image.composite(deep, reflection, fade)
    img.paste(water, (0, horizon * s))

    # The sun's path on the water: a tall soft glow under the sun...
    path = radial_mask(w, h, 262 * s, (horizon + 22) * s, 46 * s, 100 * s, power=1.6)
    path = ImageChops.multiply(path, vgradient(w, h, [(0.0, 0), (horizon / H, 0), (horizon / H + 0.005, 255),
                                                      (1.0, 60)], mode="L"))
    paste_colour(img, hex_rgb("#f3c89e"), path, 0.45)

    # ...broken up by thin glints, denser and brighter close to the path.
    rip = Image.new("L", (w, h), 0)
    rd = ImageDraw.Draw(rip)
    rr = random.Random(77)
    for _ in range(230):
        depth = rr.random() ** 1.5
        y = horizon + 1.5 + depth * (H - horizon - 4)
        spread = 18 + depth * 70
        cx = rr.gauss(262, spread)
        length = rr.uniform(2, 10) * (1.0 + depth * 3.0)
        near = math.exp(-((cx - 262) / (spread * 1.4)) ** 2)
        v = int(rr.uniform(60, 220) * near * (1 - 0.75 * depth))
        rd.line([((cx - length / 2) * s, y * s), ((cx + length / 2) * s, y * s)], fill=v,
                width=max(1, int(0.7 * s)))
    rip = rip.filter(ImageFilter.GaussianBlur(0.4 * s))
    paste_colour(img, hex_rgb("#ffe4c2"), rip)

    # Dark near shore on the left with a stand of pines: keeps the lower-left
    # corner deep enough for cyan text.
    shore = [(-5, 196), (20, 192), (48, 194), (80, 201), (112, 211), (140, 224),
             (158, 240), (170, 262), (176, 295), (-5, 295)]
    m = shape_mask((w, h), s, lambda d, k: d.polygon([(x * k, y * k) for x, y in shore], fill=255))
    land = vgradient(w, h, [(0.0, hex_rgb("#141a30")), (0.66, hex_rgb("#121830")), (1.0, hex_rgb("#070a16"))])
    img.paste(land, (0, 0), m)

    def pine(d, k, x, base, height, width):
        tiers = 5
        for t in range(tiers):
            top = base - height + t * height / (tiers + 1.2)
            bottom = top + height * 0.42
            half = width * (0.35 + 0.65 * (t + 1) / tiers) / 2
            d.polygon([(x * k, top * k), ((x - half) * k, bottom * k), ((x + half) * k, bottom * k)], fill=255)
        d.rectangle([(x - width * 0.05) * k, (base - height * 0.1) * k, (x + width * 0.05) * k, base * k], fill=255)

    trees = [(8, 199, 46, 19), (22, 196, 62, 23), (37, 198, 40, 17), (51, 199, 52, 20),
             (66, 203, 34, 15), (80, 206, 26, 12), (93, 209, 19, 9)]
    m = shape_mask((w, h), s, lambda d, k: [pine(d, k, *t) for t in trees])
    paste_colour(img, hex_rgb("#0d1226"), m)

    # Vignette to draw the eye to the middle and darken the lower corners.
    vign = radial_mask(w, h, w / 2, h * 0.42, w * 0.85, h * 0.85, power=0.7)
    dark = Image.new("RGB", (w, h), hex_rgb("#060914"))
    img = Image.composite(img, dark, vign.point(lambda v: int(150 + v * 105 / 255)))

    # Frosted panel for the countdown: the scene behind it blurred and paled.
    px0, py0, px1, py1, pr = 144, 228, 268, 283, 10
    shadow = shape_mask((w, h), s, lambda d, k: d.rounded_rectangle(
        [(px0 + 1) * k, (py0 + 3) * k, (px1 + 1) * k, (py1 + 3) * k], radius=pr * k, fill=255))
    paste_colour(img, (0, 0, 0), shadow.filter(ImageFilter.GaussianBlur(3 * s)), 0.55)
    panel_mask = shape_mask((w, h), s, lambda d, k: d.rounded_rectangle(
        [px0 * k, py0 * k, px1 * k, py1 * k], radius=pr * k, fill=255))
    frosted = img.filter(ImageFilter.GaussianBlur(7 * s))
    cream = vgradient(w, h, [(0.0, hex_rgb("#fffaf0")), (py0 / H, hex_rgb("#fffaf0")),
                             (py1 / H, hex_rgb("#f7e6cc")), (1.0, hex_rgb("#f7e6cc"))])
    frosted = Image.blend(frosted, cream, 0.93)
    img.paste(frosted, (0, 0), panel_mask)
    # Hairline rim: light at the top, warmer at the bottom.
    rim = shape_mask((w, h), s, lambda d, k: d.rounded_rectangle(
        [px0 * k, py0 * k, px1 * k, py1 * k], radius=pr * k, outline=255, width=int(1 * k)))
    paste_colour(img, hex_rgb("#ffffff"), rim, 0.75)
    # A soft sheen across the top half of the panel.
    sheen = shape_mask((w, h), s, lambda d, k: d.rounded_rectangle(
        [(px0 + 2) * k, (py0 + 2) * k, (px1 - 2) * k, (py0 + 16) * k], radius=(pr - 2) * k, fill=255))
    paste_colour(img, (255, 255, 255), sheen.filter(ImageFilter.GaussianBlur(2 * s)), 0.35)

    # Fine grain so the gradients do not band.
    grain = noise_l((w, h), 99 + s, 4)
    img = ImageChops.add(img, Image.merge("RGB", [grain] * 3), 1.0, -128)
    return img


# ---------------------------------------------------------------- tiles

TILE_STOPS = [(0.0, hex_rgb("#44527a")), (0.5, hex_rgb("#2b3656")), (1.0, hex_rgb("#1a2239"))]
FACE_STOPS = [(0.0, hex_rgb("#28324f")), (1.0, hex_rgb("#222b45"))]


def draw_tile(s, size, radius, seed):
    """One glossy slate tile, size x size logical pixels, as an RGBA image.

    A raised rim (lit from above) around a slightly sunken face, a faint
    speckle in the stone and a gloss over the upper half that stays weak
    enough not to wash out bright digits drawn on top.
    """
    n = size * s
    img = vgradient(n, n, TILE_STOPS).convert("RGBA")
    body = shape_mask((n, n), s, lambda d, k: d.rounded_rectangle(
        [0, 0, size * k - 1, size * k - 1], radius=radius * k, fill=255))

    # Speckle in the stone.
    speck = noise_l((n, n), seed, 7)
    speck = speck.filter(ImageFilter.GaussianBlur(0.6 * s))
    img = Image.merge("RGBA", [ImageChops.add(c, speck, 1.0, -128) for c in img.split()[:3]] + [img.split()[3]])

    # Sunken face.
    inset = 5
    face = vgradient(n, n, FACE_STOPS).convert("RGBA")
    fm = shape_mask((n, n), s, lambda d, k: d.rounded_rectangle(
        [inset * k, inset * k, (size - inset) * k - 1, (size - inset) * k - 1], radius=(radius - 3) * k, fill=255))
    face_speck = Image.merge("RGBA", [ImageChops.add(c, speck, 1.0, -128) for c in face.split()[:3]] + [face.split()[3]])
    img.paste(face_speck, (0, 0), fm)

    # Inner shadow along the top of the face, light along its bottom: the face
    # reads as sitting below the rim.
    edge = shape_mask((n, n), s, lambda d, k: d.rounded_rectangle(
        [inset * k, inset * k, (size - inset) * k - 1, (size - inset) * k - 1], radius=(radius - 3) * k,
        outline=255, width=int(1.2 * k)))
    top_half = vgradient(n, n, [(0.0, 255), (0.45, 0), (1.0, 0)], mode="L")
    bottom_half = vgradient(n, n, [(0.0, 0), (0.6, 0), (1.0, 255)], mode="L")
    paste_colour(img, (8, 10, 20), ImageChops.multiply(edge, top_half), 0.8)
    paste_colour(img, (120, 140, 185), ImageChops.multiply(edge, bottom_half), 0.55)

    # Outer rim highlight, strongest along the top edge.
    rim = shape_mask((n, n), s, lambda d, k: d.rounded_rectangle(
        [0, 0, size * k - 1, size * k - 1], radius=radius * k, outline=255, width=int(1.1 * k)))
    rim_fade = vgradient(n, n, [(0.0, 255), (0.5, 90), (1.0, 20)], mode="L")
    paste_colour(img, (170, 190, 230), ImageChops.multiply(rim, rim_fade), 0.9)

    # Gloss over the upper half.
    gloss = shape_mask((n, n), s, lambda d, k: d.rounded_rectangle(
        [3 * k, 2 * k, (size - 3) * k, size * 0.48 * k], radius=(radius - 2) * k, fill=255))
    gloss_fade = vgradient(n, n, [(0.0, 255), (0.48, 0), (1.0, 0)], mode="L")
    paste_colour(img, (255, 255, 255), ImageChops.multiply(gloss, gloss_fade), 0.16)

    img.putalpha(body)
    return img


def tiles_strip(s):
    """Four tiles behind the number boxes at x = 4, 96, 190, 282 (69 wide, y 10..66)."""
    W, H = 361, 83
    size, radius = 77, 12
    out = Image.new("RGBA", (W * s, H * s), (0, 0, 0, 0))
    for i, box_x in enumerate((4, 96, 190, 282)):
        cx = box_x + 69 / 2
        left = int(round(cx - size / 2))
        tile = draw_tile(s, size, radius, seed=500 + i * 7 + s)
        # Soft drop shadow under the tile.
        sh = Image.new("L", (W * s, H * s), 0)
        ImageDraw.Draw(sh).rounded_rectangle(
            [(left + 1) * s, 2 * s, (left + size - 1) * s, (size + 2) * s], radius=radius * s, fill=150)
        sh = sh.filter(ImageFilter.GaussianBlur(1.6 * s))
        shadow = Image.new("RGBA", (W * s, H * s), (0, 0, 0, 255))
        shadow.putalpha(sh)
        out = Image.alpha_composite(out, shadow)
        layer = Image.new("RGBA", (W * s, H * s), (0, 0, 0, 0))
        layer.paste(tile, (left * s, 0))
        out = Image.alpha_composite(out, layer)
    return out


# --------------------------------------------------------- intro background

def intro_background(s):
    """Pale paper with a fine double frame and small corner ornaments.

    Blue body text covers nearly all of it, so everything inside the frame
    stays within a few levels of the paper colour. The window stretches the
    picture to 582 x 369, so the ornaments avoid circles that would visibly
    squash.
    """
    W = H = 495
    w, h = W * s, H * s
    img = vgradient(w, h, [(0.0, hex_rgb("#fbf9f3")), (1.0, hex_rgb("#f6f2e8"))])

    # Warm the edges a little, like old paper.
    centre = radial_mask(w, h, w / 2, h / 2, w * 0.78, h * 0.78, power=0.55)
    edge = Image.new("RGB", (w, h), hex_rgb("#ece3d0"))
    img = Image.composite(img, edge, centre.point(lambda v: int(155 + v * 100 / 255)))

    # A faint blue wash in two opposite corners, like a watercolour tint,
    # echoing the frame colour.
    for cx, cy in ((0, 0), (w, h)):
        wash = radial_mask(w, h, cx, cy, w * 0.62, h * 0.5, power=1.8)
        paste_colour(img, hex_rgb("#d3e0ef"), wash, 0.6)

    # Paper fibre: fine noise stretched along one direction.
    fibre = noise_l((W // 8, H // 2), 4242, 5).resize((w, h), Image.BICUBIC)
    fibre = fibre.filter(ImageFilter.GaussianBlur(0.8 * s))
    img = ImageChops.add(img, Image.merge("RGB", [fibre] * 3), 1.0, -128)

    frame = hex_rgb("#a9bcd3")
    frame_soft = hex_rgb("#c8d5e4")

    def frame_lines(d, k):
        o, i2 = 12, 17
        d.rounded_rectangle([o * k, o * k, (W - o) * k, (H - o) * k], radius=6 * k,
                            outline=255, width=max(1, int(1.4 * k)))
        d.rectangle([i2 * k, i2 * k, (W - i2) * k, (H - i2) * k], outline=160, width=max(1, int(0.7 * k)))
    m = shape_mask((w, h), s, frame_lines)
    paste_colour(img, frame, m)

    def corner_ornament(d, k):
        # A small diamond in each corner with two short rules running off it.
        for cx, cy, sx, sy in ((17, 17, 1, 1), (W - 17, 17, -1, 1), (17, H - 17, 1, -1), (W - 17, H - 17, -1, -1)):
            r = 5.5
            d.polygon([((cx) * k, (cy - r) * k), ((cx + r) * k, cy * k), (cx * k, (cy + r) * k), ((cx - r) * k, cy * k)],
                      fill=255)
            r2 = 2.4
            d.polygon([((cx + sx * 10) * k, (cy - r2) * k), ((cx + sx * 10 + r2) * k, cy * k),
                       ((cx + sx * 10) * k, (cy + r2) * k), ((cx + sx * 10 - r2) * k, cy * k)], fill=200)
            d.polygon([(cx * k, (cy + sy * 10 - r2) * k), ((cx + r2) * k, (cy + sy * 10) * k),
                       (cx * k, (cy + sy * 10 + r2) * k), ((cx - r2) * k, (cy + sy * 10) * k)], fill=200)
    m = shape_mask((w, h), s, corner_ornament)
    paste_colour(img, frame, m)

    # Small ornaments at the middle of each side: three dots.
    def side_dots(d, k):
        for cx, cy, dx, dy in ((W / 2, 12, 1, 0), (W / 2, H - 12, 1, 0), (12, H / 2, 0, 1), (W - 12, H / 2, 0, 1)):
            for j, r in ((-1, 1.3), (0, 2.2), (1, 1.3)):
                x, y = cx + dx * j * 7, cy + dy * j * 7
                d.rectangle([(x - r) * k, (y - r) * k, (x + r) * k, (y + r) * k], fill=255)
    m = shape_mask((w, h), s, side_dots)
    # Knock the frame line out behind the dots first, so they sit on paper.
    knock = shape_mask((w, h), s, lambda d, k: [d.rectangle(
        [(cx - 13) * k, (cy - 3) * k, (cx + 13) * k, (cy + 3) * k] if horiz else
        [(cx - 3) * k, (cy - 13) * k, (cx + 3) * k, (cy + 13) * k], fill=255)
        for cx, cy, horiz in ((W / 2, 12, True), (W / 2, H - 12, True), (12, H / 2, False), (W - 12, H / 2, False))])
    paper_behind = img.filter(ImageFilter.GaussianBlur(8 * s))
    img.paste(paper_behind, (0, 0), knock)
    paste_colour(img, frame, m)

    # A very faint lattice of squares in the corners, fading inwards.
    lattice = Image.new("L", (w, h), 0)
    ld = ImageDraw.Draw(lattice)
    step = 11
    for gx in range(24, W - 20, step):
        for gy in range(24, H - 20, step):
            dx = min(gx - 24, W - 24 - gx)
            dy = min(gy - 24, H - 24 - gy)
            dist = math.hypot(max(0, 60 - dx), max(0, 60 - dy))
            if dx < 60 and dy < 60:
                v = int(min(1.0, dist / 70) * 90)
                ld.rectangle([(gx + 1) * s, (gy + 1) * s, (gx + step - 2) * s, (gy + step - 2) * s],
                             outline=v, width=max(1, s // 2 if s > 1 else 1))
    paste_colour(img, frame_soft, lattice.filter(ImageFilter.GaussianBlur(0.3 * s)), 0.6)
    return img


# ----------------------------------------------------------------- icon

def icon(s):
    """A slate tile, like the game's, with a bold warm "24"."""
    size, radius = 64, 13
    n = size * s
    tile = draw_tile(s, 60, 12, seed=9000 + s)
    out = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    sh = Image.new("L", (n, n), 0)
    ImageDraw.Draw(sh).rounded_rectangle([3 * s, 4 * s, 61 * s, 63 * s], radius=radius * s, fill=140)
    shadow = Image.new("RGBA", (n, n), (0, 0, 0, 255))
    shadow.putalpha(sh.filter(ImageFilter.GaussianBlur(1.3 * s)))
    out = Image.alpha_composite(out, shadow)
    layer = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    layer.paste(tile, (2 * s, 1 * s))
    out = Image.alpha_composite(out, layer)

    # The digits: drawn large at supersampled size, shadow first.
    font = ImageFont.truetype(LATO_BLACK, int(36 * s * SS))
    big = Image.new("L", (n * SS, n * SS), 0)
    d = ImageDraw.Draw(big)
    text = "24"
    box = d.textbbox((0, 0), text, font=font)
    tw, th = box[2] - box[0], box[3] - box[1]
    tx = (n * SS - tw) / 2 - box[0]
    ty = (n * SS - th) / 2 - box[1]
    d.text((tx, ty), text, font=font, fill=255)
    glyphs = big.resize((n, n), Image.LANCZOS)

    text_shadow = Image.new("RGBA", (n, n), (0, 0, 0, 255))
    text_shadow.putalpha(ImageChops.offset(glyphs, 0, max(1, int(1.5 * s))).filter(ImageFilter.GaussianBlur(0.8 * s)))
    out = Image.alpha_composite(out, text_shadow)
    fill = vgradient(n, n, [(0.0, hex_rgb("#ffd27a")), (0.42, hex_rgb("#ffa03a")), (0.75, hex_rgb("#ff7a00")),
                            (1.0, hex_rgb("#e06400"))]).convert("RGBA")
    fill.putalpha(glyphs)
    out = Image.alpha_composite(out, fill)
    return out


# ------------------------------------------------------------------ main

PICTURES = {
    "main_bg": (main_background, (400, 290)),
    "tiles": (tiles_strip, (361, 83)),
    "intro_bg": (intro_background, (495, 495)),
    "icon": (icon, (64, 64)),
}


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "pictures")
    os.makedirs(out_dir, exist_ok=True)
    for name, (fn, (w, h)) in PICTURES.items():
        for s, suffix in ((1, ""), (2, "@2x")):
            img = fn(s)
            assert img.size == (w * s, h * s), (name, img.size)
            path = os.path.join(out_dir, f"{name}{suffix}.png")
            # No timestamps or other chunks that change from run to run.
            img.save(path, optimize=True)
            print(f"{path}: {img.size[0]}x{img.size[1]} {img.mode}")


if __name__ == "__main__":
    main()
