#!/usr/bin/env python3
"""Writes the sample unit and frame drawings data/wmf/*.wmf.

Each drawing is a schematic front view and side view of a condensing unit (AGR-...) or of its
frame (RAMA-...), with dimension lines lettered A .. H and Fi as in the program's dimension
group:

  A  overall length            B  overall depth          C  overall height
  D  height of the lower part  E  hole spacing along A   F  hole spacing along B
  G  height of the base rails  H  width of the base rails Fi mounting hole diameter

Drawing units are millimetres of the real unit; the placeable header's scale puts a drawing on
paper at 1:20. The figures follow the sample frames 1 .. 6 in data/Podstawy.txt.

Rerun after changing it (Python 3, standard library only), from the repository root:

    python3 tools/make_drawings.py            # writes data/wmf/
    python3 tools/make_drawings.py OUT_DIR    # writes elsewhere
"""

import os
import struct
import sys

# Record functions of the Windows metafile format.
SETBKMODE = 0x0102
SETMAPMODE = 0x0103
SETTEXTALIGN = 0x012E
SELECTOBJECT = 0x012D
DELETEOBJECT = 0x01F0
SETTEXTCOLOR = 0x0209
SETWINDOWORG = 0x020B
SETWINDOWEXT = 0x020C
LINETO = 0x0213
MOVETO = 0x0214
CREATEPENINDIRECT = 0x02FA
CREATEFONTINDIRECT = 0x02FB
CREATEBRUSHINDIRECT = 0x02FC
POLYGON = 0x0324
POLYLINE = 0x0325
ELLIPSE = 0x0418
RECTANGLE = 0x041B
TEXTOUT = 0x0521
ROUNDRECT = 0x061C
SAVEDC = 0x001E
RESTOREDC = 0x0127

PS_SOLID, PS_DASH, PS_DASHDOT, PS_NULL = 0, 1, 3, 5
BS_SOLID, BS_NULL = 0, 1
TA_LEFT, TA_TOP, TA_RIGHT, TA_CENTER, TA_BOTTOM = 0, 0, 2, 6, 8
EASTEUROPE_CHARSET = 238
MM_ANISOTROPIC = 8
TRANSPARENT = 1


class Metafile:
    """A placeable Windows metafile built record by record."""

    def __init__(self):
        self.body = bytearray()
        self.objects = []  # True for a slot in use
        self.max_record = 0
        self.align = None

    def record(self, function, params=b""):
        if len(params) % 2:
            params += b"\0"
        words = 3 + len(params) // 2
        self.max_record = max(self.max_record, words)
        self.body += struct.pack("<IH", words, function) + params

    def words(self, function, *values):
        self.record(function, b"".join(struct.pack("<H", v & 0xFFFF) for v in values))

    def _new_object(self, function, params):
        self.record(function, params)
        for index, used in enumerate(self.objects):
            if not used:
                self.objects[index] = True
                return index
        self.objects.append(True)
        return len(self.objects) - 1

    @staticmethod
    def _colour(rgb):
        return struct.pack("<BBBB", rgb[0], rgb[1], rgb[2], 0)

    def pen(self, style, width, rgb):
        return self._new_object(CREATEPENINDIRECT,
                                struct.pack("<Hhh", style, width, 0) + self._colour(rgb))

    def brush(self, style, rgb=(0, 0, 0)):
        return self._new_object(CREATEBRUSHINDIRECT,
                                struct.pack("<H", style) + self._colour(rgb) + struct.pack("<H", 0))

    def font(self, height, escapement=0, weight=400, face="Arial"):
        params = struct.pack("<hhhhh", -height, 0, escapement, escapement, weight)
        params += bytes([0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 2, 0]) + face.encode("cp1250") + b"\0"
        return self._new_object(CREATEFONTINDIRECT, params)

    def select(self, index):
        self.words(SELECTOBJECT, index)

    def delete(self, index):
        self.words(DELETEOBJECT, index)
        self.objects[index] = False

    def rect(self, l, t, r, b):
        self.words(RECTANGLE, b, r, t, l)

    def round_rect(self, l, t, r, b, corner):
        self.words(ROUNDRECT, corner, corner, b, r, t, l)

    def ellipse(self, l, t, r, b):
        self.words(ELLIPSE, b, r, t, l)

    def circle(self, cx, cy, radius):
        self.ellipse(cx - radius, cy - radius, cx + radius, cy + radius)

    def line(self, x1, y1, x2, y2):
        self.words(MOVETO, y1, x1)
        self.words(LINETO, y2, x2)

    def _points(self, function, points):
        values = [len(points)]
        for x, y in points:
            values += [x, y]
        self.words(function, *values)

    def polyline(self, points):
        self._points(POLYLINE, points)

    def polygon(self, points):
        self._points(POLYGON, points)

    def text(self, x, y, text, align):
        if align != self.align:
            self.words(SETTEXTALIGN, align)
            self.align = align
        data = text.encode("cp1250")
        self.record(TEXTOUT, struct.pack("<h", len(data)) + data + (b"\0" if len(data) % 2 else b"")
                    + struct.pack("<hh", y, x))

    def save(self, path, left, top, right, bottom, units_per_inch):
        body = bytes(self.body) + struct.pack("<IH", 3, 0)
        size_words = (18 + len(body)) // 2
        header = struct.pack("<HHHIHIH", 1, 9, 0x0300, size_words, len(self.objects),
                             self.max_record, 0)
        placeable = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, left, top, right, bottom,
                                units_per_inch, 0)
        checksum = 0
        for (word,) in struct.iter_unpack("<H", placeable):
            checksum ^= word
        with open(path, "wb") as out:
            out.write(placeable + struct.pack("<H", checksum) + header + body)


# Colours: a light, neutral technical palette.
INK = (38, 46, 58)
DETAIL = (84, 94, 110)
DIMENSION = (0, 72, 150)
STEEL = (168, 177, 189)
CASING = (224, 230, 238)
COIL = (205, 214, 226)
COMPRESSOR = (128, 146, 170)
RECEIVER = (176, 187, 202)
FAN = (240, 244, 249)
HUB = (70, 80, 96)
COPPER = (184, 115, 51)
WHITE = (255, 255, 255)


class Drawing:
    """Front view and side view of one unit or frame, with its dimension lines."""

    def __init__(self, name, size, housing, kind):
        index = size - 1
        self.name = name
        self.housing = housing  # "BASE" or "BOX"
        self.kind = kind  # "AGR" (a whole unit) or "RAMA" (its frame)
        self.A = 850 + 250 * index
        self.B = 570 + 120 * index
        self.D = 300 + 40 * index
        self.E = self.A - 100
        self.F = self.B - 80
        self.G = 70 + 10 * index
        self.H = 45 + 5 * index
        self.Fi = 14 + 2 * index
        self.fans = 1 if size <= 2 else (2 if size <= 4 else 3)
        if housing == "BOX":
            self.C = 630 + 110 * index
        else:
            self.C = self.D + 420 + 50 * index  # the condenser stands on the lower part
        self.L = (self.A + self.B) // 20  # letter height
        self.arrow = self.L // 2
        self.m = Metafile()

    # --- dimension lines

    def _arrow(self, x, y, dx, dy):
        """A filled arrowhead with its tip at (x, y), pointing along (dx, dy)."""
        a, w = self.arrow, self.arrow // 3
        if dx:
            pts = [(x, y), (x - dx * a, y - w), (x - dx * a, y + w)]
        else:
            pts = [(x, y), (x - w, y - dy * a), (x + w, y - dy * a)]
        self.m.polygon(pts)

    def hdim(self, x1, x2, feature_y, line_y, letter):
        m, L, a = self.m, self.L, self.arrow
        down = 1 if line_y > feature_y else -1
        for x in (x1, x2):
            m.line(x, feature_y + down * L // 5, x, line_y + down * L // 4)
        m.select(self.brush_dim)
        if x2 - x1 >= 3 * a:
            m.line(x1, line_y, x2, line_y)
            self._arrow(x1, line_y, -1, 0)
            self._arrow(x2, line_y, 1, 0)
            m.select(self.font_letters)
            m.text((x1 + x2) // 2, line_y - L // 8, letter, TA_CENTER | TA_BOTTOM)
        else:
            m.line(x1 - 2 * a, line_y, x2 + 2 * a, line_y)
            self._arrow(x1, line_y, 1, 0)
            self._arrow(x2, line_y, -1, 0)
            m.select(self.font_letters)
            m.text(x1 - 2 * a, line_y - L // 8, letter, TA_RIGHT | TA_BOTTOM)

    def vdim(self, y1, y2, feature_x, line_x, letter):
        """A vertical dimension from y1 (top) to y2; its letter reads upwards, left of it."""
        m, L, a = self.m, self.L, self.arrow
        side = 1 if line_x > feature_x else -1
        for y in (y1, y2):
            m.line(feature_x + side * L // 5, y, line_x + side * L // 4, y)
        m.select(self.brush_dim)
        m.select(self.font_vertical)
        if y2 - y1 >= 3 * a:
            m.line(line_x, y1, line_x, y2)
            self._arrow(line_x, y1, 0, -1)
            self._arrow(line_x, y2, 0, 1)
            m.text(line_x - L // 8, (y1 + y2) // 2, letter, TA_CENTER | TA_BOTTOM)
        else:
            m.line(line_x, y1 - 2 * a, line_x, y2 + 2 * a)
            self._arrow(line_x, y1, 0, 1)
            self._arrow(line_x, y2, 0, -1)
            m.text(line_x - L // 8, y1 - 2 * a, letter, TA_LEFT | TA_BOTTOM)

    # --- parts

    def fan(self, cx, cy, radius):
        m = self.m
        m.select(self.pen_ink)
        m.select(self.brush_fan)
        m.circle(cx, cy, radius)
        m.select(self.pen_detail)
        m.select(self.brush_none)
        for ring in (0.78, 0.56, 0.34):
            m.circle(cx, cy, int(radius * ring))
        r = int(radius * 0.96)
        m.line(cx - r, cy, cx + r, cy)
        m.line(cx, cy - r, cx, cy + r)
        m.select(self.brush_hub)
        m.circle(cx, cy, max(8, radius // 7))

    def louvres(self, l, t, r, b):
        """Horizontal louvre slots filling the area."""
        m = self.m
        m.select(self.pen_detail)
        m.select(self.brush_steel)
        pitch = max(28, (b - t) // 9)
        y = t + pitch // 2
        while y + pitch // 3 <= b:
            m.round_rect(l, y, r, y + pitch // 3, pitch // 3)
            y += pitch

    def rails(self, x, width, floor):
        """The base rails seen from the side of their length."""
        m = self.m
        m.select(self.pen_ink)
        m.select(self.brush_steel)
        m.rect(x, floor - self.G, x + width, floor)

    def holes(self, x0, length, spacing, floor):
        """Mounting holes through the rail, as hidden lines with a centre line."""
        m = self.m
        xs = [x0 + (length - spacing) // 2, x0 + (length + spacing) // 2]
        half = max(3, self.Fi // 2)
        for x in xs:
            m.select(self.pen_hidden)
            m.line(x - half, floor - self.G, x - half, floor)
            m.line(x + half, floor - self.G, x + half, floor)
            m.select(self.pen_centre)
            m.line(x, floor - self.G - self.L // 3, x, floor + self.L // 3)
        return xs

    def front_base(self, x0, floor):
        m, A, C, D, G = self.m, self.A, self.C, self.D, self.G
        deck = floor - D
        post = max(40, A // 25)
        self.rails(x0, A, floor)
        m.select(self.brush_steel)
        m.rect(x0, deck, x0 + post, floor - G)
        m.rect(x0 + A - post, deck, x0 + A, floor - G)
        m.rect(x0, deck, x0 + A, deck + max(24, D // 12))
        if self.kind == "AGR":
            inner = D - G - D // 12
            # Compressor: a body with a domed top, a terminal box and feet.
            cw = int(A * 0.2)
            cx = x0 + post + A // 10
            top = floor - G - int(inner * 0.88)
            m.select(self.pen_ink)
            m.select(self.brush_compressor)
            m.rect(cx + cw // 8, floor - G - 12, cx + cw - cw // 8, floor - G)
            m.round_rect(cx, top + cw // 5, cx + cw, floor - G - 12, cw // 5)
            m.ellipse(cx, top, cx + cw, top + cw * 2 // 5)
            m.select(self.pen_ink)
            m.select(self.brush_casing)
            m.rect(cx + cw // 3, top + cw // 2, cx + cw * 2 // 3, top + cw // 2 + cw // 4)
            # Receiver: a horizontal cylinder on two saddles.
            rl = cx + cw + A // 12
            rr = x0 + A - post - A // 14
            rh = max(60, inner // 3)
            rb = floor - G - rh // 3
            m.select(self.brush_steel)
            m.rect(rl + (rr - rl) // 6, rb - 8, rl + (rr - rl) // 6 + rh // 3, floor - G)
            m.rect(rr - (rr - rl) // 6 - rh // 3, rb - 8, rr - (rr - rl) // 6, floor - G)
            m.select(self.brush_receiver)
            m.round_rect(rl, rb - rh, rr, rb, rh)
            # Pipes: the hot gas up to the condenser, the liquid down to the receiver.
            m.select(self.pen_copper)
            m.polyline([(cx + cw // 2, top), (cx + cw // 2, deck - 30)])
            m.polyline([(rr - rh // 2, rb - rh), (rr - rh // 2, deck - 30)])
            self.condenser(x0, deck - (C - D), A, deck)
        else:
            # Where the condenser goes.
            m.select(self.pen_phantom)
            m.select(self.brush_none)
            m.rect(x0, floor - C, x0 + A, deck)

    def condenser(self, l, t, width, b):
        m = self.m
        m.select(self.pen_ink)
        m.select(self.brush_casing)
        m.rect(l, t, l + width, b)
        m.select(self.brush_coil)
        m.rect(l + 30, t + 30, l + width - 30, b - 30)
        height = b - t
        pitch = width // self.fans
        radius = min(pitch, height) * 2 // 5
        for i in range(self.fans):
            self.fan(l + pitch // 2 + i * pitch, t + height // 2, radius)

    def front_box(self, x0, floor):
        m, A, C, D, G = self.m, self.A, self.C, self.D, self.G
        top = floor - C
        self.rails(x0, A, floor)
        m.select(self.pen_ink)
        m.select(self.brush_casing)
        m.rect(x0, top + 25, x0 + A, floor - G)
        m.rect(x0 - 12, top, x0 + A + 12, top + 25)  # the roof
        panel = int(A * 0.36)
        if self.kind == "AGR":
            # Service panel with louvres, up to height D, and louvres above it.
            m.select(self.pen_ink)
            m.select(self.brush_casing)
            m.rect(x0 + 30, floor - D, x0 + panel, floor - G - 30)
            self.louvres(x0 + 70, floor - D + 20, x0 + panel - 40, floor - G - 60)
            m.select(self.pen_ink)
            m.select(self.brush_hub)
            m.rect(x0 + panel - 34, floor - D + 40, x0 + panel - 18, floor - D + 120)
            self.louvres(x0 + 70, top + 70, x0 + panel - 40, floor - D - 40)
            width = A - panel - 60
            fans = 1 if width < 1.4 * (C - G) else 2
            pitch = width // fans
            radius = min(pitch, C - G - 25) * 2 // 5
            for i in range(fans):
                self.fan(x0 + panel + 30 + pitch // 2 + i * pitch, (top + 25 + floor - G) // 2,
                         radius)
        else:
            # The empty housing: corner posts, the compressor shelf at height D.
            m.select(self.pen_ink)
            m.select(self.brush_steel)
            post = max(40, A // 25)
            m.rect(x0, top + 25, x0 + post, floor - G)
            m.rect(x0 + A - post, top + 25, x0 + A, floor - G)
            m.rect(x0 + post, floor - D, x0 + A - post, floor - D + 30)
            m.select(self.pen_phantom)
            m.select(self.brush_none)
            m.rect(x0 + panel, top + 70, x0 + A - 70, floor - G - 50)

    def side(self, x1, floor):
        m, B, C, D, G, H = self.m, self.B, self.C, self.D, self.G, self.H
        m.select(self.pen_ink)
        m.select(self.brush_steel)
        # The rails in section at the front and the back, and the cross member between them.
        m.rect(x1, floor - G, x1 + H, floor)
        m.rect(x1 + B - H, floor - G, x1 + B, floor)
        m.rect(x1 + H, floor - G, x1 + B - H, floor - G + max(12, G // 5))
        if self.housing == "BOX":
            m.select(self.brush_casing)
            m.rect(x1, floor - C + 25, x1 + B, floor - G)
            m.rect(x1 - 12, floor - C, x1 + B + 12, floor - C + 25)
            if self.kind == "AGR":
                self.louvres(x1 + B // 5, floor - C + 80, x1 + B - B // 5, floor - G - 60)
            else:
                m.select(self.brush_steel)
                m.rect(x1, floor - D, x1 + B, floor - D + 30)
            return
        post = max(40, B // 20)
        deck = floor - D
        m.rect(x1, deck, x1 + post, floor - G)
        m.rect(x1 + B - post, deck, x1 + B, floor - G)
        m.rect(x1, deck, x1 + B, deck + max(24, D // 12))
        if self.kind == "AGR":
            depth = int(B * 0.55)
            guard = max(30, B // 14)
            m.select(self.brush_compressor)
            cw = int(B * 0.3)
            m.round_rect(x1 + B // 4, deck + (D - G) // 4, x1 + B // 4 + cw, floor - G - 12, cw // 5)
            m.select(self.brush_casing)
            m.rect(x1 + B - depth, floor - C, x1 + B, deck)
            m.select(self.brush_fan)
            m.round_rect(x1 + B - depth - guard, floor - C + (C - D) // 8, x1 + B - depth,
                         deck - (C - D) // 8, guard)
        else:
            m.select(self.pen_phantom)
            m.select(self.brush_none)
            m.rect(x1 + B - int(B * 0.55), floor - C, x1 + B, deck)

    # --- the sheet

    def build(self):
        m, L = self.m, self.L
        A, B, C, D, G = self.A, self.B, self.C, self.D, self.G
        gap = 4 * L
        x0 = 5 * L  # left edge of the front view
        x1 = x0 + A + gap  # left edge of the side view
        top = L
        floor = top + C
        right = x1 + B + 3 * L
        bottom = floor + 5 * L

        m.words(SETMAPMODE, MM_ANISOTROPIC)
        m.words(SETWINDOWORG, 0, 0)
        m.words(SETWINDOWEXT, bottom, right)
        m.words(SETBKMODE, TRANSPARENT)
        self.pen_ink = m.pen(PS_SOLID, 6, INK)
        self.pen_detail = m.pen(PS_SOLID, 3, DETAIL)
        self.pen_dim = m.pen(PS_SOLID, 3, DIMENSION)
        self.pen_hidden = m.pen(PS_DASH, 0, DETAIL)
        self.pen_centre = m.pen(PS_DASHDOT, 0, DIMENSION)
        self.pen_phantom = m.pen(PS_DASHDOT, 0, DETAIL)
        self.pen_copper = m.pen(PS_SOLID, max(12, L // 6), COPPER)
        self.pen_none = m.pen(PS_NULL, 0, WHITE)
        self.brush_white = m.brush(BS_SOLID, WHITE)
        self.brush_steel = m.brush(BS_SOLID, STEEL)
        self.brush_casing = m.brush(BS_SOLID, CASING)
        self.brush_coil = m.brush(BS_SOLID, COIL)
        self.brush_compressor = m.brush(BS_SOLID, COMPRESSOR)
        self.brush_receiver = m.brush(BS_SOLID, RECEIVER)
        self.brush_fan = m.brush(BS_SOLID, FAN)
        self.brush_hub = m.brush(BS_SOLID, HUB)
        self.brush_dim = m.brush(BS_SOLID, DIMENSION)
        self.brush_none = m.brush(BS_NULL)
        self.font_letters = m.font(L, 0, 700)
        self.font_vertical = m.font(L, 900, 700)
        self.font_title = m.font(L // 2, 0, 400)

        # The sheet, then the two views.
        m.select(self.pen_none)
        m.select(self.brush_white)
        m.rect(0, 0, right, bottom)
        m.words(SAVEDC)
        if self.housing == "BOX":
            self.front_box(x0, floor)
        else:
            self.front_base(x0, floor)
        self.side(x1, floor)
        m.words(RESTOREDC, -1)
        front_holes = self.holes(x0, A, self.E, floor)
        side_holes = self.holes(x1, B, self.F, floor)
        m.select(self.pen_detail)
        m.line(x0 - L, floor, x0 + A + L, floor)
        m.line(x1 - L, floor, x1 + B + L, floor)

        # Dimensions.
        m.words(SETTEXTCOLOR, DIMENSION[0] | (DIMENSION[1] << 8), DIMENSION[2])
        m.select(self.pen_dim)
        row = int(L * 1.5)
        self.vdim(floor - C, floor, x0, x0 - 3 * L, "C")
        self.vdim(floor - D, floor, x0, x0 - int(1.5 * L), "D")
        self.hdim(front_holes[0], front_holes[1], floor, floor + 2 * row, "E")
        self.hdim(x0, x0 + A, floor, floor + 3 * row, "A")
        self.hdim(x1, x1 + self.H, floor, floor + row, "H")
        self.hdim(side_holes[0], side_holes[1], floor, floor + 2 * row, "F")
        self.hdim(x1, x1 + B, floor, floor + 3 * row, "B")
        self.vdim(floor - G, floor, x1 + B, x1 + B + int(1.5 * L), "G")

        # The hole diameter: a leader from the front view's right hole into the gap.
        m.select(self.pen_dim)
        hx, hy = front_holes[1], floor - G // 2
        kx, ky = x0 + A + L, floor - G - 2 * L
        m.polyline([(hx, hy), (kx, ky), (kx + int(1.6 * L), ky)])
        m.select(self.brush_dim)
        m.circle(hx, hy, max(6, L // 10))
        m.select(self.font_letters)
        m.text(kx + L // 8, ky - L // 8, "Fi", TA_LEFT | TA_BOTTOM)

        # The drawing's name in the top right corner of the sheet.
        m.words(SETTEXTCOLOR, DETAIL[0] | (DETAIL[1] << 8), DETAIL[2])
        m.select(self.font_title)
        m.text(right - L // 2, L // 6, self.name, TA_RIGHT | TA_TOP)

        for index in range(len(m.objects)):
            m.delete(index)
        return right, bottom


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "data", "wmf")
    os.makedirs(out_dir, exist_ok=True)
    for kind in ("AGR", "RAMA"):
        for housing in ("BASE", "BOX"):
            for size in range(1, 7):
                name = "%s-%s-%d" % (kind, housing, size)
                drawing = Drawing(name, size, housing, kind)
                right, bottom = drawing.build()
                # 1:20 on paper: 1 mm of the unit is 0.05 mm, so 508 units make an inch.
                drawing.m.save(os.path.join(out_dir, name + ".wmf"), 0, 0, right, bottom, 508)


if __name__ == "__main__":
    main()
