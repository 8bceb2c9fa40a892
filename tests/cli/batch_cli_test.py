"""spurgear-cli batch: many pairs in one process, each equal to calc's.

Run as: python3 batch_cli_test.py PATH/TO/spurgear-cli
SPURGEAR_BATCH_ROWS (default 3000) sets the size of the random batch;
SPURGEAR_BATCH_SAMPLE (default 40) how many of its rows are run through calc.
"""
import csv
import io
import json
import math
import os
import random
import signal
import subprocess
import sys
import tempfile
import time
import unittest

CLI = None


def run(args, stdin=""):
    p = subprocess.run([CLI, *args], input=stdin, capture_output=True, text=True, timeout=600)
    return p.returncode, p.stdout, p.stderr


def random_pair(rng):
    """Mostly ordinary pairs, with some that fail or are refused."""
    pair = {
        "module": f"{rng.choice([0.5, 0.8, 1, 1.25, 1.5, 2, 2.5, 3, 4, 5, 6, 8, 10]) * rng.choice([1, 1, 1, 1.01]):g}",
        "z1": str(rng.randint(8, 120)),
        "z2": str(rng.randint(8, 160)),
        "x1": f"{rng.uniform(-0.5, 1.0):.3f}",
        "x2": f"{rng.uniform(-0.5, 1.0):.3f}",
        "correction": rng.choice(["0", "0", "0", f"{rng.uniform(0, 0.2):.4f}"]),
    }
    roll = rng.random()
    if roll < 0.01:
        pair["z1"] = str(rng.choice([0, 301, 400]))
    elif roll < 0.02:
        pair["x1"] = rng.choice(["1,5", "x", "-3"])
    elif roll < 0.03:
        pair["module"] = rng.choice(["0", "-1"])
    return pair


def calc(pair):
    args = ["calc", "--module", pair["module"], "--teeth", pair["z1"], pair["z2"],
            "--shift", pair["x1"], pair["x2"], "--correction", pair["correction"]]
    return run(args)


class BatchCli(unittest.TestCase):
    def batch(self, stdin, *args):
        code, out, err = run(["batch", *args], stdin)
        return code, [json.loads(line) for line in out.splitlines()] if "csv" not in args else out, err

    def assert_row_is_calc(self, row, pair):
        """The row says what calc says for the pair: the same numbers, the
        same check lines, or the same refusal or error."""
        code, out, err = calc(pair)
        if code in (0, 2):
            # The same shape as calc's: `check` the number, `messages` the lines.
            j = json.loads(out)
            self.assertEqual(row.get("results"), j["results"], pair)
            self.assertEqual((row["check"], row["messages"]), (j["check"], j["messages"]), pair)
            self.assertEqual("error" in row, code == 2, pair)
        else:
            self.assertEqual(code, 1, pair)
            self.assertEqual("spurgear-cli: " + row["error"] + "\n", err, pair)

    def test_random_rows_equal_calc(self):
        rng = random.Random(17)
        rows = int(os.environ.get("SPURGEAR_BATCH_ROWS", "3000"))
        sample = int(os.environ.get("SPURGEAR_BATCH_SAMPLE", "40"))
        pairs = [random_pair(rng) for _ in range(rows)]
        keys = ["module", "z1", "z2", "x1", "x2", "correction"]
        text = io.StringIO()
        writer = csv.writer(text, lineterminator="\n")  # quotes "1,5"
        writer.writerow(keys)
        writer.writerows([p[k] for k in keys] for p in pairs)
        start = time.monotonic()
        code, out, err = run(["batch"], text.getvalue())
        seconds = time.monotonic() - start
        lines = out.splitlines()
        self.assertEqual(len(lines), rows, err)
        results = [json.loads(line) for line in lines]
        self.assertEqual([r["row"] for r in results], list(range(1, rows + 1)))
        failed = sum("error" in r for r in results)
        self.assertEqual(code, 1 if failed else 0)
        # The sample always holds failed and refused rows, not only good ones.
        bad = [i for i, r in enumerate(results) if "error" in r]
        picked = rng.sample(range(rows), min(sample, rows)) + bad[:10]
        for i in picked:
            self.assert_row_is_calc(results[i], pairs[i])
        print(f"\nbatch: {rows} rows ({failed} not calculated) in {seconds:.2f} s, "
              f"{rows / seconds:.0f} pairs/s on {os.cpu_count()} cores; "
              f"{len(picked)} rows equal calc's", file=sys.stderr)

    def test_missing_columns_take_the_defaults(self):
        code, rows, _ = self.batch("z2\n40\n\n30\n")
        self.assertEqual(code, 0)
        self.assertEqual([r["row"] for r in rows], [1, 2])
        self.assertEqual(rows[0]["results"]["teeth"], [15, 40])
        self.assertEqual(rows[0]["results"]["module"], 1.0)
        # An empty cell is a value left out.
        code, rows, _ = self.batch("module,z1\n,20\n")
        self.assertEqual((code, rows[0]["results"]["module"]), (0, 1.0))

    def test_json_lines_and_bad_rows(self):
        stdin = ('{"module": 2, "z1": 18, "z2": 40, "x1": 0.3}\n'
                 '{"z1": "abc"}\n'
                 'not json\n'
                 '{"teeth": 3}\n'
                 '{"z1": 301}\n'
                 '{"module": "1.5", "correction": 0.05}\n')
        code, rows, _ = self.batch(stdin)
        self.assertEqual(code, 1)
        self.assertEqual([r["row"] for r in rows], [1, 2, 3, 4, 5, 6])
        self.assertEqual(rows[0]["results"]["shift"], [0.3, 0.0])
        self.assertIn("'abc' は整数ではありません", rows[1]["error"])
        self.assertIn("z1", rows[1]["error"])
        self.assertIn("JSON", rows[2]["error"])
        self.assertIn("teeth", rows[3]["error"])
        self.assertEqual(rows[4]["error"], "error：歯数Ｚ1が多すぎる、計算不可")
        self.assertEqual(rows[5]["results"]["distance_correction"], 0.05)
        self.assert_row_is_calc(rows[5], {"module": "1.5", "z1": "15", "z2": "25", "x1": "0",
                                          "x2": "0", "correction": "0.05"})

    def test_csv_output(self):
        code, out, _ = run(["batch", "--format", "csv"], "module,z1,z2\n2,18,40\n1,0,25\n")
        self.assertEqual(code, 1)
        lines = list(csv.reader(io.StringIO(out)))
        header = lines[0]
        self.assertEqual(header[:4], ["row", "module", "z1", "z2"])
        self.assertEqual(header[-3:], ["check", "messages", "error"])
        good = dict(zip(header, lines[1]))
        self.assertEqual((good["check"], good["messages"]), ("0", "エラー = 0, 警告 = 0 !"))
        refused = dict(zip(header, lines[2]))
        self.assertEqual(len(lines[2]), len(header))
        self.assertEqual(refused["check"], "2")
        self.assertIn(refused["error"], refused["messages"])
        j = json.loads(calc({"module": "2", "z1": "18", "z2": "40", "x1": "0", "x2": "0",
                             "correction": "0"})[1])["results"]
        self.assertEqual(float(good["center_distance"]), j["center_distance"])
        self.assertEqual(float(good["tip_diameter2"]), j["tip_diameter"][1])
        self.assertEqual(good["error"], "")
        bad = lines[2]
        self.assertEqual(len(bad), len(header))
        self.assertEqual(bad[0], "2")
        self.assertIn("計算不可", bad[-1])

    def test_csv_columns_hold_the_published_values(self):
        """m 3, 12 and 24 teeth, shifts 0.6 and 0.36: the gear makers'
        worked example of a shifted pair (working pressure angle 26.0886°,
        centre distance 56.4999, tip 44.840/79.400, root 32.100/66.660);
        the rest from the textbook's formulas, one column each."""
        code, out, err = run(["batch", "--format", "csv"],
                             "\ufeffx2,x1,correction,z2,z1,module\r\n0.36,0.6,0.1,24,12,3\r\n")
        self.assertEqual(code, 0, err)
        header, row = list(csv.reader(io.StringIO(out)))
        got = dict(zip(header, row))
        a, alpha = 56.4999, math.radians(20)
        alpha_w = math.radians(26.0886)
        db = [3 * z * math.cos(alpha) for z in (12, 24)]
        da = [44.840, 79.400]

        def inv(t):
            return math.tan(t) - t

        def tip_thickness(z, x, tip):
            alpha_a = math.acos(3 * z * math.cos(alpha) / tip)
            return tip * ((math.pi / 2 + 2 * x * math.tan(alpha)) / z + inv(alpha) - inv(alpha_a))

        contact = (sum(math.sqrt((d / 2) ** 2 - (b / 2) ** 2) for d, b in zip(da, db))
                   - a * math.sin(alpha_w)) / (math.pi * 3 * math.cos(alpha))
        wanted = {
            "row": (1, 0), "module": (3, 0), "z1": (12, 0), "z2": (24, 0),
            "x1": (0.6, 0), "x2": (0.36, 0), "pressure_angle_deg": (20, 0),
            "working_pressure_angle_deg": (26.0886, 5e-4),
            "center_modification_coefficient": (0.83329, 1e-4),
            "center_distance": (a, 3e-4), "distance_correction": (0.1, 0),
            "corrected_center_distance": (a + 0.1, 3e-4),
            "working_pitch_diameter1": (2 * a * 12 / 36, 1e-3),
            "working_pitch_diameter2": (2 * a * 24 / 36, 1e-3),
            "tip_diameter1": (da[0], 1e-3), "tip_diameter2": (da[1], 1e-3),
            "root_diameter1": (32.100, 1e-3), "root_diameter2": (66.660, 1e-3),
            "base_diameter1": (db[0], 1e-4), "base_diameter2": (db[1], 1e-4),
            "contact_ratio": (contact, 1e-3),
            "tip_thickness1": (tip_thickness(12, 0.6, da[0]), 1e-3),
            "tip_thickness2": (tip_thickness(24, 0.36, da[1]), 1e-3),
            # The first-order backlash of the correction: along the line of
            # action at the working pressure angle.
            "normal_backlash": (2 * 0.1 * math.sin(alpha_w), 1e-4),
        }
        self.assertEqual(sorted(wanted), sorted(header[:-3]))
        wrong = {column: (got[column], value) for column, (value, tolerance) in wanted.items()
                 if abs(float(got[column]) - value) > tolerance}
        self.assertEqual(wrong, {})
        self.assertEqual((got["error"], got["check"]), ("", "1"))
        self.assertIn("歯数Ｚ１が小さい", got["messages"])

    def test_every_column_left_out_takes_its_default(self):
        """The started pair: module 1, 15 and 25 teeth, no shift, no
        correction; each column alone changes only itself."""
        defaults = {"module": 1.0, "teeth": [15, 25], "shift": [0.0, 0.0],
                    "distance_correction": 0.0}
        for column, value, key, changed in [
                ("module", "2", "module", 2.0), ("z1", "20", "teeth", [20, 25]),
                ("z2", "40", "teeth", [15, 40]), ("x1", "0.2", "shift", [0.2, 0.0]),
                ("x2", "0.3", "shift", [0.0, 0.3]),
                ("correction", "0.05", "distance_correction", 0.05)]:
            code, rows, err = self.batch(f"{column}\n{value}\n")
            self.assertEqual(code, 0, err)
            wanted = dict(defaults, **{key: changed})
            self.assertEqual({k: rows[0]["results"][k] for k in defaults}, wanted, column)

    def test_input_that_cannot_be_read_fails(self):
        for stdin in ("dir", "closed"):
            with self.subTest(stdin=stdin):
                kwargs = {"stdin": os.open("/", os.O_RDONLY)} if stdin == "dir" else \
                    {"stdin": subprocess.DEVNULL, "preexec_fn": lambda: os.close(0)}
                p = subprocess.run([CLI, "batch"], capture_output=True, text=True, timeout=60,
                                   **kwargs)
                self.assertEqual(p.returncode, 1, p.stderr)
                self.assertTrue(p.stderr.startswith("spurgear-cli: 入力を読み込めません: "),
                                p.stderr)

    def test_a_closed_output_stops_the_run(self):
        """With SIGPIPE ignored, the first failed write ends the reading:
        far less than the whole input is taken."""
        rows = 2_000_000
        read_end, write_end = os.pipe()
        os.close(read_end)
        p = subprocess.Popen([CLI, "batch", "--jobs", "1"], stdin=subprocess.PIPE,
                             stdout=write_end, stderr=subprocess.DEVNULL,
                             preexec_fn=lambda: signal.signal(signal.SIGPIPE, signal.SIG_IGN))
        os.close(write_end)
        sent = 0
        line = b"z1,z2\n" + b"20,30\n" * 10000
        try:
            while sent < rows:
                p.stdin.write(line)
                sent += 10000
            p.stdin.close()
        except BrokenPipeError:
            pass
        p.wait(timeout=120)
        self.assertLess(sent, rows)
        self.assertNotEqual(p.returncode, 0)

    def test_usage_and_load(self):
        code, _, err = run(["batch"], "module,teeth\n2,18\n")
        self.assertEqual(code, 64)
        self.assertTrue(err.startswith("spurgear-cli: batch: unknown column 'teeth'"), err)
        code, out, err = run(["batch", "--load", "/nonexistent/x.hgd"], "z1\n20\n")
        self.assertEqual((code, out), (1, ""))
        self.assertIn("/nonexistent/x.hgd", err)
        # Rows start from the loaded pair: module and teeth from the file.
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "p.hgd")
            self.assertEqual(run(["calc", "--module", "3", "--teeth", "20", "50",
                                  "--save", path])[0], 0)
            code, rows, _ = self.batch("z2\n60\n", "--load", path)
            self.assertEqual(code, 0)
            self.assertEqual(rows[0]["results"]["module"], 3.0)
            self.assertEqual(rows[0]["results"]["teeth"], [20, 60])
            j = json.loads(run(["calc", "--load", path, "--teeth", "20", "60"])[1])
            self.assertEqual(rows[0]["results"], j["results"])

    def test_no_rows(self):
        self.assertEqual(run(["batch"], ""), (0, "", ""))
        self.assertEqual(run(["batch"], "module,z1\n"), (0, "", ""))


if __name__ == "__main__":
    CLI = sys.argv.pop(1)
    unittest.main(verbosity=2)
