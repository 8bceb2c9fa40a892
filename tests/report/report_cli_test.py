"""spurgear-cli report: the SVG drawing is well-formed XML in millimetres
holding both gears, for pairs from the smallest to the largest; every path
is valid path data and the circles and outlines have the pair's sizes; the
sheet's strength estimate is the one lewis gives for the same inputs, and
names them.

Run as: python3 report_cli_test.py PATH/TO/spurgear-cli
"""
import json
import math
import os
import re
import shutil
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

    def test_labels_clear_of_both_gears_and_line_weights_fixed(self):
        # A small gear beside a large one: a label above the small gear would
        # lie across the large one.
        for m, z1, z2, *shift in (("1", "12", "300"), ("0.5", "300", "300"), ("10", "40", "12"),
                                  ("3", "12", "24", "--shift", "0.6", "0.36")):
            with self.subTest(m=m, z=(z1, z2)), tempfile.TemporaryDirectory() as tmp:
                path = os.path.join(tmp, "kamiai.svg")
                code, err = report(path, "--module", m, "--teeth", z1, z2, *shift)
                self.assertEqual(code, 0, err)
                calc = json.loads(subprocess.run(
                    [CLI, "calc", "--module", m, "--teeth", z1, z2, *shift], capture_output=True,
                    text=True, timeout=60).stdout)
                res = calc["results"]
                a = res["corrected_center_distance"]
                circles = [(0.0, res["tip_diameter"][0] / 2), (a, res["tip_diameter"][1] / 2)]
                root = ET.parse(path).getroot()
                # Line weights by drawing practice: 0.35 mm outlines, 0.18 mm
                # for everything thin, whatever the pair's size.
                for e in root.iter():
                    w = e.get("stroke-width")
                    if w is None:
                        continue
                    want = "0.35" if e.get("class") == "outline" else "0.18"
                    self.assertEqual(w, want, e.get("class") or e.tag)
                # Each outline closed; each gear's vertical centre line past
                # its tip circle both ways.
                for e in root.iter(SVG + "path"):
                    if e.get("class") == "outline":
                        self.assertTrue(e.get("d").rstrip().endswith("Z"))
                for cx, r in circles:
                    ends = [(float(e.get("y1")), float(e.get("y2"))) for e in root.iter(SVG + "line")
                            if e.get("x1") == e.get("x2") and abs(float(e.get("x1")) - cx) < 1e-3
                            and e.get("stroke-dasharray")]
                    self.assertTrue(ends and min(ends[0]) < -r and max(ends[0]) > r, (cx, ends))
                view = [float(v) for v in root.get("viewBox").split()]
                for t in root.iter(SVG + "text"):
                    x, y = float(t.get("x")), float(t.get("y"))
                    self.assertTrue(view[0] < x < view[0] + view[2]
                                    and view[1] < y < view[1] + view[3], t.text)
                labels = [t for t in root.iter(SVG + "text") if t.get("class")]
                texts = [t.text for t in labels]
                self.assertIn("ギア１", texts)
                self.assertIn("ギア２", texts)
                for g, field in ((0, "Edit6"), (1, "Edit7")):
                    self.assertIn("噛合い円 φ" + calc["fields"][field], texts)
                for t in labels:
                    # The text's box, generously: full-width characters one
                    # size wide, others 0.7; from the baseline up one size.
                    size = float(t.get("font-size"))
                    # Lettering in proportion: well below the larger gear's size.
                    self.assertLess(size, max(r for _, r in circles) / 4, t.text)
                    width = sum(size if ord(c) > 0x2000 else 0.7 * size for c in t.text)
                    x, y = float(t.get("x")), float(t.get("y"))
                    x0 = x - width if t.get("text-anchor") == "end" else x
                    box = (x0, y - size, x0 + width, y + 0.25 * size)
                    for cx, r in circles:
                        nx = min(max(cx, box[0]), box[2])
                        ny = min(max(0.0, box[1]), box[3])
                        self.assertGreater(math.hypot(nx - cx, ny), r,
                                           f"{t.text} reaches into the tip circle at {cx}")


class ReportStrength(unittest.TestCase):
    def test_sheet_takes_the_strength_inputs(self):
        if not shutil.which("pdftotext"):
            self.skipTest("pdftotext is not installed")
        pair = ["--module", "2", "--teeth", "20", "40"]
        inputs = ["--speed", "300", "--fillet", "0", "--shock", "2", "--material", "5"]
        lewis = subprocess.run([CLI, "lewis", *pair, "--width", "25", *inputs],
                               capture_output=True, text=True, timeout=60)
        self.assertEqual(lewis.returncode, 0, lewis.stderr)
        torque = json.loads(lewis.stdout)["Edit24"]
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "sheet.pdf")
            code, err = report(path, *pair, "--face-width", "25", *inputs)
            self.assertEqual(code, 0, err)
            text = subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True,
                                  text=True, timeout=60).stdout
            for caption, value in (("歯幅 ｂ", "25"), ("回転数 ｎ", "300"),
                                   ("許容伝達トルク", torque)):
                self.assertRegex(text, re.escape(caption) + r"\s+" + re.escape(value))
            self.assertIn("なし", text)  # the fillet chosen
            self.assertIn("大", text)    # the shock chosen

            # A face width the page cannot read names its field.
            code, err = report(path, *pair, "--face-width", "abc")
            self.assertEqual(code, 1)
            self.assertIn("歯幅 ｂ", err)

    def test_sheet_sections_print_what_the_commands_print(self):
        """The tolerance, sliding and rating sections hold the numbers that
        tolerance, sliding and rate print for the same pair and options."""
        if not shutil.which("pdftotext"):
            self.skipTest("pdftotext is not installed")
        pair = ["--module", "2", "--teeth", "18", "40", "--shift", "0.2", "0"]
        tol = ["--thickness-deviation1", "-0.05", "-0.09", "--thickness-deviation2", "-0.06",
               "-0.1", "--center-deviation", "0.03", "-0.02", "--accuracy-class", "7", "8"]

        def cli(*args):
            p = subprocess.run([CLI, *args], capture_output=True, text=True, timeout=60)
            self.assertEqual(p.returncode, 0, p.stderr)
            return json.loads(p.stdout)

        def sheet(*args):
            with tempfile.TemporaryDirectory() as tmp:
                path = os.path.join(tmp, "sheet.pdf")
                code, err = report(path, *args)
                self.assertEqual(code, 0, err)
                return subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True,
                                      text=True, timeout=60).stdout

        def row(text, caption, *values):
            self.assertRegex(text, re.escape(caption) + "".join(r"\s+" + re.escape(v)
                                                                for v in values))

        t = cli("tolerance", *pair, *tol)
        z = cli("sliding", *pair)
        r = cli("rate", *pair, "--torque", "80", "--material", "through-hardened",
                "nitrided")
        text = sheet(*pair, *tol, "--rating-torque", "80", "--rating-material",
                     "through-hardened", "nitrided")
        f3 = lambda v: "%.3f" % v
        g1, g2 = t["gear1"], t["gear2"]
        for caption, key, end in (("またぎ歯厚 W（上）", "span_limits", "upper"),
                                  ("またぎ歯厚 W（下）", "span_limits", "lower"),
                                  ("オーバーピン寸法（上）", "over_pins_limits", "upper"),
                                  ("弦歯厚（下）", "chordal_thickness_limits", "lower")):
            row(text, caption, f3(g1[key][end]), f3(g2[key][end]))
        for caption, key in (("法線方向バックラッシ j_n（最小／最大）", "backlash_normal"),
                             ("円周方向バックラッシ j_t（最小／最大）", "backlash_circumferential")):
            row(text, caption, f3(t[key][0]), "／", f3(t[key][1]))
        um = lambda v: "%.0f" % v if v > 10 else "%.1f" % v
        for caption, key in (("単一ピッチ偏差 f_pT", "single_pitch"),
                             ("累積ピッチ偏差 F_pT", "cumulative_pitch"),
                             ("つる巻線勾配偏差 f_HβT", "helix_slope")):
            row(text, caption, um(g1["tolerances_um"][key]), um(g2["tolerances_um"][key]))
        self.assertIn("ISO 1328-1:2013", text)
        row(text, "歯元のすべり率 ζ", f3(z["gear1_root"]), f3(z["gear2_root"]))
        row(text, "歯先のすべり率 ζ", f3(z["gear1_tip"]), f3(z["gear2_tip"]))
        a, b = r["gear1"], r["gear2"]
        f2, f4 = (lambda v: "%.2f" % v), (lambda v: "%.4f" % v)
        for symbol, key, fmt in (("σ_H", "contact_stress", f2),
                                 ("σ_HP", "permissible_contact_stress", f2),
                                 ("S_H", "pitting_safety", f4), ("σ_F", "root_stress", f2),
                                 ("σ_FP", "permissible_root_stress", f2),
                                 ("S_F", "bending_safety", f4)):
            self.assertRegex(text, re.escape(symbol) + r"\s+\S+\s+" + re.escape(fmt(a[key]))
                             + r"\s+" + re.escape(fmt(b[key])))
        row(text, "最大トルク T₁max", f2(r["max_torque"]))
        self.assertIn("ISO 6336-1/-2/-3:2006", text)
        # The width and hardness rated: ten modules and each line's default
        # unless given, each gear its own when given.
        row(text, "歯幅 b（強度計算）", "20.00", "20.00", "mm")
        given = sheet(*pair, "--rating-torque", "80", "--rating-face-width", "25", "20",
                      "--rating-hardness", "640", "700")
        row(given, "歯幅 b（強度計算）", "25.00", "20.00", "mm")
        row(given, "硬さ", "640", "700", "HV")

        # No rating asked, no rating section; interference and a negative
        # least backlash are said, not hidden behind a number.
        text = sheet("--module", "1", "--teeth", "14", "60", "--thickness-deviation1",
                     "0.2", "0.1")
        self.assertNotIn("ISO 6336", text)
        row(text, "歯元のすべり率 ζ", "干渉")
        self.assertIn("注意：最小バックラッシが負、歯面が干渉する", text)

        # The sliding of the pair as it runs at a + c (mpmath, apart from
        # the program: −7.4348 and −2.3337; −20.436 and −2.792 at a).
        text = sheet("--teeth", "15", "25", "--correction", "0.1")
        self.assertIn("距離修正後の中心距離 20.100 mm でのかみ合い", text)
        row(text, "歯元のすべり率 ζ", "-7.435", "-2.334")


PT_PER_MM = 72 / 25.4


class Sheet:
    """A written sheet read back: its words with their boxes (pdftotext
    -bbox, in points) and, for a word's colour, its page rendered."""

    def __init__(self, path):
        self.path = path
        html = subprocess.run(["pdftotext", "-bbox", path, "-"], capture_output=True,
                              text=True, timeout=60).stdout
        self.pages, self.words = [], []
        for n, page in enumerate(re.split(r"<page ", html)[1:]):
            self.pages.append(float(re.search(r'height="([\d.]+)"', page).group(1)))
            for m in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" '
                                 r'yMax="([\d.]+)">([^<]*)</word>', page):
                x0, y0, x1, y1 = map(float, m.groups()[:4])
                self.words.append((n, x0, y0, x1, y1, m.group(5)))
        self.images = {}

    def line(self, page, caption, after=0.0):
        """The words after `caption` on its line of `page`, first below y = after."""
        for n, x0, y0, x1, y1, text in self.words:
            if n != page or y0 < after:
                continue
            row = sorted((w for w in self.words if w[0] == n and abs(w[2] - y0) < 1.0),
                         key=lambda w: w[1])
            texts = [w[5] for w in row]
            for k in range(len(texts)):
                if " ".join(texts[:k + 1]) == caption:
                    return row[k + 1:]
        raise AssertionError(f"no line {caption} on page {page + 1}")

    def red(self, word):
        """True when the word is printed red, False when black or grey."""
        page, x0, y0, x1, y1, _ = word
        if page not in self.images:
            ppm = subprocess.run(["pdftoppm", "-f", str(page + 1), "-l", str(page + 1), "-r",
                                  "150", self.path], capture_output=True, timeout=60).stdout
            header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
            self.images[page] = (int(header.group(1)), ppm[header.end():])
        width, pixels = self.images[page]
        k = 150 / 72
        reds = darks = 0
        for y in range(int(y0 * k), int(y1 * k) + 1):
            for x in range(int(x0 * k), int(x1 * k) + 1):
                i = 3 * (y * width + x)
                r, g, b = pixels[i], pixels[i + 1], pixels[i + 2]
                if r - max(g, b) > 80:
                    reds += 1
                elif max(r, g, b) < 170 and max(r, g, b) - min(r, g, b) < 40:
                    darks += 1
        return reds > darks


class ReportSheetCells(unittest.TestCase):
    """Each cell of the sheet's tables holds its own value in its own column
    and colour, the sections are numbered in order, nothing runs past the
    page's foot and the two gear data tables stand apart."""

    PAIR = ["--module", "3", "--teeth", "12", "24", "--shift", "0.6", "0.36"]
    TOL = ["--thickness-deviation1", "-0.05", "-0.1", "--thickness-deviation2", "-0.04",
           "-0.09", "--center-deviation", "0.03", "-0.02", "--accuracy-class", "6", "8"]

    def setUp(self):
        if not shutil.which("pdftotext") or not shutil.which("pdftoppm"):
            self.skipTest("poppler's tools are not installed")
        self.tmp = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.tmp.cleanup()

    def sheet(self, *args):
        path = os.path.join(self.tmp.name, "sheet%d.pdf" % len(os.listdir(self.tmp.name)))
        code, err = report(path, *args)
        self.assertEqual(code, 0, err)
        return Sheet(path)

    def cli(self, *args):
        p = subprocess.run([CLI, *args], capture_output=True, text=True, timeout=60)
        self.assertEqual(p.returncode, 0, p.stderr)
        return json.loads(p.stdout)

    def columns(self, sheet, page, caption):
        """The right edges of the gear 1 and gear 2 columns under a heading row."""
        head = sheet.line(page, caption)
        centre = {w[5]: (w[1] + w[3]) / 2 for w in head}
        return ((centre["ギア１"] + centre["ギア２"]) / 2, (centre["ギア２"] + centre["単位"]) / 2)

    def assertCells(self, sheet, page, caption, values, edges=None):
        words = sheet.line(page, caption)
        self.assertEqual([w[5] for w in words[:len(values)]], values, caption)
        if edges:
            pad = 3 * PT_PER_MM  # the padding, generously
            for w, edge in zip(words[:2], edges):
                self.assertTrue(edge - pad < w[3] <= edge, f"{caption} {w[5]} at {w[3]}, column {edge}")
        return words

    def test_tolerance_and_first_page_cells(self):
        sheet = self.sheet(*self.PAIR, *self.TOL, "--tolerance-face-width", "20", "25",
                           "--rating", "--rating-torque", "2000")
        t = self.cli("tolerance", *self.PAIR, *self.TOL, "--face-width", "20", "25")
        f3 = lambda v: "%.3f" % v
        um = lambda v: "%.0f" % v if v > 10 else "%.1f" % v
        g1, g2 = t["gear1"], t["gear2"]
        page = next(w[0] for w in self.words_of(sheet, "公差・バックラッシ"))
        edges = self.columns(sheet, page, "項目")
        both = lambda key, f: [f(g1[key]), f(g2[key])]
        rows = [("歯厚の上の許容差 E_sns", [f3(g1["thickness_deviation"][0]),
                                      f3(g2["thickness_deviation"][0])]),
                ("歯厚の下の許容差 E_sni", [f3(g1["thickness_deviation"][1]),
                                      f3(g2["thickness_deviation"][1])]),
                ("精度等級", both("accuracy_class", str)),
                ("歯幅 b", both("face_width", f3)),
                ("またぎ歯数 k", both("span_teeth", str)),
                ("ピン径", both("pin", f3))]
        for caption, key in (("またぎ歯厚 W", "span_limits"), ("オーバーピン寸法", "over_pins_limits"),
                             ("弦歯厚", "chordal_thickness_limits")):
            for end, word in (("upper", "（上）"), ("lower", "（下）")):
                rows.append((caption + word, [f3(g1[key][end]), f3(g2[key][end])]))
        for caption, key in (("単一ピッチ偏差 f_pT", "single_pitch"),
                             ("累積ピッチ偏差 F_pT", "cumulative_pitch"),
                             ("全歯形偏差 F_αT", "profile_total"),
                             ("歯形形状偏差 f_fαT", "profile_form"),
                             ("歯形勾配偏差 f_HαT", "profile_slope"),
                             ("全つる巻線偏差 F_βT", "helix_total"),
                             ("つる巻線形状偏差 f_fβT", "helix_form"),
                             ("つる巻線勾配偏差 f_HβT", "helix_slope"),
                             ("歯溝の振れ F_rT", "runout")):
            rows.append((caption, [um(g1["tolerances_um"][key]), um(g2["tolerances_um"][key])]))
        for caption, values in rows:
            words = self.assertCells(sheet, page, caption, values, edges)
            self.assertFalse(any(sheet.red(w) for w in words), caption)
        cd = t["center_deviation"]
        self.assertCells(sheet, page, "中心距離の許容差（上／下）", [f3(cd[0]), "／", f3(cd[1])])
        for caption, key in (("法線方向バックラッシ j_n（最小／最大）", "backlash_normal"),
                             ("円周方向バックラッシ j_t（最小／最大）", "backlash_circumferential")):
            words = self.assertCells(sheet, page, caption, [f3(t[key][0]), "／", f3(t[key][1])])
            self.assertFalse(sheet.red(words[0]), caption)

        # The first page: k of each gear, the distance correction as a
        # result, the input check's warning in red.
        self.assertCells(sheet, 0, "またぎ歯数 k", both("span_teeth", str))
        self.assertCells(sheet, 0, "距離修正", ["0.000", "mm"])
        warning = self.words_of(sheet, "warring：歯数Ｚ１が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり")
        self.assertEqual(len(warning), 1)
        self.assertTrue(sheet.red(warning[0]))

        # A caption longer than its cell is set smaller, keeping the cell's
        # padding (1.6 mm; half of it allowed) to the gear 1 column.
        centre = {w[5]: (w[1] + w[3]) / 2 for w in sheet.line(0, "項目")
                  if w[1] > 210 / 2 * PT_PER_MM}  # the right-hand table
        column = centre["ギア１"] - (centre["ギア２"] - centre["ギア１"]) / 2
        caption = self.words_of(sheet, "法線ﾊﾞｯｸﾗｯｼ(公式近似値）", 0)[0]
        self.assertLess(caption[3], column - 0.8 * PT_PER_MM)

        # Sections 1 to 8 in order, the continued one repeating its number.
        headings = sorted((w for w in sheet.words if re.fullmatch(r"\d+\.", w[5])
                           and w[4] - w[2] > 10), key=lambda w: (w[0], w[2], w[1]))
        numbers = [int(w[5][:-1]) for w in headings]
        self.assertEqual(sorted(set(numbers)), list(range(1, 9)), numbers)
        self.assertEqual(numbers, sorted(numbers))
        # A number repeats only at the head of the next page, where its
        # section continues.
        for n in set(numbers):
            pages = [w[0] for w in headings if int(w[5][:-1]) == n]
            self.assertEqual(pages, list(range(pages[0], pages[0] + len(pages))), (n, pages))
        # Nothing below the foot margin, 12 mm above the page's edge.
        for w in sheet.words:
            self.assertLessEqual(w[4], sheet.pages[w[0]] - 12 * PT_PER_MM + 0.5, w)

        # The gear data tables: an item spanning two rows stands between
        # them; the second table apart from the first.
        page = 1
        mid = lambda w: (w[2] + w[4]) / 2
        for item, first, last in (("歯厚", "またぎ歯厚", "またぎ歯数"),
                                  ("基準ラック", "歯形", "圧力角")):
            a, b = self.words_of(sheet, first, page)[0], self.words_of(sheet, last, page)[0]
            i = [w for w in self.words_of(sheet, item, page) if a[2] - 20 < w[2] < b[4]][0]
            self.assertAlmostEqual(mid(i), (mid(a) + mid(b)) / 2, delta=0.5, msg=item)
        hard = self.words_of(sheet, "硬さ", page)[0]
        finish = self.words_of(sheet, "仕上方法", page)[0]
        title2 = [w for w in self.words_of(sheet, "要目表", page) if w[2] > finish[4]][0]
        self.assertGreater(mid(title2) - mid(finish), 2 * (mid(finish) - mid(hard)))

    def test_notes_and_whole_microns(self):
        # Gear 1's tip cuts into gear 2's root only: the note names gear 2.
        sheet = self.sheet("--teeth", "40", "10")
        notes = [w[5] for w in sheet.words if w[5].startswith("注意：かみ合いが基礎円の内側")]
        self.assertEqual(len(notes), 1, notes)
        self.assertTrue(notes[0].endswith("：ギア２の歯元"), notes[0])
        self.assertTrue(sheet.red(self.words_of(sheet, notes[0])[0]))
        # Class 2, m 10: F_pT is 10.0 µm for 25 and 30 teeth (worked by hand
        # in the tolerance tests): whole microns only above 10.
        sheet = self.sheet("--module", "10", "--teeth", "25", "30", "--accuracy-class", "2", "2")
        page = self.words_of(sheet, "6.")[0][0]
        self.assertCells(sheet, page, "累積ピッチ偏差 F_pT", ["10.0", "10.0"])

    def words_of(self, sheet, text, page=None):
        return [w for w in sheet.words if w[5] == text and (page is None or w[0] == page)]

    def test_rating_and_backlash_rows_red_where_a_minimum_is_missed(self):
        # Gear 1 passes both checks, gear 2 neither (S_H 0.67 < 0.7, S_F
        # 1.38 < 1.4); thick teeth on a short distance; gear 2 narrower
        # than the tolerances cover.
        pair = ["--module", "2", "--teeth", "41", "18"]
        sheet = self.sheet(*pair, "--thickness-deviation1", "0.2", "0.1", "--center-deviation",
                           "0", "-0.3", "--tolerance-face-width", "10", "2", "--rating",
                           "--rating-torque", "300", "--rating-sh-min", "0.7")
        r = self.cli("rate", *pair, "--torque", "300", "--sh-min", "0.7")
        self.assertTrue(r["gear1"]["pitting_pass"] and r["gear1"]["bending_pass"])
        self.assertFalse(r["gear2"]["pitting_pass"] or r["gear2"]["bending_pass"])
        f4 = lambda v: "%.4f" % v
        rows = {"S_H 歯面強度安全率": ([f4(r["gear1"]["pitting_safety"]),
                                    f4(r["gear2"]["pitting_safety"])], True),
                "S_F 歯元強度安全率": ([f4(r["gear1"]["bending_safety"]),
                                    f4(r["gear2"]["bending_safety"])], True),
                "歯面（S_H ≥ 0.70）": (["合格", "不合格"], True),
                "歯元（S_F ≥ 1.40）": (["合格", "不合格"], True),
                "Z_H 領域係数": (["%.5f" % r["factors"]["ZH"]], False)}
        for caption, (values, red) in rows.items():
            found = [w for w in sheet.words if w[5] == caption.split()[0]]
            self.assertTrue(found, caption)
            words = self.assertCells(sheet, found[-1][0], caption, values)
            for w in words[:len(values)]:
                self.assertEqual(sheet.red(w), red, caption + " " + w[5])
        page = self.words_of(sheet, "6.")[0][0]
        for caption in ("法線方向バックラッシ j_n（最小／最大）", "円周方向バックラッシ j_t（最小／最大）"):
            self.assertTrue(sheet.red(sheet.line(page, caption)[0]), caption)
        for note in ("注意：最小バックラッシが負、歯面が干渉する", "※"):
            words = self.words_of(sheet, note, page)
            self.assertEqual(len(words), 1, note)
            self.assertTrue(sheet.red(words[0]), note)
        self.assertEqual(sheet.line(page, "※")[0][5], "ギア２")


if __name__ == "__main__":
    CLI = sys.argv.pop(1)
    unittest.main()
