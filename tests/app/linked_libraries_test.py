"""The desktop program starts without the libraries of what it does only on
request: the sheet writer (Cairo, Pango), the solids (the geometry kernel)
and printing (Qt's print support) are modules it loads on first use. The
executable must not name them; each module must be where the program looks
(lib/spurgear beside bin/) and name what it needs."""
import os
import subprocess
import sys

KEPT_OUT = ("libcairo", "libpango", "libQt6PrintSupport", "libTK")
MODULES = {
    "libspurgear_sheet.so": "libpangocairo",
    "libspurgear_solid.so": "libTKernel",
    "libspurgear_print.so": "libQt6PrintSupport",
}


def needed(path):
    out = subprocess.run(["readelf", "-d", path], check=True, capture_output=True,
                         text=True).stdout
    return [line.split("[", 1)[1].rstrip("]") for line in out.splitlines() if "(NEEDED)" in line]


def main():
    program = os.path.abspath(sys.argv[1])
    linked = needed(program)
    assert "libQt6Widgets.so.6" in linked, linked  # the right file was read
    wrong = [lib for lib in linked if lib.startswith(KEPT_OUT)]
    assert not wrong, "spurgear links " + ", ".join(wrong)
    folder = os.path.join(os.path.dirname(program), "..", "lib", "spurgear")
    for module, library in MODULES.items():
        path = os.path.join(folder, module)
        assert os.path.exists(path), path
        assert any(lib.startswith(library) for lib in needed(path)), (module, needed(path))
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (AssertionError, subprocess.CalledProcessError) as e:
        print("linked libraries test failed:", repr(e))
        sys.exit(1)
