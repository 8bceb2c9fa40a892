"""Reads the files of `spurgear-cli dxf` back with an independent DXF reader.

Usage: dxf_read_test.py PATH-TO-SPURGEAR-CLI
"""
import math
import os
import subprocess
import sys
import tempfile

import ezdxf

CLI = sys.argv[1]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


def run(args):
    return subprocess.run([CLI, "dxf"] + args, capture_output=True, text=True)


def check_drawing(path, z, label):
    raw = open(path, "rb").read()
    check(not raw.startswith(b"\xef\xbb\xbf"), f"{label}: no byte-order mark")
    check(raw.endswith(b"EOF\r\n"), f"{label}: ends with EOF and CR LF")
    lines = raw.split(b"\r\n")[:-1]
    check(len(lines) == 198 + 658 * z, f"{label}: {198 + 658 * z} lines, got {len(lines)}")
    check(all(b"\r" not in l and b"\n" not in l for l in lines), f"{label}: only CR LF line ends")
    # The reader decodes as cp1252, so the Shift-JIS bytes are checked raw.
    check(b"  3\r\n\x8e\xc0\x90\xfc\r\n" in raw, f"{label}: CONTINUOUS described as Shift-JIS 実線")

    doc = ezdxf.readfile(path)
    msp = doc.modelspace()
    entities = list(msp)
    segments = [e for e in entities if e.dxftype() == "LINE"]
    arcs = [e for e in entities if e.dxftype() == "ARC"]
    check(len(segments) == 40 * z, f"{label}: {40 * z} LINEs, got {len(segments)}")
    check(len(arcs) == z, f"{label}: {z} ARCs, got {len(arcs)}")
    check(len(entities) == 41 * z, f"{label}: nothing but LINEs and ARCs")
    check(all(e.dxf.layer == "_0-0_" and e.dxf.linetype == "CONTINUOUS" and e.dxf.color == 7
              for e in entities), f"{label}: layer _0-0_, CONTINUOUS, colour 7")
    check("_0-0_" in doc.layers and "CONTINUOUS" in doc.linetypes, f"{label}: tables declare them")

    # The contour: every end shared by exactly two entities, one loop.
    ends = {}
    for i, e in enumerate(segments):
        for p in (e.dxf.start, e.dxf.end):
            ends.setdefault((p.x, p.y), []).append(i)
    line_ends = list(ends.keys())
    for j, a in enumerate(arcs):
        for p in (a.start_point, a.end_point):
            near = min(line_ends, key=lambda q: math.hypot(q[0] - p.x, q[1] - p.y))
            gap = math.hypot(near[0] - p.x, near[1] - p.y)
            check(gap < 1e-9, f"{label}: ARC {j} end meets a LINE end (gap {gap:g})")
            ends[near].append(len(segments) + j)
    counts = {len(v) for v in ends.values()}
    check(counts == {2}, f"{label}: every end shared by two entities, got counts {counts}")
    if counts == {2}:
        ends_of = {}
        for key, users in ends.items():
            for u in users:
                ends_of.setdefault(u, []).append(key)
        entity, at, visited = 0, ends_of[0][0], 0
        while True:
            a, b = ends_of[entity]
            nxt = b if a == at else a
            users = ends[nxt]
            entity = users[1] if users[0] == entity else users[0]
            at = nxt
            visited += 1
            if entity == 0 or visited > len(entities):
                break
        check(visited == len(entities), f"{label}: one closed loop through all {len(entities)}")


with tempfile.TemporaryDirectory() as tmp:
    g1 = os.path.join(tmp, "g1.dxf")
    r = run(["--gear", "1", "--output", g1])
    check(r.returncode == 0, f"default gear 1 written (exit {r.returncode}: {r.stderr.strip()})")
    if r.returncode == 0:
        check_drawing(g1, 15, "default gear 1")

    g2 = os.path.join(tmp, "g2.dxf")
    r = run(["--gear", "2", "--teeth", "12", "47", "--shift", "0.4", "-0.2", "--output", g2])
    check(r.returncode == 0, f"gear 2 of 12/47 written (exit {r.returncode}: {r.stderr.strip()})")
    if r.returncode == 0:
        check_drawing(g2, 47, "gear 2 of 12/47")

    pointed = os.path.join(tmp, "pointed.dxf")
    r = run(["--gear", "1", "--teeth", "10", "25", "--shift", "1.5", "0", "--output", pointed])
    check(r.returncode == 1 and "DXF を出力できません" in r.stderr,
          f"pointed tooth refused with a message (exit {r.returncode}: {r.stderr.strip()})")
    check(not os.path.exists(pointed), "pointed tooth: nothing written")

    big = os.path.join(tmp, "big.dxf")
    r = run(["--gear", "1", "--teeth", "301", "25", "--output", big])
    check(r.returncode == 2 and "歯数Ｚ1が多すぎる" in r.stderr,
          f"301 teeth refused by the check (exit {r.returncode}: {r.stderr.strip()})")
    check(not os.path.exists(big), "301 teeth: nothing written")

if failures:
    print(f"{len(failures)} check(s) failed")
    sys.exit(1)
print("dxf read test: all checks passed")
