"""The part drawing and the cutting template against the tooth a rack
cutter leaves (rack_cut.py, found by brute force), and two drawn gears
turned through a mesh: what a shop cuts from these files must be the gear.

Usage: generated_tooth_test.py PATH-TO-SPURGEAR-CLI
"""
import math
import os
import re
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

import ezdxf

from rack_cut import RackCut

CLI = sys.argv[1]
failures = []
passed = 0


def check(ok, what):
    global passed
    if ok:
        passed += 1
    else:
        failures.append(what)
        print("FAIL:", what)


def cli(*args):
    return subprocess.run([CLI, *args], capture_output=True, text=True, timeout=300)


def dxf_outline(path):
    doc = ezdxf.readfile(path)
    polys = doc.modelspace().query('LWPOLYLINE[layer=="GEAR_OUTLINE"]')
    return [(v[0], v[1]) for v in polys[0].get_points("xy")]


def svg_outline(path):
    """The vertices of the template's outline path, y turned back up."""
    root = ET.parse(path).getroot()
    ns = "{http://www.w3.org/2000/svg}"
    d = [p for p in root.iter(f"{ns}path") if p.get("id") == "outline"][0].get("d")
    tokens = re.findall(r"[MLAZ]|[-+0-9.eE]+", d.replace(",", " "))
    verts, i = [], 0
    while i < len(tokens):
        t = tokens[i]
        if t in "ML":
            verts.append((float(tokens[i + 1]), -float(tokens[i + 2])))
            i += 3
        elif t == "A":
            verts.append((float(tokens[i + 6]), -float(tokens[i + 7])))
            i += 8
        else:
            i += 1
    return verts


def flank_points(verts, z, r_from):
    """Tooth 0's vertices on both flanks (radius above r_from), turned into
    the frame of rack_cut: the upper side of a space centred on angle 0."""
    half = math.pi / z
    out = []
    for x, y in verts:
        a = math.atan2(y, x)
        R = math.hypot(x, y)
        if R < r_from or abs(a) >= half:
            continue
        theta = a + half if a < 0 else half - a   # angle from the space's centre
        out.append((R * math.cos(theta), R * math.sin(theta)))
    return out


def worst_miss(cut, points):
    return max(cut.normal_miss(px, py) for px, py in points)


def fourteen_and_a_half():
    """A 14.5 degree pair is drawn with its own angle, not 20 degrees."""
    with tempfile.TemporaryDirectory() as tmp:
        # A gear data file of eight bytes: slot 0 not calculated, pressure
        # angle index 0 (14.5 degrees); the rest of the table as at start-up.
        hgd = os.path.join(tmp, "p145.hgd")
        with open(hgd, "wb") as f:
            f.write(struct.pack("<ii", 0, 0))
        pair = ["--load", hgd, "--module", "2", "--teeth", "18", "36", "--shift", "0.3", "0.1"]
        for gear, z, x, da in (("1", 18, 0.3, None), ("2", 36, 0.1, None)):
            dxf = os.path.join(tmp, f"g{gear}.dxf")
            svg = os.path.join(tmp, f"g{gear}.svg")
            r = cli("drawing", "--gear", gear, *pair, "--output", dxf)
            check(r.returncode == 0, f"14.5: drawing {gear} written ({r.stderr.strip()})")
            r = cli("template", "--gear", gear, *pair, "--output", svg)
            check(r.returncode == 0, f"14.5: template {gear} written ({r.stderr.strip()})")
            cut = RackCut(2, z, x, 14.5)
            # Well above the root, where every outline is the involute.
            r_from = cut.datum - 0.5 * 2
            for name, verts in (("drawing", dxf_outline(dxf)), ("template", svg_outline(svg))):
                pts = flank_points(verts, z, r_from)
                miss = worst_miss(cut, pts)
                check(len(pts) >= 8 and miss <= 1e-6,
                      f"14.5: gear {gear}'s {name} on the 14.5 degree tooth "
                      f"({len(pts)} points, worst {miss:.3g} mm)")


fourteen_and_a_half()

if failures:
    print(f"{len(failures)} check(s) failed")
    sys.exit(1)
print(f"{passed} passed, 0 failed")
