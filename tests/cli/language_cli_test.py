"""spurgear-cli speaks English when asked: --lang en, or LANGUAGE / LANG
naming English; C, POSIX, unset and Japanese locales keep the Japanese
lines byte for byte, and --lang wins over the environment. The English
lines are the wording the program is meant to print, written out here.

Run as: python3 language_cli_test.py PATH/TO/spurgear-cli
"""
import json
import os
import re
import subprocess
import sys
import unittest

CLI = None
# Few teeth on gear 1 and the tip of gear 2 in its root.
UNDERCUT = ["--module", "1", "--teeth", "13", "60"]
UNDERCUT_JA = ["warring：歯数Ｚ１が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり",
               "注意：ギア２の歯先がギア１の歯元に干渉する"]
UNDERCUT_EN = ["warning: few teeth z1, undercut possible",
               "note: the tip of Gear 2 interferes with the root of Gear 1"]


def run(args, env_overrides=None):
    env = {k: v for k, v in os.environ.items() if k not in ("LANG", "LANGUAGE", "LC_ALL")}
    env.update(env_overrides or {})
    return subprocess.run([CLI, *args], capture_output=True, text=True, env=env, timeout=60)


class Language(unittest.TestCase):
    def test_calc_messages_in_english(self):
        p = run(["calc", "--lang", "en", *UNDERCUT])
        self.assertEqual(p.returncode, 0, p.stderr)
        self.assertEqual(json.loads(p.stdout)["messages"], UNDERCUT_EN)
        # A number inside a line is kept where the English puts it.
        p = run(["calc", "--module", "2", "--teeth", "14", "16", "--shift", "0.8", "0.8",
                 "--correction", "0.2", "--lang=en"])
        self.assertEqual(json.loads(p.stdout)["messages"],
                         ["note: contact ratio after the centre distance modification below 1"
                          " (0.941), the mesh is interrupted"])

    def test_standard_error_in_english(self):
        cases = [
            (["calc", "--teeth", "400", "20"],
             "spurgear-cli: error: too many teeth z1, cannot calculate\n",
             "spurgear-cli: error：歯数Ｚ1が多すぎる、計算不可\n"),
            (["calc", "--module", "x"],
             "spurgear-cli: --module: 'x' is not a floating-point number.\n",
             "spurgear-cli: --module: 'x' は浮動小数点数ではありません.\n"),
            (["calc", "--save", "/nonexistent-dir/p.hgd"],
             "spurgear-cli: Cannot create file /nonexistent-dir/p.hgd."
             " Reason: No such file or directory\n",
             "spurgear-cli: ファイル /nonexistent-dir/p.hgd を作成できません."
             " 理由: No such file or directory\n"),
            # A message made of a field and its own message, behind an option.
            (["rate", "--torque", "1e9"],
             "spurgear-cli: --torque: Torque: Enter at most 100000000 N·m.\n",
             "spurgear-cli: --torque: トルク：100000000 N·m 以下で入力してください.\n"),
            (["tolerance", "--thickness-deviation1", "-0.1", "-0.05"],
             "spurgear-cli: --thickness-deviation1: The upper deviation -0.100 of the tooth"
             " thickness deviations of gear 1 is below the lower deviation -0.050.\n",
             "spurgear-cli: --thickness-deviation1: ギア１の歯厚許容差の上の許容差 -0.100 が"
             "下の許容差 -0.050 より小さい.\n"),
        ]
        for args, english, japanese in cases:
            with self.subTest(args=args):
                self.assertEqual(run(args + ["--lang", "en"]).stderr, english)
                self.assertEqual(run(args).stderr, japanese)

    def test_environment_decides_only_when_it_names_english(self):
        cases = [
            ({}, None, UNDERCUT_JA),
            ({"LANG": "C"}, None, UNDERCUT_JA),
            ({"LANG": "POSIX"}, None, UNDERCUT_JA),
            ({"LANG": "C.UTF-8"}, None, UNDERCUT_JA),
            ({"LANG": "ja_JP.UTF-8"}, None, UNDERCUT_JA),
            ({"LANG": "de_DE.UTF-8"}, None, UNDERCUT_JA),
            ({"LANG": "en_US.UTF-8"}, None, UNDERCUT_EN),
            ({"LANG": "en"}, None, UNDERCUT_EN),
            ({"LANGUAGE": "en_GB:en", "LANG": "C"}, None, UNDERCUT_EN),
            ({"LANGUAGE": "ja", "LANG": "en_US.UTF-8"}, None, UNDERCUT_JA),
            ({"LANG": "en_US.UTF-8"}, "ja", UNDERCUT_JA),
            ({"LANG": "ja_JP.UTF-8"}, "en", UNDERCUT_EN),
        ]
        for env, lang, expected in cases:
            with self.subTest(env=env, lang=lang):
                args = ["calc", *UNDERCUT] + (["--lang", lang] if lang else [])
                p = run(args, env)
                self.assertEqual(json.loads(p.stdout)["messages"], expected)

    def test_texts_inside_the_json_of_other_commands(self):
        rate = json.loads(run(["rate", "--lang", "en"]).stdout)
        self.assertEqual(rate["standard"], "ISO 6336-1/-2/-3:2006 method B, ISO 6336-5:2003 (MQ),"
                                           " ISO 1328-1:1995")
        lines = run(["size", "--ratio", "3", "--center-distance", "100", "--lang", "en"])
        summary = json.loads(lines.stdout.splitlines()[-1])["summary"]
        self.assertEqual(summary["text"],
                         "centre distance > maximum: 6,683, S_H < 1: 1,522, z2 > 300: 112")

    def test_help_in_english_names_every_control_in_english(self):
        # Every command's help, in English, without a Japanese name left in it
        # (buttons, menu items and messages quoted inside the English text);
        # without --lang the help stays as it was.
        listing = run(["--help"]).stdout.split("Subcommands:")[1].split("\n\n")[0]
        commands = [""] + re.findall(r"^  ([a-z]+)  ", listing, re.M)
        self.assertGreater(len(commands), 10)
        for command in commands:
            args = [command, "--help"] if command else ["--help"]
            english = run(["--lang", "en", *args])
            self.assertEqual(english.returncode, 0, english.stderr)
            left = [c for c in english.stdout if "\u3000" <= c <= "\u9fff" or "\uff00" <= c <= "\uffef"]
            self.assertEqual(left, [], f"{command or 'spurgear-cli'} --help")
            self.assertIn("計算", run(args).stdout)

    def test_unknown_language_is_a_usage_error(self):
        p = run(["calc", "--lang", "fr"])
        self.assertEqual(p.returncode, 64)
        self.assertIn("--lang", p.stderr)

    def test_keys_do_not_change(self):
        ja = json.loads(run(["calc", *UNDERCUT]).stdout)
        en = json.loads(run(["calc", "--lang", "en", *UNDERCUT]).stdout)
        del ja["messages"], en["messages"]
        self.assertEqual(ja, en)


if __name__ == "__main__":
    CLI = sys.argv.pop(1)
    unittest.main()
