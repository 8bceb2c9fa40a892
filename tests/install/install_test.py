"""A fresh user install into a temporary prefix: the files land where the
desktop entry and the MIME type point, and the installed CLI runs."""
import configparser
import gzip
import json
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def main():
    cli = os.path.abspath(sys.argv[1])
    build = os.path.dirname(os.path.dirname(cli))
    with tempfile.TemporaryDirectory() as prefix:
        subprocess.run(["cmake", "--install", build, "--prefix", prefix],
                       check=True, stdout=subprocess.DEVNULL)
        installed_cli = os.path.join(prefix, "bin", "spurgear-cli")
        out = subprocess.run([installed_cli, "calc", "--teeth", "20", "40"],
                             check=True, capture_output=True, text=True).stdout
        record = json.loads(out)["record"]
        assert record["Valid"] == 1 and record["Teeth2"] == 40, record

        gui = os.path.exists(os.path.join(build, "bin", "spurgear"))
        if not gui:
            print("1 passed, 0 failed (desktop program not built: CLI only)")
            return 0
        assert os.access(os.path.join(prefix, "bin", "spurgear"), os.X_OK)
        # The modules the program loads on first use, where it looks for them.
        for module in ("sheet", "solid", "print"):
            path = os.path.join(prefix, "lib", "spurgear", "libspurgear_%s.so" % module)
            assert os.path.exists(path), path
        help_page = os.path.join(prefix, "share", "spurgear", "help", "frame.htm")
        assert os.path.getsize(help_page) > 0, help_page

        desktop = configparser.ConfigParser(interpolation=None)
        desktop.optionxform = str
        desktop.read(os.path.join(prefix, "share", "applications", "spurgear.desktop"),
                     encoding="utf-8")
        entry = desktop["Desktop Entry"]
        assert entry["Exec"].split()[0] == "spurgear"
        assert entry["Name[ja]"] == "平歯車の諸元計算"
        icon = os.path.join(prefix, "share", "icons", "hicolor", "scalable", "apps",
                            entry["Icon"] + ".svg")
        ET.parse(icon)  # a well-formed SVG where the entry points

        mime_file = os.path.join(prefix, "share", "mime", "packages", "spurgear.xml")
        ns = {"m": "http://www.freedesktop.org/standards/shared-mime-info"}
        mime = ET.parse(mime_file).getroot().find("m:mime-type", ns)
        assert mime.get("type") + ";" in entry["MimeType"].split(";") or \
            mime.get("type") in entry["MimeType"].split(";"), entry["MimeType"]
        assert mime.find("m:glob", ns).get("pattern") == "*.hgd"
        ja = [c.text for c in mime.findall("m:comment", ns)
              if c.get("{http://www.w3.org/XML/1998/namespace}lang") == "ja"]
        assert ja == ["平歯車のデータ"], ja
        # Both programs' manual pages, compressed.
        for page in ("spurgear.1.gz", "spurgear-cli.1.gz"):
            with gzip.open(os.path.join(prefix, "share", "man", "man1", page)) as f:
                assert b".TH" in f.read(), page
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (AssertionError, subprocess.CalledProcessError, KeyError) as e:
        print("install test failed:", repr(e))
        sys.exit(1)
