#!/usr/bin/env python3
"""Checks each language's .ts file against its glossary: the chosen word for each term is
used, and none of the words the glossary rules out appears in any translation.
Usage: glossary_test.py TRANSLATIONS_FOLDER"""
import glob
import os
import re
import sys
import xml.etree.ElementTree as ElementTree


def glossary(path):
    for line in open(path, encoding="utf-8"):
        if line.strip() and not line.startswith("#"):
            term, chosen, *avoided = line.rstrip("\n").split("\t")
            yield term, chosen, (avoided[0].split() if avoided else [])


def translations(path):
    for message in ElementTree.parse(path).getroot().iter("message"):
        translation = message.find("translation")
        forms = [form.text or "" for form in translation.iter("numerusform")]
        for text in forms or [translation.text or ""]:
            yield message.findtext("source"), text


def main():
    folder = sys.argv[1]
    failures = []
    glossaries = sorted(glob.glob(os.path.join(folder, "glossary_*.txt")))
    if not glossaries:
        failures.append("no glossary in " + folder)
    for glossary_path in glossaries:
        language = re.search(r"glossary_(\w+)\.txt$", glossary_path).group(1)
        texts = list(translations(os.path.join(folder, "glossatiles_%s.ts" % language)))
        for term, chosen, avoided in glossary(glossary_path):
            if not any(chosen.lower() in text.lower() for _, text in texts):
                failures.append("%s: no translation says %r for %r" % (language, chosen, term))
            for word in avoided:
                pattern = re.compile(r"(?<!\w)%s(?!\w)" % re.escape(word), re.IGNORECASE)
                for source, text in texts:
                    if pattern.search(text):
                        failures.append("%s: %r says %r for %r, not %r"
                                        % (language, source, word, term, chosen))
    for failure in failures:
        print("FAIL:", failure)
    failed = len({failure.split(":")[0] for failure in failures})
    print("%d passed, %d failed" % (len(glossaries) - failed, failed))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
