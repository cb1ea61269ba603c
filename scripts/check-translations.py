#!/usr/bin/env python3
"""Fails when a translation catalog in resources/i18n is not complete.

  check-translations.py [--lupdate LUPDATE --project PROJECT.cmake --generator GENERATE.cmake]

Without options it checks the catalogs as they are:
  - every catalog (en, es, de, fr, ja) holds the same entries;
  - no entry is unfinished, obsolete or vanished;
  - plural entries carry the number of forms the language needs;
  - every placeholder of the source text (%1 .. %99, %n) is in the
    translation, and no other one;
  - a source text with a keyboard accelerator (&File) keeps one.
With --lupdate it also runs lupdate over the current sources (the project
file that qt_add_translations writes) into copies of the catalogs, so a text
added to or removed from the sources without updating the catalogs fails.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
I18N = os.path.join(ROOT, "resources", "i18n")
LANGUAGES = ["en", "es", "de", "fr", "ja"]
PLURAL_FORMS = {"en": 2, "es": 2, "de": 2, "fr": 2, "ja": 1}
PLACEHOLDER = re.compile(r"%(?:n|L?[1-9][0-9]?)")
# A mnemonic: an ampersand before a character that is neither another
# ampersand nor the start of an HTML entity such as &mdash;
ENTITY = re.compile(r"&[a-zA-Z]+;")


def has_accelerator(text):
    text = ENTITY.sub("", text).replace("&&", "")
    return re.search(r"&\S", text) is not None


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))


def read_catalog(path):
    """Returns {(context, source, comment): (numerus, [forms] or None if unfinished, type)}."""
    entries = {}
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source") or "", message.findtext("comment") or "")
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            numerus = message.get("numerus") == "yes"
            if translation is None:
                forms = []
            elif numerus:
                forms = [form.text or "" for form in translation.iter("numerusform")]
            else:
                forms = [translation.text or ""]
            entries[key] = (numerus, forms, kind)
    return root.get("language"), entries


def describe(key):
    context, source, _ = key
    return "%s: %r" % (context, source if len(source) < 70 else source[:67] + "...")


def check_catalogs(catalogs):
    problems = []
    reference = catalogs["en"][1]
    for lang in LANGUAGES:
        declared, entries = catalogs[lang]
        if declared != lang:
            problems.append("%s: the catalog declares language %r" % (lang, declared))
        for key in sorted(set(reference) - set(entries)):
            problems.append("%s: missing %s" % (lang, describe(key)))
        for key in sorted(set(entries) - set(reference)):
            problems.append("%s: not in the English catalog: %s" % (lang, describe(key)))
        for key, (numerus, forms, kind) in sorted(entries.items()):
            if kind in ("unfinished", "obsolete", "vanished"):
                problems.append("%s: %s %s" % (lang, kind, describe(key)))
                continue
            if numerus and len(forms) != PLURAL_FORMS[lang]:
                problems.append("%s: %d plural forms instead of %d for %s"
                                % (lang, len(forms), PLURAL_FORMS[lang], describe(key)))
            source = key[1]
            expected = placeholders(source)
            for form in forms:
                if not form.strip() and source.strip():
                    problems.append("%s: empty translation of %s" % (lang, describe(key)))
                    break
                # A singular form may spell out the number instead of %n.
                found = [p for p in placeholders(form) if not (numerus and p == "%n")]
                wanted = [p for p in expected if not (numerus and p == "%n")]
                if found != wanted:
                    problems.append("%s: placeholders %s instead of %s in %s"
                                    % (lang, found, wanted, describe(key)))
                    break
                if has_accelerator(source) and not has_accelerator(form):
                    problems.append("%s: accelerator lost in %s" % (lang, describe(key)))
                    break
            if numerus and "%n" in source and not any("%n" in form for form in forms):
                problems.append("%s: no form shows the count of %s" % (lang, describe(key)))
    return problems


def check_against_sources(catalogs, lupdate, project, generator):
    problems = []
    with tempfile.TemporaryDirectory() as work:
        project_json = os.path.join(work, "project.json")
        subprocess.run(["cmake", "-DIN_FILE=" + project, "-DOUT_FILE=" + project_json, "-P", generator],
                       check=True, stdout=subprocess.DEVNULL)
        copies = []
        for lang in LANGUAGES:
            copy = os.path.join(work, "quillby_%s.ts" % lang)
            shutil.copyfile(os.path.join(I18N, "quillby_%s.ts" % lang), copy)
            copies.append(copy)
        result = subprocess.run([lupdate, "-project", project_json, "-no-obsolete", "-locations", "none",
                                 "-ts"] + copies, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if result.returncode != 0:
            return ["lupdate failed:\n" + result.stdout]
        for lang, copy in zip(LANGUAGES, copies):
            _, fresh = read_catalog(copy)
            stored = catalogs[lang][1]
            for key in sorted(set(fresh) - set(stored)):
                problems.append("%s: the sources have a text the catalog lacks: %s" % (lang, describe(key)))
            for key in sorted(set(stored) - set(fresh)):
                problems.append("%s: the catalog has a text the sources no longer have: %s" % (lang, describe(key)))
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--lupdate")
    parser.add_argument("--project", help="the .lupdate/<target>_project.cmake file of a configured build")
    parser.add_argument("--generator", help="Qt's GenerateLUpdateProject.cmake")
    args = parser.parse_args()

    catalogs = {lang: read_catalog(os.path.join(I18N, "quillby_%s.ts" % lang)) for lang in LANGUAGES}
    problems = check_catalogs(catalogs)
    if args.lupdate:
        if not (args.project and args.generator):
            parser.error("--lupdate needs --project and --generator")
        problems += check_against_sources(catalogs, args.lupdate, args.project, args.generator)

    for problem in problems:
        print(problem)
    counts = ", ".join("%s %d" % (lang, len(catalogs[lang][1])) for lang in LANGUAGES)
    if problems:
        print("%d problem(s) in the translation catalogs (entries: %s)" % (len(problems), counts))
        print("Update them: cmake --build <build> --target update_translations, then "
              "scripts/translations.py export/import")
        return 1
    print("translation catalogs complete (entries: %s)" % counts)
    return 0


if __name__ == "__main__":
    sys.exit(main())
