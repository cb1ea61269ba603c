#!/usr/bin/env python3
"""Helps to keep the translation catalogs in resources/i18n complete.

  translations.py export OUT.tsv
      Writes every entry that is unfinished in at least one of the es, de, fr
      and ja catalogs: one line per entry with a number, the context, the
      source text, the disambiguation and whether it has plural forms.
  translations.py import OUT.tsv TABLE.tsv
      Reads a table of lines "number<TAB>es<TAB>de<TAB>fr<TAB>ja" that refers
      to the numbers of an export, fills those translations in and marks them
      finished. Plural forms are separated by " ‖ " (es, de, fr: singular and
      plural; ja: one form). The English catalog gets the source text, or for
      plural entries the forms of an "en" column when the table has a sixth
      column.
  translations.py english-plurals
      Lists the plural entries of the English catalog that have no forms yet.

Line breaks are written as \\n and tabs as \\t in both tables.

Typical round after source texts changed:
  cmake --build build --target update_translations
  python3 scripts/translations.py export /tmp/todo.tsv
  (translate /tmp/todo.tsv into /tmp/done.tsv)
  python3 scripts/translations.py import /tmp/todo.tsv /tmp/done.tsv
  bash scripts/check-translations.sh build
"""
import os
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
I18N = os.path.join(ROOT, "resources", "i18n")
TRANSLATED = ["es", "de", "fr", "ja"]
PLURAL_FORMS = {"en": 2, "es": 2, "de": 2, "fr": 2, "ja": 1}
SEPARATOR = " ‖ "


def escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def unescape(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out.append({"n": "\n", "t": "\t", "\\": "\\"}.get(text[i + 1], text[i:i + 2]))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def catalog_path(lang):
    return os.path.join(I18N, "quillby_%s.ts" % lang)


def entries(tree):
    """Yields (key, message element); the key identifies an entry in every catalog."""
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source") or "", message.findtext("comment") or "")
            yield key, message


def is_unfinished(message):
    translation = message.find("translation")
    return translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished")


def xml_text(text):
    return (text or "").replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;") \
        .replace('"', "&quot;").replace("'", "&apos;")


def write(tree, lang):
    """Writes the catalog in lupdate's own layout, so its next run changes nothing."""
    root = tree.getroot()
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             '<TS version="%s" language="%s">' % (root.get("version", "2.1"), root.get("language"))]
    for context in root.iter("context"):
        lines.append("<context>")
        lines.append("    <name>%s</name>" % xml_text(context.findtext("name")))
        for message in context.iter("message"):
            lines.append('    <message numerus="yes">' if message.get("numerus") == "yes" else "    <message>")
            for child in message:
                if child.tag != "translation":
                    lines.append("        <%s>%s</%s>" % (child.tag, xml_text(child.text), child.tag))
                    continue
                kind = ' type="%s"' % child.get("type") if child.get("type") else ""
                forms = list(child.iter("numerusform"))
                if message.get("numerus") == "yes":
                    lines.append("        <translation%s>" % kind)
                    lines += ["            <numerusform>%s</numerusform>" % xml_text(form.text) for form in forms]
                    lines.append("        </translation>")
                else:
                    lines.append("        <translation%s>%s</translation>" % (kind, xml_text(child.text)))
            lines.append("    </message>")
        lines.append("</context>")
    lines.append("</TS>")
    with open(catalog_path(lang), "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")


def set_translation(message, forms):
    translation = message.find("translation")
    if translation is None:
        translation = ET.SubElement(message, "translation")
    for child in list(translation):
        translation.remove(child)
    translation.text = None
    translation.attrib.pop("type", None)
    if message.get("numerus") == "yes":
        for form in forms:
            ET.SubElement(translation, "numerusform").text = form
    else:
        translation.text = forms[0]


def export(out_path):
    trees = {lang: ET.parse(catalog_path(lang)) for lang in TRANSLATED}
    todo = {}
    for lang, tree in trees.items():
        for key, message in entries(tree):
            if is_unfinished(message):
                todo.setdefault(key, message.get("numerus") == "yes")
    with open(out_path, "w", encoding="utf-8") as out:
        for number, (key, numerus) in enumerate(sorted(todo.items(), key=lambda item: item[0])):
            context, source, comment = key
            out.write("\t".join([str(number), context, escape(source), escape(comment),
                                 "plural" if numerus else ""]) + "\n")
    print("%d entries to translate written to %s" % (len(todo), out_path))


def read_export(path):
    keys = {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            fields = line.rstrip("\n").split("\t")
            keys[fields[0]] = (fields[1], unescape(fields[2]), unescape(fields[3]))
    return keys


def import_table(export_path, table_path):
    keys = read_export(export_path)
    table = {}
    problems = []
    with open(table_path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.rstrip("\n")
            if not line.strip():
                continue
            fields = line.split("\t")
            if len(fields) not in (5, 6) or fields[0] not in keys:
                problems.append("%s:%d: expected number and four or five columns" % (table_path, number))
                continue
            langs = TRANSLATED + (["en"] if len(fields) == 6 else [])
            table[keys[fields[0]]] = {lang: [unescape(form) for form in text.split(SEPARATOR)]
                                      for lang, text in zip(langs, fields[1:])}
    filled = {}
    for lang in TRANSLATED + ["en"]:
        tree = ET.parse(catalog_path(lang))
        count = 0
        for key, message in entries(tree):
            numerus = message.get("numerus") == "yes"
            if lang == "en":
                if key in table and "en" in table[key]:
                    forms = table[key]["en"]
                elif not is_unfinished(message):
                    continue
                elif numerus:
                    continue  # English plural forms come from the table's en column
                else:
                    forms = [key[1]]
            elif key in table:
                forms = table[key][lang]
            else:
                continue
            if numerus and len(forms) != PLURAL_FORMS[lang]:
                problems.append("%s %r: %d plural forms, %s needs %d"
                                % (lang, key[1], len(forms), lang, PLURAL_FORMS[lang]))
                continue
            if not numerus and len(forms) != 1:
                problems.append("%s %r: plural forms for a text without a count" % (lang, key[1]))
                continue
            set_translation(message, forms)
            count += 1
        write(tree, lang)
        filled[lang] = count
    for problem in problems:
        print(problem, file=sys.stderr)
    print("filled: " + ", ".join("%s %d" % item for item in filled.items()))
    return 1 if problems else 0


def english_plurals():
    tree = ET.parse(catalog_path("en"))
    for key, message in entries(tree):
        if message.get("numerus") == "yes" and is_unfinished(message):
            print("%s\t%s" % (key[0], escape(key[1])))


def main(argv):
    if len(argv) == 3 and argv[1] == "export":
        export(argv[2])
        return 0
    if len(argv) == 4 and argv[1] == "import":
        return import_table(argv[2], argv[3])
    if len(argv) == 2 and argv[1] == "english-plurals":
        english_plurals()
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
