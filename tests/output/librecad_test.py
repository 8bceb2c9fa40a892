"""An exported gear opens in a real CAD program: LibreCAD converts it to PDF.
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
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
