#!/usr/bin/env python3
"""Writes the Qt-free English catalogue (a sorted C++ table) from the Qt
Linguist source, so that the CLI and the layers without Qt read the same
translations as the window's compiled .qm.

usage: ts_catalogue.py SOURCE.ts OUTPUT.cpp
"""
import sys
import xml.etree.ElementTree as ET


def cpp_string(text):
    out = []
    for b in text.encode("utf-8"):
        c = chr(b)
        if c == "\\" or c == '"':
            out.append("\\" + c)
        elif 32 <= b < 127 and c != "?":
            out.append(c)
        else:
            out.append("\\%03o" % b)
    return '"' + "".join(out) + '"'


def main():
    source, output = sys.argv[1], sys.argv[2]
    entries = {}
    for message in ET.parse(source).getroot().iter("message"):
        japanese = message.findtext("source") or ""
        english = message.findtext("translation") or ""
        if japanese and english:
            entries[japanese.encode("utf-8")] = english
    rows = sorted(entries.items())
    lines = [
        "// Generated from i18n/spurgear_en.ts by tools/ts_catalogue.py; do not edit.",
        "#include <cstddef>",
        "",
        "#include \"core/catalogue.h\"",
        "",
        "namespace spurgear {",
        "",
        "const CatalogueEntry kEnglishCatalogue[] = {",
    ]
    for japanese, english in rows:
        lines.append("    {%s, %s}," % (cpp_string(japanese.decode("utf-8")), cpp_string(english)))
    if not rows:
        lines.append('    {"", ""},')
    lines += [
        "};",
        "const std::size_t kEnglishCatalogueSize = %d;" % len(rows),
        "",
        "}  // namespace spurgear",
        "",
    ]
    with open(output, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
