#!/usr/bin/env python3
"""Write the colour themes in THEMES to assets/skins/skinNN.she.

Any Python 3 will do (standard library only):

    python3 assets/make_skins.py [output-dir]

The file layout is described at the top of platform/skinlib/skin_format.h.
Each row of THEMES gives the colours a designer picks; the rest are derived
here so that every theme follows the same rules:
  - text on the window face is the same colour as text in edit boxes;
  - highlighted text is white, or black where white would not read on
    the highlight colour;
  - disabled text sits a little over halfway from the text colour towards
    the face colour, faint but still legible.

The program applies theme 2, so that one must stay light and quiet and go
with the pictures (a dusk-blue scene and pale paper).
"""

import os
import struct
import sys
import zlib

FORMAT_VERSION = 1
HEADER_SIZE = 16

# name, window, text, base, button top, button bottom, button text,
# highlight, border, corner radius
THEMES = [
    ("素雪", "#F4F4F2", "#222222", "#FFFFFF", "#FFFFFF", "#E6E6E3", "#222222", "#4A7FC1", "#B5B5B0", 4),
    ("晴岚", "#E8EDF3", "#1E2B3A", "#FFFFFF", "#F8FAFC", "#D8E1EB", "#1E2B3A", "#3D7BD0", "#97A8BC", 6),
    ("远山", "#ECEAF3", "#2A2540", "#FFFFFF", "#F8F7FC", "#DCD8EA", "#2A2540", "#6A5ACD", "#A8A2C2", 6),
    ("樱粉", "#F8EEF0", "#3A2329", "#FFFFFF", "#FFF8F9", "#EFD6DB", "#3A2329", "#C9546F", "#C9A3AC", 8),
    ("薄荷", "#EAF4EF", "#1F3329", "#FFFFFF", "#F7FCF9", "#D3E7DC", "#1F3329", "#2A8F61", "#9EBFAE", 6),
    ("麦浪", "#F4EEE2", "#3A3020", "#FFFDF8", "#FFFAF0", "#E8DCC3", "#3A3020", "#B07A22", "#C2B08C", 5),
    ("青瓷", "#E6F0EC", "#213832", "#FAFDFC", "#F3FAF7", "#CFE2DA", "#213832", "#3B8F7A", "#98B8AD", 4),
    ("暮霭", "#E4E1E8", "#2B2833", "#F8F7FA", "#F2F0F5", "#D2CDD9", "#2B2833", "#8C5FA8", "#A39DAE", 5),
    ("海蓝", "#E3EEF7", "#14304A", "#FFFFFF", "#F2F8FD", "#C8DDEE", "#14304A", "#1E6FB8", "#8DB0CE", 6),
    ("杏黄", "#FBF1E4", "#3D2A14", "#FFFCF7", "#FFF6EA", "#F3D9B5", "#3D2A14", "#D9801A", "#D3B58C", 7),
    ("石墨", "#2E3136", "#E4E6EA", "#23262A", "#4A4E55", "#383B41", "#E9EBEE", "#5A9BE6", "#5A5F68", 5),
    ("午夜", "#1E2433", "#DCE3EE", "#161B27", "#39445C", "#2A3246", "#E4EAF3", "#4F8EF7", "#46516B", 6),
    ("松林", "#1F2A24", "#D7E6DC", "#17201B", "#3A4C41", "#2A3830", "#DDEBE2", "#4CAF7A", "#44574B", 5),
    ("酒红", "#2C1E22", "#EBDADF", "#221719", "#523740", "#3C2830", "#F0E1E5", "#C2496B", "#5E4249", 6),
    ("咖啡", "#EDE4DA", "#3B2C22", "#FBF7F2", "#F7F0E8", "#DCCBB8", "#3B2C22", "#8B5A3C", "#B7A18A", 5),
    ("冰川", "#EEF5F8", "#1D3440", "#FFFFFF", "#FAFDFE", "#D6E8F0", "#1D3440", "#2A9BC4", "#9EC3D3", 8),
    ("雾灰", "#E9E9E9", "#2B2B2B", "#FAFAFA", "#F5F5F5", "#D6D6D6", "#2B2B2B", "#5F7A99", "#A6A6A6", 3),
    ("柠檬", "#FAF7E3", "#3A361A", "#FFFFF7", "#FFFDEB", "#EFE7B0", "#3A361A", "#C9A800", "#CFC590", 6),
    ("珊瑚", "#FBEDE8", "#3D2219", "#FFFFFF", "#FFF7F4", "#F2D2C6", "#3D2219", "#E2674A", "#D3A798", 7),
    ("紫藤", "#F0EBF6", "#2E2340", "#FFFFFF", "#FAF7FD", "#DDD0EC", "#2E2340", "#8A63C7", "#B6A6CC", 8),
    ("黛青", "#1E2C2F", "#D6E7E8", "#162124", "#37504F", "#2A3E41", "#DDEEEE", "#3FB5B0", "#41595B", 5),
    ("夜紫", "#241F33", "#E2DCF0", "#1B1727", "#433A5E", "#312A47", "#E8E2F5", "#9B7BE0", "#4D4466", 6),
    ("炭黑", "#1B1B1D", "#E0E0E0", "#121213", "#3A3A3D", "#29292C", "#EEEEEE", "#E08A2E", "#48484C", 4),
    ("竹青", "#EEF3E4", "#273219", "#FDFFF8", "#F8FBF0", "#DAE5C3", "#273219", "#6E9A2E", "#AFBF92", 5),
    ("天青", "#E7F4F7", "#173840", "#FFFFFF", "#F5FBFC", "#CBE6EC", "#173840", "#1A8FAA", "#93C5D0", 7),
    ("玫瑰", "#F6E9EE", "#3B1E2A", "#FFFFFF", "#FEF6F9", "#EBCBD8", "#3B1E2A", "#C2406E", "#C99FB0", 6),
    ("沙丘", "#EFE6D8", "#3A2E1F", "#FBF6EE", "#F8F1E6", "#E0CDAF", "#3A2E1F", "#B9773A", "#BCA584", 3),
    ("钢蓝", "#DDE3EA", "#1E2833", "#F7F9FB", "#EEF2F6", "#C4CFDB", "#1E2833", "#4A6FA5", "#8C9AAB", 2),
    ("琥珀", "#2A2218", "#F0E2CC", "#201A12", "#4E3F2C", "#3A2F20", "#F5E6CE", "#E0A030", "#5C4C36", 5),
    ("极光", "#162326", "#D2EEEA", "#0F1A1C", "#2C4A4C", "#1F3638", "#DBF5F1", "#35D0B5", "#32585A", 8),
    ("月白", "#F3F6FA", "#27303B", "#FFFFFF", "#FFFFFF", "#E3E9F1", "#27303B", "#5C86C4", "#B9C5D4", 10),
    ("墨绿", "#1C2620", "#D9E4DC", "#141C17", "#34453A", "#26332B", "#E3EDE6", "#7FBF6A", "#415246", 4),
    ("晚霞", "#FBEEE6", "#3A2218", "#FFFBF8", "#FFF4EC", "#F4D3BE", "#3A2218", "#E0652F", "#D6AC94", 9),
]


def rgb(h):
    h = h.lstrip("#")
    return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))


def luminance(c):
    def channel(v):
        v /= 255
        return v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(v) for v in c)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def mix(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def colours_of(theme):
    """The eleven role colours in file order, as RGBA tuples."""
    _, window, text, base, top, bottom, button_text, highlight, border, _ = theme
    window, text, base, top, bottom, button_text, highlight, border = map(
        rgb, (window, text, base, top, bottom, button_text, highlight, border))
    white, black = (255, 255, 255), (0, 0, 0)
    # White on a coloured selection looks cleaner; fall back to black only
    # where white would be hard to read.
    highlighted_text = white if contrast(highlight, white) >= 3.0 else black
    disabled = mix(text, window, 0.55)
    roles = [window, text, base, text, top, bottom, button_text, highlight, highlighted_text, border, disabled]
    return [c + (255,) for c in roles]


def encode(theme):
    name = theme[0].encode("utf-8")
    radius = theme[-1]
    colours = colours_of(theme)
    body = struct.pack("<BBH", len(colours), radius, len(name))
    body += b"".join(bytes(c) for c in colours)
    body += name
    header = b".SHE" + struct.pack("<BBHII", FORMAT_VERSION, HEADER_SIZE, 0, len(body), zlib.crc32(body))
    assert len(header) == HEADER_SIZE
    return header + body


def check(themes):
    assert len(themes) == 33, len(themes)
    assert len({t[0] for t in themes}) == len(themes), "theme names must differ"
    assert len({tuple(t[1:]) for t in themes}) == len(themes), "themes must differ"
    for t in themes:
        assert 0 <= t[-1] <= 20, t
        c = colours_of(t)
        # Body and button text must be comfortably readable.
        assert contrast(c[0][:3], c[1][:3]) >= 7, (t[0], "window text")
        assert contrast(c[2][:3], c[3][:3]) >= 7, (t[0], "edit text")
        assert contrast(mix(c[4][:3], c[5][:3], 0.5), c[6][:3]) >= 7, (t[0], "button text")
        assert contrast(c[7][:3], c[8][:3]) >= 3, (t[0], "highlighted text")
    light = themes[1]
    assert luminance(rgb(light[1])) > 0.7, "theme 2 must be a light theme"


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "skins")
    check(THEMES)
    os.makedirs(out_dir, exist_ok=True)
    for number, theme in enumerate(THEMES, start=1):
        path = os.path.join(out_dir, f"skin{number:02d}.she")
        with open(path, "wb") as f:
            f.write(encode(theme))
        print(f"{path}: {theme[0]}")


if __name__ == "__main__":
    main()
