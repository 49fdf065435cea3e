#!/usr/bin/env python3
"""Checks the JSON Schema of the project form: every example project and a project made by
`qav new` are valid, and each kind of mistake an author makes is caught.

usage: check-schema.py SCHEMA EXAMPLES_DIR QAV
"""
import copy
import json
import os
import subprocess
import sys
import tempfile

import jsonschema


def main():
    schema_path, examples, qav = sys.argv[1:4]
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    jsonschema.Draft7Validator.check_schema(schema)
    validator = jsonschema.Draft7Validator(schema)
    failures = 0

    projects = {}
    for name in sorted(os.listdir(examples)):
        if name.endswith(".json"):
            with open(os.path.join(examples, name), encoding="utf-8") as f:
                projects[name] = json.load(f)
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "new.json")
        subprocess.run([qav, "new", path], check=True, stdout=subprocess.DEVNULL)
        with open(path, encoding="utf-8") as f:
            projects["qav new"] = json.load(f)
    for name, project in projects.items():
        errors = list(validator.iter_errors(project))
        for e in errors[:5]:
            print(f"FAIL {name}: {'/'.join(map(str, e.absolute_path))}: {e.message}")
        failures += bool(errors)

    # Mistakes, each made on the project from qav new: (what, change).
    def props(p, i):
        return p["records"][i]["properties"]

    mistakes = [
        ("a misspelt property", lambda p: props(p, 2).update({"Captoin": "x"})),
        ("a text where a number belongs", lambda p: props(p, 2).update({"Left": "10"})),
        ("an unknown class", lambda p: p["records"][2].update({"class": "TNewLable"})),
        ("a name that is no identifier", lambda p: p["records"][2].update({"name": "Lbl 01"})),
        ("an identifier not among the values",
         lambda p: props(p, 1).update({"Color": {"ident": "clBlu"}})),
        ("an unknown member of the readable settings",
         lambda p: props(p, 0)["Data_Backup"].update({"optoins": {}})),
        ("an option number out of range",
         lambda p: props(p, 0)["Data_Backup"]["options"].update({"101": True})),
        ("a table name longer than the player keeps",
         lambda p: props(p, 0)["Data_Backup"]["tables"].append({"name": "x" * 21})),
        ("both forms of the settings' tables",
         lambda p: props(p, 0).update({"Data_Backup.Strings": []})),
    ]
    base = projects["qav new"]
    for what, change in mistakes:
        project = copy.deepcopy(base)
        change(project)
        if validator.is_valid(project):
            print(f"FAIL the schema accepts {what}")
            failures += 1

    checked = len(projects) + len(mistakes)
    print(f"{checked - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
