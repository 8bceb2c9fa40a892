"""Every output of a set of pairs stays as it was recorded: the JSON of calc,
measure, tolerance, sliding and rate byte for byte, the sheet's text as
pdftotext reads it, and the part drawing (DXF) and template (SVG) as their
texts plus a digest of everything else in the file. A change of structure
that means to change no output must leave this test green; a change that
means to change an output records it with --update, and the diff of the
recorded files shows what moved.

Run as: python3 outputs_unchanged_test.py PATH/TO/spurgear-cli [--update]
"""
import hashlib
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
RECORDED = os.path.join(HERE, "outputs")

# (name, pair options); "p145" loads a file whose pressure angle is 14.5°.
PAIRS = [
    ("default", []),
    ("short_tip", ["--module", "3", "--teeth", "12", "24", "--shift", "0.6", "0.36"]),
    ("p145", ["--load", "@p145", "--module", "2", "--teeth", "18", "36", "--shift", "0.3", "0.1"]),
    ("mounted", ["--module", "2", "--teeth", "14", "16", "--shift", "0.8", "0.8",
                 "--correction", "0.2"]),
    ("warned", ["--module", "1", "--teeth", "13", "60", "--correction", "0.1"]),
    ("large", ["--module", "5", "--teeth", "40", "80", "--shift", "-0.2", "0.3",
               "--correction", "-0.1"]),
]

TOLERANCE = ["--thickness-deviation1", "-0.05", "-0.1", "--thickness-deviation2", "-0.04", "-0.09",
             "--center-deviation", "0.03", "-0.03", "--accuracy-class", "6", "8"]
CHOICES = ["--span-teeth", "3", "auto", "--pin", "auto", "3.5"]
TEXTS = ["--material-name", "S45C", "SCM415", "--heat-treatment", "高周波焼入れ",
         "--hardness-text", "HRC50", "--finish", "研削", "--note", "面取り C0.2"]
RATING = ["--torque", "40", "--speed", "1500", "--material", "through-hardened", "through-hardened", "--quality", "ME",
          "--hardness", "300", "300", "--face-width", "12", "14", "--accuracy-grade", "7"]


def run(cli, args):
    r = subprocess.run([cli] + args, capture_output=True, text=True)
    return f"exit {r.returncode}\n--- stdout\n{r.stdout}--- stderr\n{r.stderr}"


def digest_apart(text, pattern):
    """The texts the pattern picks out, one a line, and a digest of the rest."""
    texts = re.findall(pattern, text)
    rest = re.sub(pattern, "", text)
    return "".join(t + "\n" for t in texts) + "sha256 " + hashlib.sha256(rest.encode()).hexdigest() + "\n"


def dxf_texts(path):
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    texts, rest = [], []
    for i, line in enumerate(lines):
        # A text entity's value (group 1) is what a reader sees; everything
        # else is the drawing.
        if i % 2 == 1 and lines[i - 1].strip() == "1":
            texts.append(line)
        else:
            rest.append(line)
    digest = hashlib.sha256("\n".join(rest).encode()).hexdigest()
    return "".join(t + "\n" for t in texts) + "sha256 " + digest + "\n"


def outputs(cli, tmp):
    hgd = os.path.join(tmp, "p145.hgd")
    with open(hgd, "wb") as f:
        # Slot 0 not calculated, pressure angle index 0 (14.5°).
        f.write(struct.pack("<ii", 0, 0))
    out = {}
    for name, pair in PAIRS:
        pair = [hgd if a == "@p145" else a for a in pair]
        out[f"{name}.calc"] = run(cli, ["calc"] + pair)
        out[f"{name}.measure"] = run(cli, ["measure"] + pair + CHOICES)
        out[f"{name}.tolerance"] = run(cli, ["tolerance"] + pair + TOLERANCE + CHOICES)
        out[f"{name}.tolerance_auto"] = run(cli, ["tolerance"] + pair)
        out[f"{name}.sliding"] = run(cli, ["sliding"] + pair)
        out[f"{name}.rate"] = run(cli, ["rate"] + pair)
        out[f"{name}.rate_chosen"] = run(cli, ["rate"] + pair + RATING)
        pdf = os.path.join(tmp, name + ".pdf")
        status = run(cli, ["report"] + pair + TOLERANCE + TEXTS + ["--rating", "--output", pdf])
        sheet = ""
        if os.path.exists(pdf):
            sheet = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True,
                                   text=True, check=True).stdout
        # The day the sheet is made is no output of the pair's.
        sheet = re.sub(r"作成日 \d{4}-\d{2}-\d{2}", "作成日 YYYY-MM-DD", sheet)
        out[f"{name}.sheet"] = status + "--- sheet\n" + sheet
        for gear in ("1", "2"):
            dxf = os.path.join(tmp, f"{name}{gear}.dxf")
            status = run(cli, ["drawing", "--gear", gear] + pair + TOLERANCE + TEXTS + ["--output", dxf])
            drawing = dxf_texts(dxf) if os.path.exists(dxf) else ""
            out[f"{name}.drawing{gear}"] = status + "--- drawing\n" + drawing
        svg = os.path.join(tmp, name + ".svg")
        status = run(cli, ["template", "--gear", "1"] + pair + ["--output", svg])
        template = ""
        if os.path.exists(svg):
            with open(svg, encoding="utf-8") as f:
                template = digest_apart(f.read(), r"<(?:text|title)[^>]*>[^<]*</(?:text|title)>")
        out[f"{name}.template"] = status + "--- template\n" + template
    return out


# The sheet states the day it was made: any day reads as the recorded one.
SHEET_DATE = re.compile(r"(作成日 )\d{4}-\d{2}-\d{2}")


def undated(text):
    return SHEET_DATE.sub(r"\g<1>YYYY-MM-DD", text)


def main():
    cli = os.path.abspath(sys.argv[1])
    update = "--update" in sys.argv[2:]
    if not shutil.which("pdftotext"):
        print("SKIP: pdftotext is not installed")
        return 77
    tmp = tempfile.mkdtemp()
    try:
        got = outputs(cli, tmp)
    finally:
        shutil.rmtree(tmp)
    # The temporary directory's name appears in no output: every path is
    # written to a file, not printed.
    if update:
        os.makedirs(RECORDED, exist_ok=True)
        for key, text in got.items():
            with open(os.path.join(RECORDED, key + ".txt"), "w", encoding="utf-8") as f:
                f.write(text)
        print(f"recorded {len(got)} outputs in {RECORDED}")
        return 0
    failures = []
    for key, text in got.items():
        path = os.path.join(RECORDED, key + ".txt")
        if not os.path.exists(path):
            failures.append(f"{key}: nothing recorded")
            continue
        with open(path, encoding="utf-8") as f:
            want = f.read()
        if undated(text) != undated(want):
            a, b = want.split("\n"), text.split("\n")
            line = next((i for i in range(min(len(a), len(b))) if a[i] != b[i]), min(len(a), len(b)))
            was = a[line] if line < len(a) else "(end)"
            now = b[line] if line < len(b) else "(end)"
            failures.append(f"{key}: line {line + 1} was {was!r}, now {now!r}")
    for f in failures:
        print("FAIL", f)
    print(f"{len(got) - len(failures)} of {len(got)} outputs as recorded")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
