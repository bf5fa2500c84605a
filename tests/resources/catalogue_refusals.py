#!/usr/bin/env python3
"""The generator refuses a catalogue that would show a wrong or missing text,
and takes one more language as one more file. Usage: catalogue_refusals.py ROOT"""
import subprocess, sys, tempfile
from pathlib import Path

ROOT = Path(sys.argv[1])
PO = {name: (ROOT / "po" / name).read_text(encoding="utf-8") for name in ("ja.po", "en.po")}
EXIT = 'msgctxt "menu.exit"\nmsgid "Exit"\nmsgstr "終了"\n'
ROWS = [  # a file as changed (ja.po: old text, new text; another: its whole text), what the generator says ("": it accepts)
    ("ja.po", EXIT, "", "ja.po: menu.exit is missing"),
    ("ja.po", EXIT, EXIT.replace("終了", ""), "ja.po: menu.exit is not translated"),
    ("ja.po", EXIT, "#, fuzzy\n" + EXIT, "ja.po: menu.exit is fuzzy"),
    ("ja.po", '"「%s」は時間として', '"「」は時間として', "ja.po: args.bad_duration does not keep the placeholders"),
    ("ja.po", 'msgstr "%d時間"', 'msgstr "%s時間"', "ja.po: label.h does not keep the placeholders"),
    ("ja.po", 'msgstr "%d時間%d分"', 'msgstr "%2$d分%d時間"', "ja.po: label.hm mixes numbered and plain placeholders"),
    ("ja.po", 'msgid "Exit"', 'msgid "Quit"', "ja.po: menu.exit translates another source text"),
    ("ja.po", EXIT, EXIT + '\nmsgctxt "menu.extra"\nmsgid "x"\nmsgstr "y"\n', "ja.po: menu.extra is not in the template"),
    ("ja.po", 'msgstr "%d時間%d分"', 'msgstr "%2$d分%1$d時間"', ""),
    ("fr.po", None, PO["en.po"], ""),
]
failures = 0
for name, old, new, said in ROWS:
    with tempfile.TemporaryDirectory() as work:
        work = Path(work)
        files = dict(PO, **{name: PO[name].replace(old, new, 1) if old else new})
        assert old is None or old in PO[name], old
        for file, text in files.items(): (work / file).write_text(text, encoding="utf-8")
        run = subprocess.run([sys.executable, ROOT / "scripts/make_catalogue.py", "tables", ROOT / "po/quillastor-timer.pot",
                              work / "ids.h", work / "tables.cpp", work / "names.rc.h", *sorted(work.glob("*.po"))],
                             capture_output=True, text=True)
        accepted = run.returncode == 0 and f"kLanguageCount = {len(files)};" in (work / "ids.h").read_text()
        if (run.returncode != 1 or said not in run.stderr) if said else not accepted:
            failures += 1
            print(f"FAIL: {name} {new[:40]!r}: expected {said or 'accepted'!r}, got {run.returncode}: {run.stderr}")
print(f"{len(ROWS) - failures} of {len(ROWS)} rows as expected")
sys.exit(1 if failures else 0)
