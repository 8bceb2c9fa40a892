"""An exported gear opens in a real CAD program: LibreCAD converts it to PDF,
and the part drawing's table comes out in kanji, not in missing-glyph marks.
Skipped (exit 77) when LibreCAD is not installed: `SPURGEAR_FULL_CHECKS=1
scripts/setup` installs it."""
import os
import shutil
import subprocess
import sys
import tempfile


def main():
    cli = sys.argv[1]
    librecad = shutil.which("librecad")
    if not librecad:
        print("skipped: librecad is not installed (SPURGEAR_FULL_CHECKS=1 scripts/setup)")
        return 77
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    with tempfile.TemporaryDirectory() as tmp:
        for gear, teeth in (("1", "15"), ("2", "300")):
            dxf = os.path.join(tmp, "gear%s.dxf" % gear)
            pdf = os.path.join(tmp, "gear%s.pdf" % gear)
            subprocess.run([cli, "dxf", "--gear", gear, "--teeth", teeth, teeth, "--output", dxf],
                           check=True, stdout=subprocess.DEVNULL)
            subprocess.run([librecad, "dxf2pdf", "-o", pdf, dxf], check=True, env=env,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
            with open(pdf, "rb") as f:
                head = f.read(5)
            if head != b"%PDF-" or os.path.getsize(pdf) < 1000:
                print("librecad wrote no drawing for", dxf)
                return 1
        if not table_kanji_drawn(cli, librecad, env, tmp):
            return 1
        if not table_glyphs_in_font(cli, tmp):
            return 1
    print("3 passed, 0 failed")
    return 0


def ink(pdf, tmp):
    """Dark pixels in the right half of the first page at 150 dpi, read from a
    binary PGM."""
    base = os.path.join(tmp, "ink")
    subprocess.run(["pdftoppm", "-gray", "-r", "150", "-f", "1", "-l", "1", pdf, base],
                   check=True)
    name = [n for n in os.listdir(tmp) if n.startswith("ink") and n.endswith(".pgm")][0]
    path = os.path.join(tmp, name)
    with open(path, "rb") as f:
        data = f.read()
    os.remove(path)
    # P5 header: magic, width, height, maxval, one whitespace each.
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    width = int(fields[1])
    pixels = data[at + 1:]
    # The table stands right of the gear: the right half of the page.
    return sum(1 for i, p in enumerate(pixels) if p < 128 and i % width > width // 2)


def table_kanji_drawn(cli, librecad, env, tmp):
    """The data table's kanji come out as glyphs, not as the small diamond
    LibreCAD draws for a character its font lacks: the table with every
    character swapped for one no font has must draw far less ink."""
    dxf = os.path.join(tmp, "part.dxf")
    subprocess.run([cli, "drawing", "--gear", "1", "--module", "2", "--teeth", "18", "36",
                    "--material-name", "機械構造用炭素鋼", "--output", dxf], check=True,
                   stdout=subprocess.DEVNULL)
    with open(dxf, "rb") as f:
        lines = f.read().decode("utf-8").split("\r\n")
    # The text value (group 1) of every TEXT entity, the same length in
    # private-use characters.
    def swapped(name, swap):
        out = list(lines)
        in_text = False
        for i in range(0, len(lines) - 1, 2):
            code, value = lines[i].strip(), lines[i + 1]
            if code == "0":
                in_text = value == "TEXT"
            elif in_text and code == "1":
                out[i + 1] = "".join(swap(c) for c in value)
        path = os.path.join(tmp, name)
        with open(path, "wb") as f:
            f.write("\r\n".join(out).encode("utf-8"))
        return path

    # The same drawing with each wide character swapped for one no font
    # has, and with the wide characters left out: the ink of the text alone.
    missing = swapped("missing.dxf", lambda c: "\ue000" if ord(c) > 0x2e80 else c)
    bare = swapped("bare.dxf", lambda c: "" if ord(c) > 0x2e80 else c)
    counts = []
    for path in (dxf, missing, bare):
        pdf = path[:-4] + ".pdf"
        subprocess.run([librecad, "dxf2pdf", "-a", "-o", pdf, path], check=True,
                       env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
        counts.append(ink(pdf, tmp))
    kanji, marks = counts[0] - counts[2], counts[1] - counts[2]
    if not kanji > 3 * marks:
        print("the table's kanji drew no more than missing-glyph marks:", counts)
        return False
    return True


def table_glyphs_in_font(cli, tmp):
    """Every character of the data table, the backlash range's dash and the
    brackets of its direction included, is one the style's font draws:
    checked against the glyph list of LibreCAD's own kst32b font file."""
    font = "/usr/share/librecad/fonts/kst32b.lff"
    if not os.path.exists(font):
        return True
    glyphs = set()
    with open(font, encoding="utf-8", errors="replace") as f:
        for line in f:
            if line.startswith("[") and "]" in line:
                try:
                    glyphs.add(int(line[1:line.index("]")], 16))
                except ValueError:
                    pass
    dxf = os.path.join(tmp, "limits.dxf")
    subprocess.run([cli, "drawing", "--gear", "1", "--module", "3", "--teeth", "12", "24",
                    "--shift", "0.6", "0.36", "--thickness-deviation1", "-0.05", "-0.1",
                    "--center-deviation", "0.03", "-0.03", "--output", dxf], check=True,
                   stdout=subprocess.DEVNULL)
    with open(dxf, "rb") as f:
        lines = f.read().decode("utf-8").split("\r\n")
    texts = [lines[i + 1] for i in range(0, len(lines) - 1, 2) if lines[i].strip() == "1"]
    lacking = sorted({c for t in texts for c in t if c != " " and ord(c) not in glyphs})
    if lacking:
        print("kst32b has no glyph for", " ".join("%s (U+%04X)" % (c, ord(c)) for c in lacking))
        return False
    return True


if __name__ == "__main__":
    sys.exit(main())
