"""Reads the part drawing (spurgear-cli drawing) and the cutting template
(spurgear-cli template) back with independent readers and holds them to the
outline of the gear's DXF export (spurgear-cli dxf), whose bytes must not
change.

Usage: part_drawing_test.py PATH-TO-SPURGEAR-CLI
"""
import hashlib
import json
import math
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

import ezdxf

CLI = sys.argv[1]
failures = []

# sha256 of the DXF export's files as the export wrote them before the part
# drawing came (with the exact tooth-thickness roots); the export must stay
# byte for byte what it was.
EXPORT_SHA256 = {
    ("1",): "59436e9ea116cb4dcbd6c52f0ca0d188d7d3f2aeeeb9dabc6bac3bc4b0271516",
    ("2", "--teeth", "12", "47", "--shift", "0.4", "-0.2"): "7f53453a1dcac9577384821c6046ca71b6e1201e115315a467f34791dcb2c8fb",
}


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


def cli(*args):
    return subprocess.run([CLI, *args], capture_output=True, text=True, timeout=120)


def export_outline(path):
    """The old export's contour: per tooth the points 0..20, 22..41 in order,
    and the tip arcs' sweep (degrees)."""
    doc = ezdxf.readfile(path)
    lines = [e for e in doc.modelspace() if e.dxftype() == "LINE"]
    arcs = [e for e in doc.modelspace() if e.dxftype() == "ARC"]
    z = len(arcs)
    points = []
    for e in range(z):
        tooth = lines[40 * e:40 * e + 40]
        points += [(l.dxf.start.x, l.dxf.start.y) for l in tooth[:20]]
        points.append((tooth[19].dxf.end.x, tooth[19].dxf.end.y))
        points += [(l.dxf.start.x, l.dxf.start.y) for l in tooth[20:39]]
        points.append((tooth[38].dxf.end.x, tooth[38].dxf.end.y))
    return points, arcs


def check_drawing(args, label):
    with tempfile.TemporaryDirectory() as tmp:
        old, new, svg = (os.path.join(tmp, n) for n in ("old.dxf", "new.dxf", "t.svg"))
        gear = args[0]
        pair = list(args[1:])
        r = cli("dxf", "--gear", gear, *pair, "--output", old)
        check(r.returncode == 0, f"{label}: dxf written ({r.stderr.strip()})")
        want = EXPORT_SHA256.get(tuple(args))
        if want:
            got = hashlib.sha256(open(old, "rb").read()).hexdigest()
            check(got == want, f"{label}: the DXF export's bytes are unchanged ({got})")
        r = cli("drawing", "--gear", gear, *pair, "--output", new)
        check(r.returncode == 0, f"{label}: drawing written ({r.stderr.strip()})")
        r = cli("template", "--gear", gear, *pair, "--output", svg)
        check(r.returncode == 0, f"{label}: template written ({r.stderr.strip()})")
        m = json.loads(cli("measure", *pair).stdout)
        res = m["results"]
        g = int(gear) - 1
        z, module = res["teeth"][g], res["module"]
        da, df = res["tip_diameter"][g], res["root_diameter"][g]
        points, arcs = export_outline(old)
        sweep = arcs[0].dxf.end_angle - arcs[0].dxf.start_angle
        check_dxf(new, label, points, sweep, z, module, da, df, m["gear%s" % gear], res, g)
        drawn = [(v[0], v[1]) for v in
                 ezdxf.readfile(new).modelspace().query("LWPOLYLINE")[0].get_points("xy")]
        check_svg(svg, label, drawn, da, df, "ギア" + "１２"[g], module, z)


def check_dxf(path, label, points, sweep, z, module, da, df, measured, res, g):
    raw = open(path, "rb").read()
    check("要目表".encode("utf-8") in raw, f"{label}: the table's text is UTF-8 in the file")
    doc = ezdxf.readfile(path)
    check(doc.dxfversion == "AC1021", f"{label}: DXF R2007, got {doc.dxfversion}")
    check(doc.header.get("$INSUNITS") == 4, f"{label}: $INSUNITS 4 (mm)")
    check(doc.header.get("$MEASUREMENT") == 1, f"{label}: $MEASUREMENT 1 (metric)")
    auditor = doc.audit()
    check(not auditor.has_errors, f"{label}: no audit errors {[str(e) for e in auditor.errors]}")
    check(not auditor.has_fixes, f"{label}: nothing to fix {[str(e) for e in auditor.fixes]}")
    msp = doc.modelspace()
    polys = msp.query("LWPOLYLINE")
    check(len(polys) == 1, f"{label}: one polyline, got {len(polys)}")
    p = polys[0]
    check(p.closed and p.dxf.layer == "GEAR_OUTLINE", f"{label}: closed, on GEAR_OUTLINE")
    verts = list(p.get_points("xyb"))
    per = len(verts) // z
    check(len(verts) == per * z and per % 2 == 0, f"{label}: the same vertices on every tooth")
    # Above the fillet the drawing's flanks are the export's involutes: its
    # points there lie on the drawing's chords (0.5 um from the curve).
    shift = res["shift"][g]
    above = z * module / 2 + (shift - 0.5) * module
    tooth = [(v[0], v[1]) for v in verts[:per]]
    involute = [q for q in points[:41] if math.hypot(*q) >= above]
    worst = max(segment_distance(q, tooth) for q in involute)
    check(len(involute) >= 5 and worst <= 0.5e-3 + 1e-9,
          f"{label}: the involutes of the export (worst {worst:g} mm)")
    # A tip arc and a root arc a tooth, counter-clockwise; the tip arc spans
    # what the export's does.
    arcs = [i for i, v in enumerate(verts) if v[2] != 0]
    tip = math.tan(math.radians(sweep) / 4)
    check(len(arcs) == 2 * z and all(v[2] > 0 for v in verts if v[2] != 0)
          and abs(verts[per // 2 - 1][2] - tip) <= 1e-9,
          f"{label}: tip and root arcs as bulges, counter-clockwise ({arcs[:3]})")
    def circle(layer):
        c = [e for e in msp.query("CIRCLE") if e.dxf.layer == layer]
        return c[0].dxf.radius if len(c) == 1 else None
    def near(a, b):
        return a is not None and abs(a - b) <= 1e-12 * max(1.0, b)
    check(near(circle("TIP_CIRCLE"), da / 2), f"{label}: tip circle")
    ref = circle("REFERENCE_CIRCLE")
    check(near(ref, z * module / 2), f"{label}: reference circle")
    check(near(circle("ROOT_CIRCLE"), df / 2), f"{label}: root circle")
    layers = {e.dxf.layer: doc.layers.get(e.dxf.layer) for e in msp}
    check(layers["REFERENCE_CIRCLE"].dxf.linetype == "CHAIN"
          and layers["CENTER_LINES"].dxf.linetype == "CHAIN", f"{label}: chain lines")
    check(layers["TIP_CIRCLE"].dxf.lineweight > layers["ROOT_CIRCLE"].dxf.lineweight,
          f"{label}: tip circle thick, root thin")
    check(len(msp.query('LINE[layer=="CENTER_LINES"]')) == 2, f"{label}: two centre lines")

    texts = [e.dxf.text for e in msp.query("TEXT")]
    for item in ("要目表 ギア" + "１２"[g], "歯車歯形", "基準ラック", "並歯", "モジュール",
                 "圧力角", "歯数", "基準ピッチ円直径", "転位量", "全歯たけ", "歯厚", "またぎ歯厚",
                 "またぎ歯数", "精度", "相手歯車歯数", "相手歯車転位係数", "中心距離", "材料",
                 "熱処理", "硬さ", "仕上方法", "歯先円直径", "備考"):
        check(item in texts, f"{label}: table holds {item}")
    w = "%.3f" % measured["span"]
    check(w in texts, f"{label}: span {w} as measured, no limits without deviations")
    check("%.3f" % da in texts, f"{label}: tip diameter")
    check("%g" % res["shift"][1 - g] in texts, f"{label}: mate's shift")
    check(not any(t.startswith("バックラッシ") for t in texts)
          and any(t.startswith("歯厚許容差は指定なし") for t in texts),
          f"{label}: no backlash range without tolerances, and a note saying so")
    check(str(measured["span_teeth"]) in texts, f"{label}: k {measured['span_teeth']}")
    check("%.3f" % (z * module) in texts, f"{label}: reference diameter")
    check("%.3f" % res["corrected_center_distance"] in texts, f"{label}: centre distance")
    check("%.3f" % ((da - df) / 2) in texts, f"{label}: whole depth")
    check(("標準" if res["shift"][g] == 0 else "転位") in texts, f"{label}: tooth form")
    check(str(res["teeth"][1 - g]) in texts, f"{label}: mate's teeth")


def segment_distance(q, poly):
    """From q to the nearest chord of the open polyline."""
    best = math.inf
    for (x1, y1), (x2, y2) in zip(poly, poly[1:]):
        dx, dy = x2 - x1, y2 - y1
        t = max(0.0, min(1.0, ((q[0] - x1) * dx + (q[1] - y1) * dy) / (dx * dx + dy * dy)))
        best = min(best, math.hypot(q[0] - x1 - t * dx, q[1] - y1 - t * dy))
    return best


def arc_centre(x1, y1, x2, y2, r, large, sweep):
    """The centre of an SVG arc (SVG 1.1, F.6.5) with equal radii."""
    mx, my = (x1 - x2) / 2, (y1 - y2) / 2
    d2 = mx * mx + my * my
    k = math.sqrt(max(0.0, r * r / d2 - 1))
    if large == sweep:
        k = -k
    cx, cy = k * my, -k * mx
    return cx + (x1 + x2) / 2, cy + (y1 + y2) / 2


def check_svg(path, label, points, da, df, name, module, z):
    root = ET.parse(path).getroot()
    ns = "{http://www.w3.org/2000/svg}"
    width, height = (float(root.get(k)[:-2]) for k in ("width", "height"))
    vb = [float(v) for v in root.get("viewBox").split()]
    half = (da + 0.1) / 2
    check(root.get("width").endswith("mm") and vb[2] == width and vb[3] == height,
          f"{label}: one user unit a millimetre ({root.get('width')}, {vb})")
    check(vb[0] <= -half and vb[0] + vb[2] >= half and abs(vb[1] + half) < 1e-12
          and vb[1] + vb[3] > half, f"{label}: the tip circle and the stroke inside, the caption below")
    paths = {p.get("id"): p for p in root.findall(f".//{ns}path")}
    check(set(paths) == {"outline", "centre", "scale"}, f"{label}: outline, centre mark, scale bar")
    widths = {e.get("stroke-width") for e in root.iter() if e.get("stroke-width")}
    check(widths == {"0.1"}, f"{label}: 0.1 mm hairline, got {widths}")
    bar = [float(v) for v in re.findall(r"[-+0-9.eE]+", paths["scale"].get("d"))]
    check(abs(bar[2] - bar[0] - 10) < 1e-9 and bar[1] > half,
          f"{label}: a 10 mm scale bar below the gear ({bar[:3]})")
    texts = {t.get("id"): "".join(t.itertext()) for t in root.findall(f".//{ns}text")}
    caption = texts.get("caption", "")
    check(name in caption and f"m {module:g}" in caption and f"z {z}" in caption
          and texts.get("scale-label") == "10 mm",
          f"{label}: the sheet names the gear, its module and teeth ({caption})")
    paths = [paths["outline"]]
    d = paths[0].get("d")
    tokens = re.findall(r"[MLAZ]|[-+0-9.eE]+", d.replace(",", " "))
    verts, at, i, arcs_bad = [], None, 0, []
    while i < len(tokens):
        t = tokens[i]
        if t in "ML":
            at = (float(tokens[i + 1]), -float(tokens[i + 2]))
            verts.append(at)
            i += 3
        elif t == "A":
            r1, r2, rot, large, sweep = (float(v) for v in tokens[i + 1:i + 6])
            end = (float(tokens[i + 6]), -float(tokens[i + 7]))
            cx, cy = arc_centre(at[0], -at[1], end[0], -end[1], r1, int(large), int(sweep))
            if (min(abs(r1 - da / 2), abs(r1 - df / 2)) > 1e-9 or r2 != r1
                    or math.hypot(cx, cy) > 1e-6):
                arcs_bad.append((len(verts), cx, cy))
            at = end
            verts.append(at)
            i += 8
        else:
            i += 1
    check(not arcs_bad, f"{label}: tip and root arcs about the centre {arcs_bad[:2]}")
    if verts and verts[-1] == verts[0]:
        verts.pop()  # the last root arc closes the path
    check(len(verts) == len(points), f"{label}: {len(points)} outline points, got {len(verts)}")
    worst = max(math.hypot(v[0] - q[0], v[1] - q[1]) for v, q in zip(verts, points))
    check(worst <= 1e-6, f"{label}: template on the drawing's outline (worst {worst:g} mm)")


check_drawing(["1"], "default gear 1")
check_drawing(["2", "--teeth", "12", "47", "--shift", "0.4", "-0.2"], "gear 2 of 12/47")
check_drawing(["1", "--module", "10", "--teeth", "300", "20"], "gear 1 m10 300 teeth")

def deviation(v):
    digits = "%.3f" % abs(v)
    return ("-" if v < 0 and digits != "0.000" else "+") + digits


def check_table_limits():
    """The table carries the limits, class and backlash range that tolerance
    prints for the same deviations, not the nominal span twice."""
    pair = ["--module", "2", "--teeth", "18", "40", "--shift", "0.2", "0"]
    tol = ["--thickness-deviation1", "-0.05", "-0.09", "--thickness-deviation2", "-0.06", "-0.1",
           "--center-deviation", "0.03", "-0.02", "--accuracy-class", "7", "8"]
    r = cli("tolerance", *pair, *tol)
    check(r.returncode == 0, f"tolerance ran ({r.stderr.strip()})")
    limits = json.loads(r.stdout)
    j = limits["backlash_normal"]
    with tempfile.TemporaryDirectory() as tmp:
        for g in (1, 2):
            out = os.path.join(tmp, f"g{g}.dxf")
            r = cli("drawing", "--gear", str(g), *pair, *tol, "--output", out)
            check(r.returncode == 0, f"drawing with tolerances ({r.stderr.strip()})")
            texts = [e.dxf.text for e in ezdxf.readfile(out).modelspace().query("TEXT")]
            s = limits[f"gear{g}"]["span_limits"]
            w = "%.3f (%s / %s)" % (s["nominal"], deviation(s["upper"] - s["nominal"]),
                                    deviation(s["lower"] - s["nominal"]))
            check(w in texts, f"gear {g}: span with limits {w}")
            grade = "ISO 1328-1:2013 等級 " + str(limits[f"gear{g}"]["accuracy_class"])
            check(grade in texts, f"gear {g}: {grade}")
            # The wave dash, which CAD fonts for Japanese draw.
            b = "%.3f 〜 %.3f（法線方向）" % (j[0], j[1])
            check(b in texts and j[0] != j[1], f"gear {g}: backlash range {b}")
            a = "%.3f (+0.030 / -0.020)" % limits["results"]["corrected_center_distance"]
            check(a in texts, f"gear {g}: centre distance with its tolerance {a}")
        # The texts of the table from the command line; the tip of a
        # shifted pair shortened by the mate's shift (module 3, 12/24,
        # 0.6/0.36: 44.840 where (z + 2 + 2x)m would give 45.600).
        out = os.path.join(tmp, "texts.dxf")
        r = cli("drawing", "--gear", "2", "--module", "3", "--teeth", "12", "24", "--shift", "0.6",
                "0.36", "--center-deviation", "0.03", "-0.03", "--material-name", "S45C", "SCM440",
                "--heat-treatment", "調質", "--hardness-text", "HB 230～270", "--finish", "ホブ切り",
                "--note", "歯先面取り C0.3", "--output", out)
        check(r.returncode == 0, f"drawing with texts ({r.stderr.strip()})")
        texts = [e.dxf.text for e in ezdxf.readfile(out).modelspace().query("TEXT")]
        # A typed full-width tilde comes out as the wave dash as well.
        for want in ("SCM440", "調質", "HB 230〜270", "ホブ切り", "0.6", "56.500 ± 0.030"):
            check(want in texts, f"texts: {want} in the table")
        check(any(t.endswith("歯先面取り C0.3") for t in texts), "texts: the note in 備考")
        out = os.path.join(tmp, "tip.dxf")
        r = cli("drawing", "--gear", "1", "--module", "3", "--teeth", "12", "24", "--shift", "0.6",
                "0.36", "--output", out)
        texts = [e.dxf.text for e in ezdxf.readfile(out).modelspace().query("TEXT")]
        check("44.840" in texts and "0.36" in texts, "m3 12/24 0.6/0.36: tip diameter 44.840")


check_table_limits()

with tempfile.TemporaryDirectory() as tmp:
    out = os.path.join(tmp, "pointed.dxf")
    r = cli("drawing", "--gear", "1", "--teeth", "10", "25", "--shift", "1.5", "0", "--output", out)
    check(r.returncode == 1 and "部品図を出力できません" in r.stderr and not os.path.exists(out),
          f"pointed tooth refused, nothing written ({r.returncode}: {r.stderr.strip()})")
    out = os.path.join(tmp, "pointed.svg")
    r = cli("template", "--gear", "1", "--teeth", "10", "25", "--shift", "1.5", "0", "--output", out)
    check(r.returncode == 1 and "歯形テンプレートを出力できません" in r.stderr
          and not os.path.exists(out), f"pointed template refused ({r.stderr.strip()})")

if failures:
    print(f"{len(failures)} check(s) failed")
    sys.exit(1)
print("part drawing test: all checks passed")
