#!/usr/bin/env python3
"""The program's texts, from the gettext catalogue in po/, for the build.

  make_catalogue.py tables TEMPLATE HEADER SOURCE RC_HEADER PO...
      checks every PO file against the template and writes the core's tables:
      HEADER (the TextId of each entry), SOURCE (one table a language) and
      RC_HEADER (the product names for the Windows version resource).
  make_catalogue.py fill TEMPLATE IN OUT PO...
      writes IN with its @id@ fields filled in every language: a desktop
      entry's "Key=@id@" line, or an XML element holding only "@id@".

A PO file's name is its language (ja.po: ja). The build stops when a file
misses an identifier of the template or has one it does not know, when an
entry is fuzzy or untranslated, or when a c-format entry's placeholders differ
from its source text's. Standard library only.
"""
import re
import sys
from pathlib import Path

SOURCE_LANGUAGE = "en"
ESCAPES = {"n": "\n", "t": "\t", '"': '"', "\\": "\\"}


class CatalogueError(Exception):
    pass


def unquote(text, where):
    if len(text) < 2 or text[0] != '"' or text[-1] != '"':
        raise CatalogueError(f"{where}: not a quoted string: {text}")
    out, i, body = [], 0, text[1:-1]
    while i < len(body):
        c = body[i]
        if c == "\\":
            if i + 1 >= len(body) or body[i + 1] not in ESCAPES:
                raise CatalogueError(f"{where}: unknown escape in {text}")
            out.append(ESCAPES[body[i + 1]])
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def read_po(path):
    """The entries of a PO file: {msgctxt: {"msgid", "msgstr", "flags"}}."""
    entries, entry, field = {}, None, None

    def finish():
        if entry is None or "msgid" not in entry:
            return
        if entry["msgid"] == "" and "msgctxt" not in entry:
            return  # the header
        name = entry.get("msgctxt")
        if not name:
            raise CatalogueError(f"{path}: the entry {entry['msgid']!r} has no msgctxt (its identifier)")
        if name in entries:
            raise CatalogueError(f"{path}: {name} appears twice")
        entries[name] = {"msgid": entry["msgid"], "msgstr": entry.get("msgstr", ""), "flags": entry["flags"]}

    for number, raw in enumerate(Path(path).read_text(encoding="utf-8").splitlines(), 1):
        line = raw.strip()
        where = f"{path}:{number}"
        if not line:
            finish()
            entry, field = None, None
            continue
        if entry is None:
            entry = {"flags": set()}
        if line.startswith("#,"):
            entry["flags"].update(flag.strip() for flag in line[2:].split(","))
        elif line.startswith("#"):
            continue
        elif line.startswith('"'):
            if field is None:
                raise CatalogueError(f"{where}: a string continues no field")
            entry[field] += unquote(line, where)
        else:
            keyword, _, value = line.partition(" ")
            if keyword not in ("msgctxt", "msgid", "msgstr"):
                raise CatalogueError(f"{where}: {keyword} is not used in this catalogue")
            field = keyword
            entry[field] = unquote(value.strip(), where)
    finish()
    return entries


PLACEHOLDER = re.compile(r"%(?:(\d+)\$)?([-+ #0]*\d*(?:\.\d+)?)([a-zA-Z%])")


def placeholders(text):
    """{argument number: conversion} of a printf format; %% is no argument."""
    found, next_argument, positional = {}, 1, None
    for match in PLACEHOLDER.finditer(text):
        if match.group(3) == "%":
            continue
        is_positional = match.group(1) is not None
        if positional is not None and positional != is_positional:
            raise CatalogueError(f"mixes numbered and plain placeholders: {text!r}")
        positional = is_positional
        number = int(match.group(1)) if is_positional else next_argument
        next_argument += 1
        found[number] = match.group(3)
    return found


def check(template, languages):
    if SOURCE_LANGUAGE not in languages:
        raise CatalogueError(f"no {SOURCE_LANGUAGE}.po: the source language needs its catalogue too")
    errors = []
    for language, entries in sorted(languages.items()):
        for name in template.keys() - entries.keys():
            errors.append(f"{language}.po: {name} is missing")
        for name in entries.keys() - template.keys():
            errors.append(f"{language}.po: {name} is not in the template")
        for name in template.keys() & entries.keys():
            source, entry = template[name], entries[name]
            if entry["msgid"] != source["msgid"]:
                errors.append(f"{language}.po: {name} translates another source text than the template's")
            if "fuzzy" in entry["flags"]:
                errors.append(f"{language}.po: {name} is fuzzy")
            if not entry["msgstr"]:
                errors.append(f"{language}.po: {name} is not translated")
            elif "c-format" in source["flags"]:
                try:
                    if placeholders(entry["msgstr"]) != placeholders(source["msgid"]):
                        errors.append(f"{language}.po: {name} does not keep the placeholders of {source['msgid']!r}")
                except CatalogueError as error:
                    errors.append(f"{language}.po: {name} {error}")
    if errors:
        raise CatalogueError("\n".join(sorted(errors)))


def load(template_path, po_paths):
    template = read_po(template_path)
    languages = {}
    for path in po_paths:
        language = Path(path).stem
        if not re.fullmatch(r"[a-z]{2,3}", language):
            raise CatalogueError(f"{path}: a catalogue is named after its language code, such as ja.po")
        languages[language] = read_po(path)
    check(template, languages)
    return template, languages


def identifier(name):
    return name.replace(".", "_")


def cxx_string(text):
    """A C++ literal of the UTF-8 bytes; octal escapes keep it exact on any compiler."""
    out = []
    for byte in text.encode("utf-8"):
        c = chr(byte)
        if c in '"\\':
            out.append("\\" + c)
        elif 0x20 <= byte < 0x7F:
            out.append(c)
        else:
            out.append("\\%03o" % byte)
    return '"' + "".join(out) + '"'


def write_tables(template, languages, header, source, rc_header):
    names = list(template)
    Path(header).write_text(
        "// The identifiers of the program's texts, generated from po/ by scripts/make_catalogue.py.\n"
        "#pragma once\n\n#include <cstddef>\n#include <cstdint>\n\n"
        "enum class TextId : uint16_t {\n"
        + "".join(f"    {identifier(name)},\n" for name in names)
        + "};\n\n"
        f"inline constexpr std::size_t kTextCount = {len(names)};\n"
        f"inline constexpr std::size_t kLanguageCount = {len(languages)};\n",
        encoding="utf-8")
    tables = []
    for language, entries in sorted(languages.items()):
        rows = "".join(f"    {cxx_string(entries[name]['msgstr'])},\n" for name in names)
        tables.append(f"constexpr std::array<std::string_view, kTextCount> k_{language}{{\n{rows}}};\n")
    catalogues = "".join(f"    Catalogue{{\"{language}\", k_{language}}},\n" for language in sorted(languages))
    Path(source).write_text(
        "// The program's texts in every language, generated from po/ by scripts/make_catalogue.py.\n"
        "#include \"resources/catalogue.h\"\n\nnamespace {\n\n" + "\n".join(tables) + "\n}  // namespace\n\n"
        f"const std::array<Catalogue, kLanguageCount> kCatalogues{{{{\n{catalogues}}}}};\n",
        encoding="utf-8")
    Path(rc_header).write_text(
        "// The product's name for the Windows version resource, generated from po/.\n"
        + "".join(f"#define QUILLASTOR_PRODUCT_{language.upper()} \"{entries['product.name']['msgstr']}\"\n"
                  for language, entries in sorted(languages.items())),
        encoding="utf-8")


FIELD = re.compile(r"@([a-z0-9_.]+)@")


def fill(template, languages, in_path, out_path):
    """Each line with an @id@ field once in the source language, then once a language."""
    others = sorted(language for language in languages if language != SOURCE_LANGUAGE)
    out = []
    for number, line in enumerate(Path(in_path).read_text(encoding="utf-8").splitlines(), 1):
        match = FIELD.search(line)
        if not match:
            out.append(line)
            continue
        name = match.group(1)
        if name not in template:
            raise CatalogueError(f"{in_path}:{number}: {name} is not in the template")
        text = lambda language: languages[language][name]["msgstr"]
        if in_path.endswith(".desktop.in"):
            key, _, _ = line.partition("=")
            out.append(f"{key}={text(SOURCE_LANGUAGE)}")
            out += [f"{key}[{language}]={text(language)}" for language in others]
        else:
            tag = re.match(r"\s*<([a-z_]+)", line)
            if not tag:
                raise CatalogueError(f"{in_path}:{number}: a field stands alone in an element")
            escape = lambda s: s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            out.append(FIELD.sub(lambda _: escape(text(SOURCE_LANGUAGE)), line))
            for language in others:
                tagged = line.replace(f"<{tag.group(1)}", f'<{tag.group(1)} xml:lang="{language}"', 1)
                out.append(FIELD.sub(lambda _: escape(text(language)), tagged))
    Path(out_path).write_text("\n".join(out) + "\n", encoding="utf-8")


def main(argv):
    try:
        if len(argv) >= 6 and argv[1] == "tables":
            template, languages = load(argv[2], argv[6:])
            write_tables(template, languages, *argv[3:6])
        elif len(argv) >= 5 and argv[1] == "fill":
            template, languages = load(argv[2], argv[5:])
            fill(template, languages, argv[3], argv[4])
        else:
            print(__doc__, file=sys.stderr)
            return 2
    except CatalogueError as error:
        print(f"make_catalogue.py: the catalogue is refused:\n{error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
