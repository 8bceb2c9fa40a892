"""spurgear-cli report: the SVG drawing is well-formed XML in millimetres
holding both gears, for pairs from the smallest to the largest; every path
is valid path data and the circles and outlines have the pair's sizes.

Run as: python3 report_cli_test.py PATH/TO/spurgear-cli
"""
import json
import os
import re
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

CLI = None
SVG = "{http://www.w3.org/2000/svg}"


NUMBER = r"[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?"
ARGS = {"M": 2, "L": 2, "H": 1, "V": 1, "C": 6, "S": 4, "Q": 4, "T": 2, "A": 7, "Z": 0}


def path_points(d):
    """The points of SVG path data, parsed as its grammar has it: it starts
    with a moveto and every command has whole groups of numbers. Raises
    ValueError on data a renderer would reject."""
    tokens = re.findall(r"[MmLlHhVvCcSsQqTtAaZz]|" + NUMBER + r"|[,\s]+|.", d)
    tokens = [t for t in tokens if not re.fullmatch(r"[,\s]+", t)]
    if not tokens or tokens[0] not in "Mm":
        raise ValueError("path data does not start with a moveto: " + d[:40])
    points, command, numbers = [], None, []

    def flush():
        n = ARGS[command.upper()]
        if (n == 0 and numbers) or (n and (not numbers or len(numbers) % n)):
            raise ValueError(f"{command} with {len(numbers)} numbers")
        if command in "ML":
            points.extend(zip(numbers[0::2], numbers[1::2]))

    for t in tokens:
        if t.upper() in ARGS:
            if command:
                flush()
            command, numbers = t, []
        elif re.fullmatch(NUMBER, t):
            numbers.append(float(t))
        else:
            raise ValueError("not path data: " + repr(t))
    flush()
    return points


def report(path, *args):
    p = subprocess.run([CLI, "report", *args, "--output", path],
                       capture_output=True, text=True, timeout=60)
    return p.returncode, p.stderr


class ReportSvg(unittest.TestCase):
    def test_pairs_parse_and_hold_both_gears(self):
        cases = [
            ("3", "12", "24", "0.6", "0.36"),
            ("1", "15", "25", "0", "0"),
            ("0.2", "300", "300", "0", "0"),   # the most teeth the buffers take
            ("50", "12", "13", "0.5", "-0.2"),  # odd tooth count, negative shift
        ]
        with tempfile.TemporaryDirectory() as tmp:
            for m, z1, z2, x1, x2 in cases:
                with self.subTest(m=m, z=(z1, z2)):
                    path = os.path.join(tmp, "kamiai.svg")
                    code, err = report(path, "--module", m, "--teeth", z1, z2,
                                       "--shift", x1, x2)
                    self.assertEqual(code, 0, err)
                    root = ET.parse(path).getroot()
                    self.assertEqual(root.tag, SVG + "svg")
                    self.assertTrue(root.get("width").endswith("mm"))
                    box = [float(v) for v in root.get("viewBox").split()]
                    self.assertAlmostEqual(float(root.get("width")[:-2]), box[2], places=3)
                    groups = {g.get("id"): g for g in root.iter(SVG + "g")}
                    calc = subprocess.run([CLI, "calc", "--module", m, "--teeth", z1, z2,
                                           "--shift", x1, x2], capture_output=True,
                                          text=True, timeout=60)
                    results = json.loads(calc.stdout)["results"]
                    for path_element in root.iter(SVG + "path"):
                        path_points(path_element.get("d"))
                    for g, (gid, z) in enumerate((("gear1", int(z1)), ("gear2", int(z2)))):
                        outline = groups[gid].find(SVG + "path")
                        points = path_points(outline.get("d"))
                        self.assertEqual(len(points), 14 * z)
                        # The dashed working pitch circles touch at the pitch point:
                        # radii a z1/(z1+z2) and a z2/(z1+z2). The outline reaches
                        # this gear's own tip circle and no further.
                        pitch = groups[gid].find(SVG + "circle[@class='pitch']")
                        a = results["center_distance"]
                        self.assertAlmostEqual(float(pitch.get("r")),
                                               a * z / (int(z1) + int(z2)), places=3)
                        cx, cy = float(pitch.get("cx")), float(pitch.get("cy"))
                        tip = max(((x - cx) ** 2 + (y - cy) ** 2) ** 0.5 for x, y in points)
                        self.assertAlmostEqual(tip, results["tip_diameter"][g] / 2,
                                               delta=1e-3 * float(m))
                        # Every point lies inside the viewBox.
                        for x, y in points:
                            self.assertTrue(box[0] <= float(x) <= box[0] + box[2])
                            self.assertTrue(box[1] <= float(y) <= box[1] + box[3])
                    # The dimension reads as the window's 中心距離 field.
                    edit14 = json.loads(calc.stdout)["fields"]["Edit14"]
                    text = groups["centre-distance"].find(SVG + "text").text
                    self.assertEqual(text, "中心距離 " + edit14)


if __name__ == "__main__":
    CLI = sys.argv.pop(1)
    unittest.main()
