#!/usr/bin/env python3
"""Reads an Anki package as a flashcard program would, with nothing of Glossatiles, and prints
what such a program needs of it, one fact a line."""
import hashlib
import json
import sqlite3
import sys
import tempfile
import zipfile

with zipfile.ZipFile(sys.argv[1]) as package, tempfile.TemporaryDirectory() as folder:
    print("files:", " ".join(sorted(package.namelist())))
    print("media:", package.read("media").decode())
    db = sqlite3.connect(package.extract("collection.anki2", folder))
    print("integrity:", db.execute("PRAGMA integrity_check").fetchone()[0])
    ver, models, decks = db.execute("SELECT ver, models, decks FROM col").fetchone()
    print("schema:", ver)
    for mid, model in json.loads(models).items():
        names = [f["name"] for f in sorted(model["flds"], key=lambda f: f["ord"])]
        templates = [t["qfmt"] + " / " + t["afmt"].split("\n")[-1] for t in model["tmpls"]]
        print("note type:", model["name"], names, templates, "id matches:", str(model["id"]) == mid)
    for did, deck in sorted(json.loads(decks).items()):
        cards = db.execute("SELECT count(*) FROM cards WHERE did = ?", (int(did),)).fetchone()[0]
        print("deck:", deck["name"], "cards:", cards, "id matches:", str(deck["id"]) == did)
    # New cards, one per note, of the package's note type.
    print("cards:", db.execute(
        "SELECT count(*) FROM cards JOIN notes ON notes.id = nid JOIN"
        " (SELECT count(*) AS n, nid AS one FROM cards GROUP BY nid) ON one = nid"
        " WHERE type = 0 AND queue = 0 AND ord = 0 AND n = 1").fetchone()[0])
    for guid, mid, flds, sfld, csum in db.execute(
            "SELECT guid, mid, flds, sfld, csum FROM notes ORDER BY id"):
        digest = int(hashlib.sha1(str(sfld).encode()).hexdigest()[:8], 16)
        print("note:", guid, flds.split("\x1f"), "known type:", str(mid) in json.loads(models),
              "checksum:", csum == digest)
