"""The calculation sheet, the part drawing and the cutting template in
English with --lang en, read back with pdftotext, ezdxf and an XML parser:
the tables carry the English terms and no Japanese is left; without it they
stay Japanese.

Usage: language_outputs_test.py PATH-TO-SPURGEAR-CLI
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

import ezdxf

CLI = None
JAPANESE = re.compile(r"[\u3000-\u30ff\u4e00-\u9fff\uff00-\uffef]")
PAIR = ["--module", "2", "--teeth", "14", "40", "--shift", "0.3", "0"]


def cli(*args):
    p = subprocess.run([CLI, *args], capture_output=True, text=True, timeout=120)
    if p.returncode != 0:
        raise AssertionError(p.stderr)


class Outputs(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp()

    def tearDown(self):
        shutil.rmtree(self.dir)

    def sheet_text(self, *lang):
        pdf = os.path.join(self.dir, "sheet.pdf")
        cli("report", *PAIR, "--rating", "--thickness-deviation1", "-0.05", "-0.1",
            "--output", pdf, *lang)
        return subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True,
                              text=True, check=True).stdout

    @unittest.skipUnless(shutil.which("pdftotext"), "pdftotext missing")
    def test_sheet(self):
        english = self.sheet_text("--lang", "en")
        self.assertEqual([l for l in english.splitlines() if JAPANESE.search(l)], [])
        for term in ["Spur gear calculation sheet", "Working dia.", "Tip dia.",
                     "Contact ratio", "Span measurement W", "Dimension over pins",
                     "Gear data, gear 1", "Reference diameter", "Tolerances and backlash",
                     "Specific sliding at the root", "Safety factor for pitting",
                     "Safety factor for tooth root bending", "Working dia. φ28.299",
                     "Centre distance 54.578"]:
            self.assertIn(term, english)
        japanese = self.sheet_text()
        for term in ["平歯車の諸元計算書", "噛合い円", "要目表 ギア１", "歯面強度安全率"]:
            self.assertIn(term, japanese)
        self.assertNotIn("Spur gear calculation sheet", japanese)

    def test_part_drawing_table(self):
        dxf = os.path.join(self.dir, "part.dxf")
        cli("drawing", *PAIR, "--gear", "1", "--output", dxf, "--lang", "en")
        texts = [e.dxf.text for e in ezdxf.readfile(dxf).modelspace().query("TEXT")]
        self.assertEqual([t for t in texts if JAPANESE.search(t)], [])
        # Each item is followed by its value, as the table reads.
        for item, value in [("Module", "2"), ("No. of teeth", "14"),
                            ("Reference diameter", "28.000"), ("Profile shift", "0.600"),
                            ("Tip diameter", "33.155"), ("Mating gear teeth", "40")]:
            self.assertIn(item, texts)
            self.assertEqual(texts[texts.index(item) + 1], value, item)
        self.assertEqual(texts[0], "Gear data, gear 1")
        cli("drawing", *PAIR, "--gear", "1", "--output", dxf)
        texts = [e.dxf.text for e in ezdxf.readfile(dxf).modelspace().query("TEXT")]
        self.assertEqual(texts[0], "要目表 ギア１")

    def test_template_title(self):
        svg = os.path.join(self.dir, "t.svg")
        cli("template", *PAIR, "--gear", "2", "--output", svg, "--lang", "en")
        title = ET.parse(svg).getroot().find("{http://www.w3.org/2000/svg}title").text
        self.assertEqual(title, "Tooth template Gear 2 (m 2, z 40)")


if __name__ == "__main__":
    CLI = sys.argv.pop(1)
    unittest.main()
