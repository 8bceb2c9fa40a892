"""Writes the seed corpus: valid, truncated and hostile .hgd files, parser
texts and CLI argument lists. Usage: make_seeds.py SPURGEAR_CLI OUTDIR"""
import os
import struct
import subprocess
import sys
import tempfile

cli, out = sys.argv[1], sys.argv[2]
for d in ("hgd", "parsers", "cli"):
    os.makedirs(os.path.join(out, d), exist_ok=True)


def calc_file(*args):
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "x.hgd")
        subprocess.run([cli, "calc", *args, "--save", path], stdout=subprocess.DEVNULL)
        return bytearray(open(path, "rb").read())


def put(name, data):
    with open(os.path.join(out, "hgd", name), "wb") as f:
        f.write(bytes(data))


valid = calc_file()
put("valid-default.hgd", valid)
put("valid-shifted.hgd", calc_file("--module", "2", "--teeth", "12", "40", "--shift", "0.3", "0.1",
                                   "--correction", "0.05"))
put("valid-300.hgd", calc_file("--teeth", "300", "300"))
put("truncated-232.hgd", valid[:232])
put("truncated-17.hgd", valid[:17])
put("empty.hgd", b"")
put("long-3000.hgd", valid + bytes(448))
for count, name in ((0, "teeth-0"), (-5, "teeth-minus5"), (301, "teeth-301"),
                    (2**31 - 1, "teeth-max")):
    data = bytearray(valid)
    for slot in (0, 1):
        struct.pack_into("<i", data, 232 * slot + 16, count)
    put(name + ".hgd", data)
data = bytearray(valid)
struct.pack_into("<i", data, 4, 7)
put("pressure-index-7.hgd", data)
data = bytearray(valid)
struct.pack_into("<i", data, 232 + 0, 1)  # a history row marked valid with default values
struct.pack_into("<i", data, 232 * 4 + 0, 2)
put("valid-flags.hgd", data)
for value, name in ((float("nan"), "nan"), (float("inf"), "inf")):
    data = bytearray(valid)
    struct.pack_into("<d", data, 80, value)
    put("real-" + name + ".hgd", data)
data = bytearray(valid)
struct.pack_into("<d", data, 8, 1e300)
put("module-huge.hgd", data)
data = bytearray(valid)
struct.pack_into("<d", data, 8, -1.0)
put("module-negative.hgd", data)

texts = ["1", "1.25", " -0 ", "1,5", "nan", "inf", "1e999", "$1E", "0x1F", "2147483648",
         ".5", "5.", "1e-400", "", "x" * 300]
for i, t in enumerate(texts):
    open(os.path.join(out, "parsers", "text-%02d" % i), "w").write(t)

arg_lists = [["calc"], ["calc", "--teeth", "15", "-15"], ["calc", "--module", "0"],
             ["backlash", "--correction", "0.1", "--contact"], ["lewis", "--speed", "1e308"],
             ["hgd", "/nonexistent"], ["calc", "--shift", "-1", "-1"], ["--help"]]
for i, a in enumerate(arg_lists):
    open(os.path.join(out, "cli", "args-%02d" % i), "wb").write(b"\0".join(x.encode() for x in a))
