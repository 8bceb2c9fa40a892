"""The desktop program starts without the libraries of what it does only on
request: the sheet writer (Cairo, Pango), the solids (the geometry kernel)
and printing (Qt's print support) are modules it loads on first use. The
executable must not name them; each module must be where the program looks
(lib/spurgear beside bin/) and name what it needs. Started, it must not
load them either by its first frame, and must end cleanly after it."""
import os
import subprocess
import sys
import tempfile

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


def mapped_at_first_frame(program):
    """The shared objects mapped when the window's first frame is complete,
    as the start-up probe lists them; the program ends after it."""
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", SPURGEAR_STARTUP_PROBE="libraries",
                   HOME=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home, XDG_RUNTIME_DIR=home)
        run = subprocess.run([program], env=env, capture_output=True, text=True, timeout=120)
    assert run.returncode == 0, (run.returncode, run.stderr[-2000:])
    lines = run.stdout.splitlines()
    assert lines and lines[0].isdigit(), run.stdout[:200]  # the frame's time comes first
    return [os.path.basename(line) for line in lines[1:]]


def main():
    program = os.path.abspath(sys.argv[1])
    linked = needed(program)
    assert "libQt6Widgets.so.6" in linked, linked  # the right file was read
    wrong = [lib for lib in linked if lib.startswith(KEPT_OUT)]
    assert not wrong, "spurgear links " + ", ".join(wrong)
    mapped = mapped_at_first_frame(program)
    assert any(lib.startswith("libQt6Widgets") for lib in mapped), mapped
    wrong = [lib for lib in mapped if lib.startswith(KEPT_OUT) or lib.startswith("libspurgear_")]
    assert not wrong, "spurgear has loaded at its first frame " + ", ".join(wrong)
    folder = os.path.join(os.path.dirname(program), "..", "lib", "spurgear")
    for module, library in MODULES.items():
        path = os.path.join(folder, module)
        assert os.path.exists(path), path
        assert any(lib.startswith(library) for lib in needed(path)), (module, needed(path))
    print("2 passed, 0 failed")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (AssertionError, subprocess.CalledProcessError) as e:
        print("linked libraries test failed:", repr(e))
        sys.exit(1)
