#!/usr/bin/env python3
"""The generator refuses a catalogue that would show a wrong or missing text,
and takes one more language as one more file. Usage: catalogue_refusals.py ROOT"""
import subprocess
import sys
import tempfile
from pathlib import Path

ROOT = Path(sys.argv[1])
EXIT = 'msgctxt "menu.exit"\nmsgid "Exit"\nmsgstr "終了"\n'
ROWS = [  # (what is done to ja.po: old, new), (file, text) added, what the generator says ("": it accepts)
    ((EXIT, ""), None, "ja.po: menu.exit is missing"),
    ((EXIT, EXIT.replace("終了", "")), None, "ja.po: menu.exit is not translated"),
    ((EXIT, "#, fuzzy\n" + EXIT), None, "ja.po: menu.exit is fuzzy"),
    (('msgstr "「%s」は時間として読めません。"', 'msgstr "「」は時間として読めません。"'), None,
     "ja.po: args.bad_duration does not keep the placeholders"),
    (('msgstr "%d時間"', 'msgstr "%s時間"'), None, "ja.po: label.h does not keep the placeholders"),
    (('msgstr "%d時間%d分"', 'msgstr "%2$d分%d時間"'), None, "ja.po: label.hm mixes numbered and plain placeholders"),
    (("msgid \"Exit\"", "msgid \"Quit\""), None, "ja.po: menu.exit translates another source text"),
    (("", 'msgctxt "menu.extra"\nmsgid "x"\nmsgstr "y"\n'), None, "ja.po: menu.extra is not in the template"),
    (('msgstr "%d時間%d分"', 'msgstr "%2$d分%1$d時間"'), None, ""),
    (("", ""), ("fr.po", (ROOT / "po/en.po").read_text(encoding="utf-8")), ""),
]

failures = 0
for (old, new), added, said in ROWS:
    with tempfile.TemporaryDirectory() as work:
        work = Path(work)
        ja = (ROOT / "po/ja.po").read_text(encoding="utf-8")
        assert old in ja, old
        (work / "ja.po").write_text(ja.replace(old, new, 1) if old else ja + "\n" + new, encoding="utf-8")
        (work / "en.po").write_text((ROOT / "po/en.po").read_text(encoding="utf-8"), encoding="utf-8")
        if added:
            (work / added[0]).write_text(added[1], encoding="utf-8")
        run = subprocess.run([sys.executable, ROOT / "scripts/make_catalogue.py", "tables", ROOT / "po/quillastor-timer.pot",
                              work / "ids.h", work / "tables.cpp", work / "names.rc.h", *sorted(work.glob("*.po"))],
                             capture_output=True, text=True)
        languages = len(list(work.glob("*.po")))
        accepted = run.returncode == 0 and f"kLanguageCount = {languages};" in (work / "ids.h").read_text()
        if (said and (run.returncode != 1 or said not in run.stderr)) or (not said and not accepted):
            failures += 1
            print(f"FAIL: {new[:40]!r}: expected {said or 'accepted'!r}, got {run.returncode}: {run.stderr}")
print(f"{len(ROWS) - failures} of {len(ROWS)} rows as expected")
sys.exit(1 if failures else 0)
