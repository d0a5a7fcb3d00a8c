#!/usr/bin/env python3
"""Bundles the model file's JSON Schema (docs/schema/*.schema.json, rooted at
model.schema.json) into one self-contained file that any JSON Schema validator
or editor reads without resolving other files: each part file becomes a member
of the bundle's $defs and every reference is rewritten to point inside the
bundle. The build runs it (build/oif-model.schema.json, installed as
share/oif/schema/oif-model.schema.json).

  bundle-schema.py [OUTPUT]     writes the bundle (to standard output without OUTPUT)
  bundle-schema.py --check FILE fails when FILE is not the current bundle, when the
                                jsonschema command does not accept every bundled
                                example and accepted test model with it, or when it
                                accepts a model with a wrong value
"""
import json
import pathlib
import subprocess
import sys
import tempfile

ROOT_FILE = "model.schema.json"


def stem(name):
    return name[: -len(".schema.json")]


def rewrite(value, current):
    """Rewrites every $ref of `value`, a part of schema file `current`."""
    if isinstance(value, dict):
        out = {}
        for key, item in value.items():
            if key == "$ref" and isinstance(item, str):
                target, _, pointer = item.partition("#")
                target = target or current
                if target == ROOT_FILE:
                    out[key] = "#" + pointer
                else:
                    out[key] = "#/$defs/" + stem(target) + pointer
            else:
                out[key] = rewrite(item, current)
        return out
    if isinstance(value, list):
        return [rewrite(item, current) for item in value]
    return value


def bundle(schema_dir):
    files = {path.name: json.loads(path.read_text()) for path in sorted(schema_dir.glob("*.schema.json"))}
    root = files[ROOT_FILE]
    result = {
        "$schema": root["$schema"],
        "title": root.get("title", ""),
        "description": "The whole model file schema in one file, made by scripts/bundle-schema.py from "
        "the files of docs/schema.",
    }
    for key, value in root.items():
        if key not in ("$schema", "$id", "title"):
            result[key] = rewrite(value, ROOT_FILE)
    defs = result.setdefault("$defs", {})
    for name, schema in files.items():
        if name == ROOT_FILE:
            continue
        if stem(name) in defs:
            sys.exit(f"bundle-schema: {name} clashes with a definition of {ROOT_FILE}")
        part = {key: value for key, value in schema.items() if key not in ("$schema", "$id")}
        defs[stem(name)] = rewrite(part, name)
    return result


def dumps(value, indent=0, width=110):
    """JSON with short objects and arrays on one line, like the part files."""
    flat = json.dumps(value, ensure_ascii=False)
    if len(flat) + indent <= width or not isinstance(value, (dict, list)) or not value:
        return flat
    pad = " " * (indent + 2)
    if isinstance(value, dict):
        items = [f"{pad}{json.dumps(k, ensure_ascii=False)}: {dumps(v, indent + 2, width)}" for k, v in value.items()]
        return "{\n" + ",\n".join(items) + "\n" + " " * indent + "}"
    items = [pad + dumps(v, indent + 2, width) for v in value]
    return "[\n" + ",\n".join(items) + "\n" + " " * indent + "]"


def check_with_validator(root, bundle_path):
    """Runs the validator's own command, as a user would, on the bundle."""
    try:
        import jsonschema  # noqa: F401
    except ImportError as missing:
        print(f"skipped: {missing}")
        return 77
    command = [sys.executable, "-W", "ignore", "-m", "jsonschema"]
    models = sorted((root / "examples").glob("*.json")) + sorted((root / "tests" / "models").glob("y_*.json"))
    arguments = [item for model in models for item in ("-i", str(model))]
    run = subprocess.run(command + arguments + [str(bundle_path)], capture_output=True, text=True)
    if run.returncode != 0:
        print(run.stdout + run.stderr)
        print(f"the bundle refuses a model that loads ({len(models)} checked)")
        return 1
    with tempfile.TemporaryDirectory() as folder:
        wrong = pathlib.Path(folder) / "wrong.json"
        wrong.write_text('{"format": "oif-model", "version": 1, "parts": [{"name": 3}]}')
        run = subprocess.run(command + ["-i", str(wrong), str(bundle_path)], capture_output=True, text=True)
        if run.returncode == 0 or "is not of type 'string'" not in run.stdout + run.stderr:
            print(run.stdout + run.stderr)
            print("the bundle accepts a part whose name is a number")
            return 1
    print(f"{bundle_path} is current; the jsonschema command accepts {len(models)} models with it")
    return 0


def main():
    schema_dir = pathlib.Path(__file__).resolve().parent.parent / "docs" / "schema"
    text = dumps(bundle(schema_dir)) + "\n"
    arguments = sys.argv[1:]
    if arguments[:1] == ["--check"] and len(arguments) == 2:
        target = pathlib.Path(arguments[1])
        if not target.exists() or target.read_text() != text:
            print(f"{target} is not the bundle of the current docs/schema: rebuild")
            return 1
        return check_with_validator(schema_dir.parent.parent, target)
    if len(arguments) > 1 or arguments[:1] == ["--check"]:
        print(__doc__)
        return 2
    if arguments:
        pathlib.Path(arguments[0]).write_text(text)
    else:
        sys.stdout.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
