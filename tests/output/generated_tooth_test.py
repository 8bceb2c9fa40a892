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



def calc(pair):
    import json
    r = cli("calc", *pair)
    return json.loads(r.stdout)["results"]


def cut_true(m, teeth, shift, g, label):
    """Every vertex of one flank of tooth 0, fillet and undercut included,
    on the tooth the cutter leaves."""
    pair = ["--module", str(m), "--teeth", *map(str, teeth), "--shift", *map(str, shift)]
    res = calc(pair)
    z, x, da = teeth[g - 1], shift[g - 1], res["tip_diameter"][g - 1]
    with tempfile.TemporaryDirectory() as tmp:
        dxf = os.path.join(tmp, "g.dxf")
        r = cli("drawing", "--gear", str(g), *pair, "--output", dxf)
        check(r.returncode == 0, f"{label}: drawing written ({r.stderr.strip()})")
        verts = dxf_outline(dxf)
    cut = RackCut(m, z, x, 20, da=da)
    # The first flank of tooth 0, from the root circle up.
    pts = [p for p in flank_points(verts[:len(verts) // z], z, 0.0)]
    on_root = [p for p in pts if math.hypot(*p) < cut.tip + 1e-9]
    rest = [p for p in pts if math.hypot(*p) >= cut.tip + 1e-9]
    miss = worst_miss(cut, rest)
    low = min(math.hypot(*p) for p in pts)
    check(len(rest) >= 20 and miss <= 1e-6 and abs(low - cut.tip) <= 1e-9,
          f"{label}: {len(rest)} flank points on the cut tooth (worst {miss:.3g} mm), "
          f"root {low:.9f} for {cut.tip:.9f}")


def densified(verts, bulges, n=24):
    """The outline with each arc cut into n chords of points on the arc."""
    out = []
    for i, (p, b) in enumerate(zip(verts, bulges)):
        out.append(p)
        if b:
            q = verts[(i + 1) % len(verts)]
            a0, a1 = math.atan2(p[1], p[0]), math.atan2(q[1], q[0])
            if a1 < a0:
                a1 += 2 * math.pi
            r = math.hypot(*p)
            out += [(r * math.cos(a0 + (a1 - a0) * k / n), r * math.sin(a0 + (a1 - a0) * k / n))
                    for k in range(1, n)]
    return out


def inside(p, poly):
    x, y = p
    c = False
    for i in range(len(poly)):
        (x1, y1), (x2, y2) = poly[i - 1], poly[i]
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            c = not c
    return c


def edge_distance(p, poly):
    best = math.inf
    for i in range(len(poly)):
        (x1, y1), (x2, y2) = poly[i - 1], poly[i]
        dx, dy = x2 - x1, y2 - y1
        t = max(0.0, min(1.0, ((p[0] - x1) * dx + (p[1] - y1) * dy) / (dx * dx + dy * dy)))
        best = min(best, math.hypot(p[0] - x1 - t * dx, p[1] - y1 - t * dy))
    return best


def place(points, turn, dx):
    c, s = math.cos(turn), math.sin(turn)
    return [(x * c - y * s + dx, x * s + y * c) for x, y in points]


def overlap(a_pts, b_poly, b_centre, rb_tip):
    """How deep a's points reach into b (mm), and how close the nearest of
    them comes to b's edge."""
    depth, gap = 0.0, math.inf
    for p in a_pts:
        if math.hypot(p[0] - b_centre, p[1]) > rb_tip:
            continue
        d = edge_distance(p, b_poly)
        if inside(p, b_poly):
            depth = max(depth, d)
        else:
            gap = min(gap, d)
    return depth, gap


def mesh(m, teeth, shift, label, steps=16):
    """The two drawn gears at their centre distance, turned through a pitch
    together: no point of one inside the other, and in touch throughout."""
    pair = ["--module", str(m), "--teeth", *map(str, teeth), "--shift", *map(str, shift)]
    res = calc(pair)
    a = res["corrected_center_distance"]
    outlines = []
    with tempfile.TemporaryDirectory() as tmp:
        for g in (1, 2):
            dxf = os.path.join(tmp, f"g{g}.dxf")
            r = cli("drawing", "--gear", str(g), *pair, "--output", dxf)
            check(r.returncode == 0, f"{label}: drawing {g} written ({r.stderr.strip()})")
            doc = ezdxf.readfile(dxf)
            poly = doc.modelspace().query('LWPOLYLINE[layer=="GEAR_OUTLINE"]')[0]
            pts = list(poly.get_points("xyb"))
            outlines.append(densified([(v[0], v[1]) for v in pts], [v[2] for v in pts]))
    z1, z2 = teeth
    ra = [d / 2 for d in res["tip_diameter"]]
    # Only the teeth about the line of centres can meet: each gear's
    # contour there, closed through its centre.
    def near(points, z, facing):
        per = len(points) // z
        k0 = round(facing / (2 * math.pi / z))
        run = []
        for k in range(k0 - 2, k0 + 3):
            j = k % z
            run += points[j * per:(j + 1) * per]
        return run + [(0.0, 0.0)]
    worst, widest = 0.0, 0.0
    for step in range(steps):
        t1 = 2 * math.pi / z1 * step / steps
        t2 = math.pi + math.pi / z2 - t1 * z1 / z2
        g1 = place(near(outlines[0], z1, -t1), t1, 0.0)
        g2 = place(near(outlines[1], z2, math.pi - t2), t2, a)
        d1, gap1 = overlap(g1[:-1], g2, a, ra[1])
        d2, gap2 = overlap(g2[:-1], g1, 0.0, ra[0])
        worst = max(worst, d1, d2)
        widest = max(widest, min(gap1, gap2))
    return worst, widest


# The brute force below is most of this test's time, the same in the
# sanitized build, where the CLI's part is what is checked: a sample of the
# gears and pairs there (SPURGEAR_TOOTH_SAMPLE of each).
sample = int(os.environ.get("SPURGEAR_TOOTH_SAMPLE", "0")) or None

fourteen_and_a_half()
for m, teeth, shift, g, label in (
        (2, (12, 40), (0, 0), 1, "undercut pinion m2 z12"),
        (0.5, (8, 30), (0, 0), 1, "deep undercut m0.5 z8"),
        (2, (17, 40), (0, 0), 1, "just undercut m2 z17"),
        (4, (12, 30), (0.25, 0), 1, "undercut with shift m4 z12"),
        (3, (12, 24), (0.6, 0.36), 1, "shifted m3 z12"),
        (1, (15, 25), (0, 0), 2, "m1 z25"),
        (10, (20, 300), (0, 0), 1, "m10 z20"))[:sample]:
    cut_true(m, teeth, shift, g, label)
for m, teeth, shift, label in (((2, (18, 36), (0.3, 0.1), "ordinary pair m2 18/36")),
                               ((2, (12, 40), (0, 0), "undercut pinion m2 12/40")))[:sample]:
    depth, gap = mesh(m, teeth, shift, label)
    check(depth <= 1e-6 and gap <= 0.01 * m,
          f"{label}: turns without overlap (deepest {depth:.3g} mm) and in touch "
          f"(widest gap {gap:.3g} mm)")

if failures:
    print(f"{len(failures)} check(s) failed")
    sys.exit(1)
print(f"{passed} passed, 0 failed")
