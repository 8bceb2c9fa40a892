"""spurgear-cli's standard output cannot fail silently: a full device or a
full file system ends the run with status 1 and says why; a closed pipe
ends it quietly with 1, never by the signal. A file it cannot create is
named, and the system's reason follows.

Run as: python3 output_test.py PATH/TO/spurgear-cli
"""
import os
import signal
import subprocess
import sys
import tempfile
import unittest

CLI = None
FULL = "spurgear-cli: 出力を書き込めません: No space left on device\n"
NO_SPACE = " 理由: No space left on device\n"
# About 14 MB of JSON lines: far more than the small file system below holds.
ROWS = "z1,z2\n" + "20,30\n" * 20000


def ignore_sigpipe():
    signal.signal(signal.SIGPIPE, signal.SIG_IGN)


def closed_pipe(args, stdin, sigpipe_ignored):
    read_end, write_end = os.pipe()
    os.close(read_end)
    try:
        p = subprocess.run([CLI, *args], input=stdin, stdout=write_end, capture_output=False,
                           stderr=subprocess.PIPE, text=True, timeout=120,
                           preexec_fn=ignore_sigpipe if sigpipe_ignored else None)
    finally:
        os.close(write_end)
    return p.returncode, p.stderr


class Output(unittest.TestCase):
    def test_full_device(self):
        """calc's JSON is small enough to wait for the final flush; batch's
        fails at its first write. Both say so and end with 1."""
        for args, stdin in ((["calc"], ""), (["batch"], ROWS)):
            with self.subTest(args=args), open("/dev/full", "w") as full:
                p = subprocess.run([CLI, *args], input=stdin, stdout=full, stderr=subprocess.PIPE,
                                   text=True, timeout=120)
                self.assertEqual((p.returncode, p.stderr), (1, FULL))

    def test_full_file_system(self):
        """Standard output into a file that fills the file system mid-run,
        and every file the commands write into one already full: 1, the
        reason said, and no file left behind."""
        if os.geteuid() != 0:
            self.skipTest("mounting a small file system needs root")
        # In a mount namespace of its own: nothing stays mounted whatever
        # happens to the test. $1 the folder; $2 "fill" to fill it first and
        # send standard output elsewhere.
        script = ('mount -t tmpfs -o size=64k none "$1" && cd "$1" || exit 99\n'
                  'out=out; [ "$2" = fill ] && { head -c 1M /dev/zero > fill 2>/dev/null; '
                  'out=/dev/null; }\n'
                  'shift 2; "$@" > $out; echo "status $?" >&2; rm -f out fill; ls')
        cases = (
            (["batch"], "", FULL),
            (["calc", "--save", "p.hgd"], "fill", "spurgear-cli: ファイル p.hgd を作成できません." + NO_SPACE),
            (["dxf", "--gear", "2", "--output", "g.dxf"], "fill",
             "spurgear-cli: ファイル g.dxf を作成できません." + NO_SPACE),
            (["report", "--output", "r.pdf"], "fill",
             "spurgear-cli: ファイル r.pdf を作成できません." + NO_SPACE),
            (["report", "--output", "r.svg"], "fill",
             "spurgear-cli: ファイル r.svg を作成できません." + NO_SPACE),
        )
        for args, fill, message in cases:
            with self.subTest(args=args), tempfile.TemporaryDirectory() as d:
                p = subprocess.run(["unshare", "-m", "sh", "-c", script, "sh", d, fill, CLI, *args],
                                   input=ROWS if args == ["batch"] else "", capture_output=True,
                                   text=True, timeout=300)
                self.assertEqual((p.stderr, p.stdout), (message + "status 1\n", ""))

    def test_closed_pipe_is_a_quiet_end(self):
        """Whether or not the shell left SIGPIPE ignored: status 1, as the
        README says, not 141."""
        for args, stdin in ((["calc"], ""), (["batch"], ROWS), (["sliding", "--points", "2000"], "")):
            with self.subTest(args=args):
                self.assertEqual(closed_pipe(args, stdin, True), (1, ""))
                self.assertEqual(closed_pipe(args, stdin, False), (1, ""))

    def test_a_file_not_created_says_why(self):
        """The message stays as it was; the reason follows it."""
        with tempfile.TemporaryDirectory() as d:
            os.mkdir(os.path.join(d, "folder.dxf"))
            os.mkfifo(os.path.join(d, "pipe.pdf"))
            long_name = "x" * 300 + ".svg"
            cases = (
                (["dxf", "--gear", "1", "--output", "folder.dxf"],
                 "ファイル folder.dxf を作成できません. 理由: Is a directory"),
                (["report", "--output", "pipe.pdf"],
                 "ファイル pipe.pdf を作成できません. 理由: a FIFO, not a regular file"),
                (["report", "--output", long_name],
                 "ファイル " + long_name + " を作成できません. 理由: File name too long"),
                (["calc", "--save", "missing/p.hgd"],
                 "ファイル missing/p.hgd を作成できません. 理由: No such file or directory"),
            )
            for args, message in cases:
                with self.subTest(args=args):
                    p = subprocess.run([CLI, *args], capture_output=True, text=True, timeout=120,
                                       cwd=d)
                    self.assertEqual((p.returncode, p.stderr),
                                     (1, "spurgear-cli: " + message + "\n"))

    def test_a_command_writing_a_file_needs_no_standard_output(self):
        # Started with standard output closed, a command that prints nothing
        # there writes its file and ends well.
        with tempfile.TemporaryDirectory() as tmp:
            out = os.path.join(tmp, "g.dxf")
            p = subprocess.run([CLI, "drawing", "--gear", "1", "--output", out],
                               stderr=subprocess.PIPE, text=True, timeout=120,
                               preexec_fn=lambda: os.close(1))
            self.assertEqual((p.returncode, p.stderr), (0, ""))
            self.assertTrue(os.path.getsize(out) > 0)


if __name__ == "__main__":
    CLI = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
