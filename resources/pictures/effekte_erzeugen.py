# Draws the flash and typewriter pictures of the graph window (RGBA PNG).
# Run in this folder: python3 effekte_erzeugen.py
import math, struct, zlib

def png(name, w, h, pix):
    roh = b"".join(b"\x00" + b"".join(struct.pack("4B", *pix[y][x]) for x in range(w)) for y in range(h))
    def chunk(t, d):
        c = struct.pack(">I", len(d)) + t + d
        return c + struct.pack(">I", zlib.crc32(t + d) & 0xFFFFFFFF)
    with open(name, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(roh, 9)) + chunk(b"IEND", b""))

def leer(w, h):
    return [[(0, 0, 0, 0) for _ in range(w)] for _ in range(h)]

def rechteck(p, x0, y0, x1, y1, c):
    for y in range(max(0, y0), min(len(p), y1 + 1)):
        for x in range(max(0, x0), min(len(p[0]), x1 + 1)):
            p[y][x] = c

def kreis(p, cx, cy, r, c):
    for y in range(len(p)):
        for x in range(len(p[0])):
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                p[y][x] = c

def mische(a, b, t):
    return tuple(int(round(a[i] * (1 - t) + b[i] * t)) for i in range(4))

DUNKEL = (60, 60, 66, 255); GRAU = (110, 112, 120, 255); HELL = (200, 200, 205, 255)
LINSE = (70, 120, 190, 255); WEISS = (255, 255, 255, 255); GELB = (255, 236, 90, 255)

def kamera():
    p = leer(17, 14)
    rechteck(p, 4, 2, 8, 3, DUNKEL)            # viewfinder
    rechteck(p, 0, 4, 16, 13, DUNKEL)          # body
    rechteck(p, 1, 5, 15, 12, GRAU)
    rechteck(p, 12, 5, 14, 6, HELL)            # flash window
    kreis(p, 8.5, 9.0, 3.6, DUNKEL)
    kreis(p, 8.5, 9.0, 2.4, LINSE)
    kreis(p, 7.8, 8.3, 0.8, WEISS)
    return p

def blitz(staerke):
    p = kamera()
    cx, cy = 13.5, 5.5
    for y in range(14):
        for x in range(17):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            winkel = math.atan2(y + 0.5 - cy, x + 0.5 - cx)
            strahl = 0.5 + 0.5 * math.cos(8 * winkel)
            reich = staerke * (6.0 + 6.0 * strahl)
            if d < reich:
                t = 1.0 - d / reich
                farbe = WEISS if d < staerke * 3.0 else GELB
                alt = p[y][x]
                if alt[3] == 0:
                    p[y][x] = (farbe[0], farbe[1], farbe[2], int(255 * min(1.0, t * 1.6)))
                else:
                    p[y][x] = mische(alt, farbe, min(1.0, t * 1.4))
    return p

def schreibmaschine(anschlag):
    p = leer(35, 35)
    rechteck(p, 9, 2, 25, 15, WEISS)           # paper
    for y in range(2, 16):
        p[y][9] = HELL; p[y][25] = HELL
    for zeile in (5, 8, 11):                  # typed lines
        rechteck(p, 11, zeile, 22 if zeile != 11 else 17, zeile, (90, 90, 90, 255))
    rechteck(p, 5, 15, 29, 18, DUNKEL)         # platen
    kreis(p, 4.5, 16.5, 2.2, GRAU); kreis(p, 30.5, 16.5, 2.2, GRAU)
    for y in range(19, 33):                   # body, wider at the bottom
        rand = (y - 19) // 4
        rechteck(p, 5 - rand, y, 29 + rand, y, GRAU if y < 31 else DUNKEL)
    for reihe, y in enumerate((22, 25, 28)):  # keys
        for x in range(7 + reihe, 28 - reihe, 3):
            rechteck(p, x, y, x + 1, y + 1, (240, 240, 240, 255))
    if anschlag:                              # a type bar strikes the paper
        for i in range(10):
            x, y = 17 + 0, 20 - i
            p[y][x] = DUNKEL; p[y][x + 1] = DUNKEL
        for dx, dy in ((0, -2), (2, 0), (-2, 0), (1, -1), (-1, -1)):
            p[11 + dy][17 + dx] = (230, 40, 40, 255)
    return p

png("camera.png", 17, 14, kamera())
png("camera2.png", 17, 14, blitz(0.45))
png("camera3.png", 17, 14, blitz(1.0))
png("typer.png", 35, 35, schreibmaschine(False))
png("typer2.png", 35, 35, schreibmaschine(True))
