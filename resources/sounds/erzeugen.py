# Synthesises the five short sounds of the graph window (mono, 16 bit,
# 22050 Hz). Run in this folder: python3 erzeugen.py
import math, random, struct, wave
R = 22050
random.seed(8)

def schreibe(name, proben):
    with wave.open(name + ".wav", "wb") as w:
        w.setnchannels(1); w.setsampwidth(2); w.setframerate(R)
        w.writeframes(b"".join(struct.pack("<h", max(-32767, min(32767, int(s * 32767)))) for s in proben))

def blop():
    n = int(0.09 * R); out = []; ph = 0.0
    for i in range(n):
        t = i / R
        f = 600 * math.exp(-t * 18) + 180
        ph += 2 * math.pi * f / R
        env = min(1.0, t / 0.004) * math.exp(-t * 35)
        out.append(0.7 * env * math.sin(ph))
    return out

def klick():
    n = int(0.06 * R); out = []
    for i in range(n):
        t = i / R
        env = math.exp(-t * 180) + 0.5 * math.exp(-max(0, t - 0.025) * 220) * (t > 0.025)
        out.append(0.8 * env * (random.uniform(-1, 1) * 0.7 + 0.3 * math.sin(2 * math.pi * 3200 * t)))
    return out

def schlag():
    n = int(0.14 * R); out = []; ph = 0.0
    for i in range(n):
        t = i / R
        f = 140 * math.exp(-t * 8) + 55
        ph += 2 * math.pi * f / R
        env = min(1.0, t / 0.002) * math.exp(-t * 28)
        out.append(0.85 * env * (0.8 * math.sin(ph) + 0.2 * random.uniform(-1, 1) * math.exp(-t * 120)))
    return out

def schreib():
    out = []
    for start in (0.0, 0.11, 0.2, 0.34):
        while len(out) < int(start * R):
            out.append(0.0)
        for i in range(int(0.035 * R)):
            t = i / R
            env = math.exp(-t * 160)
            out.append(0.75 * env * (0.6 * random.uniform(-1, 1) + 0.4 * math.sin(2 * math.pi * 1800 * t)))
    out.extend([0.0] * int(0.02 * R))
    return out

def weg():
    n = int(0.28 * R); out = []; ph = 0.0; lp = 0.0
    for i in range(n):
        t = i / R
        f = 900 + 2600 * (t / 0.28)
        ph += 2 * math.pi * f / R
        env = math.sin(math.pi * t / 0.28) ** 2
        lp += 0.25 * (random.uniform(-1, 1) - lp)
        out.append(0.55 * env * (0.7 * lp + 0.3 * math.sin(ph)))
    return out

for name, f in [("blop", blop), ("klick", klick), ("schlag", schlag), ("schreib", schreib), ("weg", weg)]:
    schreibe(name, f())
