"""spurgear-cli lewis: the strength estimate from the command line.

Run as: python3 lewis_cli_test.py PATH/TO/spurgear-cli
"""
import json
import subprocess
import sys
import unittest

CLI = None


def run(*args):
    p = subprocess.run([CLI, "lewis", *args], capture_output=True, text=True, timeout=60)
    return p.returncode, p.stdout, p.stderr


class LewisCli(unittest.TestCase):
    def estimate(self, *args):
        code, out, err = run(*args)
        self.assertEqual(code, 0, err)
        return json.loads(out)

    def test_defaults_are_the_page(self):
        j = self.estimate()
        self.assertEqual(j["Edit23"], "0.318")
        self.assertEqual(j["Edit24"], "166.950")
        self.assertEqual(j["Y"], 0.318)

    def test_worked_cases_with_unrounded_values(self):
        j = self.estimate("--module", "2", "--teeth", "18", "30", "--speed", "1000",
                          "--width", "20", "--fillet", "0", "--shock", "1", "--material", "9")
        self.assertEqual(j["Edit23"], "0.333")
        self.assertEqual(j["Edit24"], "1766.928")
        self.assertAlmostEqual(j["T"], 1766.928, places=3)
        self.assertEqual(f"{j['T']:.3f}", j["Edit24"])
        j = self.estimate("--module", "3", "--teeth", "40", "60", "--speed", "3000",
                          "--width", "30", "--fillet", "1", "--shock", "2", "--material", "12")
        self.assertEqual(j["Edit24"], "12010.294")
        self.assertEqual(j["Y"], 0.403)

    def test_refusals_exit_with_the_message(self):
        # 301 is refused by the input check (exit 2), then by the estimate,
        # which reads slot 0 as the refused calculation left it.
        code, out, err = run("--teeth", "301", "25")
        self.assertEqual(code, 2)
        self.assertEqual(out, "")
        self.assertIn("301", err)
        code, _, err = run("--teeth", "11", "25")
        self.assertEqual(code, 1)
        self.assertIn("11", err)

    def test_failures(self):
        code, out, err = run("--width", "1e308")
        self.assertEqual((code, out), (1, ""))
        self.assertEqual(err.strip(), "spurgear-cli: module 1, z1 15, face width 1e308, "
                                      "speed 100: 浮動小数点数のオーバーフロー.")
        code, out, err = run("--speed", "fast")
        self.assertEqual((code, out), (1, ""))
        self.assertEqual(err.strip(), "spurgear-cli: module 1, z1 15, face width 10, speed fast: "
                                      "'fast' は浮動小数点数ではありません.")
        # The pair's own calculation failing ends it as calc does.
        code, out, err = run("--module", "1,5")
        self.assertEqual((code, out), (1, ""))
        self.assertIn("'1,5'", err)

    def test_a_refused_pair_still_estimates_gear_1(self):
        code, out, err = run("--teeth", "40", "301")
        self.assertEqual(code, 2, err)
        j = json.loads(out)
        self.assertEqual(j["check"], 2)
        self.assertEqual(j["Teeth1"], 40)
        self.assertEqual(j["Edit23"], "0.403")


if __name__ == "__main__":
    CLI = sys.argv.pop(1)
    unittest.main()
