"""The part drawing opens in Inkscape, read as UTF-8: every text of the data
table comes in whole (no character lost or mis-decoded), and the drawing
renders with the table's kanji drawn as glyphs. Skipped (exit 77) when
Inkscape is not installed: `SPURGEAR_FULL_CHECKS=1 scripts/setup` installs it."""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SVG = "{http://www.w3.org/2000/svg}"


def dxf_texts(path):
    with open(path, "rb") as f:
        lines = f.read().decode("utf-8").split("\r\n")
    texts, in_text = [], False
    for i in range(0, len(lines) - 1, 2):
        code, value = lines[i].strip(), lines[i + 1]
        if code == "0":
            in_text = value == "TEXT"
        elif in_text and code == "1":
            texts.append(value)
    return texts


def imported(extension, dxf, svg):
    """The DXF as Inkscape's importer reads it with the UTF-8 encoding."""
    with open(svg, "wb") as out:
        subprocess.run(["/usr/bin/python3", extension, "--encoding=utf_8", "--font=IPAGothic", dxf],
                       check=True, stdout=out, stderr=subprocess.DEVNULL, timeout=120)
    root = ET.parse(svg).getroot()
    return ["".join(t.itertext()) for t in root.iter(SVG + "text")]


def main():
    cli = sys.argv[1]
    inkscape = shutil.which("inkscape")
    if not inkscape:
        print("skipped: inkscape is not installed (SPURGEAR_FULL_CHECKS=1 scripts/setup)")
        return 77
    data = subprocess.run([inkscape, "--system-data-directory"], capture_output=True,
                          text=True).stdout.strip() or "/usr/share/inkscape"
    extension = os.path.join(data, "extensions", "dxf_input.py")
    if not os.path.exists(extension):
        print("skipped: Inkscape's DXF importer is not installed")
        return 77
    failed = 0
    with tempfile.TemporaryDirectory() as tmp:
        dxf = os.path.join(tmp, "part.dxf")
        subprocess.run([cli, "drawing", "--gear", "1", "--module", "3", "--teeth", "12", "24",
                        "--shift", "0.6", "0.36", "--thickness-deviation1", "-0.05", "-0.1",
                        "--center-deviation", "0.03", "-0.03", "--material-name", "機械構造用炭素鋼",
                        "--note", "面取り C0.5", "--output", dxf], check=True, stdout=subprocess.DEVNULL)
        want = dxf_texts(dxf)
        got = imported(extension, dxf, os.path.join(tmp, "part.svg"))
        lost = [t for t in want if t not in got]
        if lost or len(want) != len(got):
            print("Inkscape read the table differently: lost", lost, "of", len(want), "texts")
            failed += 1
        # Rendered, the table draws clearly more ink than with its wide
        # characters left out (the lines and digits alone): a character the
        # font lacks draws nothing here, so the kanji's ink is theirs.
        inks = []
        for name, swap in (("whole", lambda c: c), ("bare", lambda c: "")):
            svg = os.path.join(tmp, name + ".svg")
            tree = ET.parse(os.path.join(tmp, "part.svg"))
            for t in tree.getroot().iter():
                if t.text:
                    t.text = "".join(c if ord(c) < 0x2e80 else swap(c) for c in t.text)
            tree.write(svg)
            png = os.path.join(tmp, name + ".png")
            subprocess.run([inkscape, svg, "--export-type=png", "--export-filename=" + png,
                            "--export-background=white", "--export-area-drawing",
                            "--export-width=1200"], check=True, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=120)
            out = subprocess.run(["convert", png, "-colorspace", "gray", "-threshold", "50%",
                                  "-format", "%[fx:mean]", "info:"], capture_output=True,
                                 text=True, check=True).stdout
            inks.append(1.0 - float(out))
        if not inks[0] > 1.1 * inks[1]:
            print("the table's kanji drew no ink in Inkscape:", inks)
            failed += 1
    print(f"{2 - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
