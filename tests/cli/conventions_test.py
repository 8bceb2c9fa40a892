"""spurgear-cli as a well-kept command: the man page made at build time and
the bash completion both know every command the program has.

Run as: python3 conventions_test.py PATH/TO/spurgear-cli
"""
import os
import re
import subprocess
import sys
import unittest

CLI = None
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def commands():
    out = subprocess.run([CLI, "--help"], capture_output=True, text=True, check=True).stdout
    section = out.split("Subcommands:\n", 1)[1].split("\n\n", 1)[0]
    return re.findall(r"^  ([a-z][a-z0-9-]*) ", section, re.M)


def options(command):
    out = subprocess.run([CLI, command, "--help"], capture_output=True, text=True).stdout
    return sorted(set(re.findall(r"^  (?:-\w,)?(--[a-z0-9-]+)", out, re.M)))


def complete(*words):
    """COMPREPLY for the words typed so far, with the two helpers of the
    bash-completion package stood in for."""
    script = r'''
_init_completion() { cur="${COMP_WORDS[COMP_CWORD]}"; prev="${COMP_WORDS[COMP_CWORD-1]}";
  words=("${COMP_WORDS[@]}"); cword=$COMP_CWORD; }
_filedir() { COMPREPLY=("<files:$1>"); }
source "$1"; shift
COMP_WORDS=("$@"); COMP_CWORD=$(( $# - 1 ))
_spurgear_cli
printf '%s\n' "${COMPREPLY[@]}"
'''
    out = subprocess.run(["bash", "-c", script, "bash", os.path.join(ROOT, "data", "spurgear-cli.bash"),
                          CLI, *words], capture_output=True, text=True, check=True).stdout
    return sorted(w for w in out.split("\n") if w)


class Conventions(unittest.TestCase):
    def test_completion_offers_every_command_and_its_options(self):
        names = commands()
        self.assertIn("batch", names)
        self.assertEqual(complete(""), sorted(names))
        self.assertEqual(complete("b"), sorted(n for n in names if n.startswith("b")))
        for command in names:
            self.assertEqual(complete(command, "--"), options(command), command)
        self.assertEqual(complete("calc", "--load", ""), ["<files:hgd>"])
        self.assertEqual(complete("dxf", "--gear", ""), ["1", "2"])
        self.assertEqual(complete("batch", "--format", ""), ["csv", "json"])
        self.assertEqual(complete("--"), ["--help", "--version"])

    def test_man_page_from_the_help(self):
        build = os.path.dirname(os.path.dirname(os.path.abspath(CLI)))
        page = os.path.join(build, "man", "spurgear-cli.1")
        if not os.path.exists(page):
            print("man page not built (help2man missing)", file=sys.stderr)
            sys.exit(77)
        text = open(page, encoding="utf-8").read()
        version = subprocess.run([CLI, "--version"], capture_output=True, text=True).stdout.split()[1]
        self.assertIn(f"spurgear {version}", text)
        for heading in ("NAME", "SYNOPSIS", "DESCRIPTION", "COMMANDS"):
            self.assertRegex(text, rf"\n\.SH \"?{heading}")
        for command in commands():
            self.assertIn(f".SS {command}\n", text)
            self.assertIn(f"Usage: spurgear-cli {command} [OPTIONS]", text)
        # Japanese texts arrive as they are.
        self.assertIn("計算不可", text)
        self.assertNotIn("??", text)
        for code in ("64", "usage error"):
            self.assertIn(code, text)


if __name__ == "__main__":
    CLI = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
