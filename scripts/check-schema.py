#!/usr/bin/env python3
"""Checks that every bundled example and every y_* test model validates
against the model file's JSON Schema, and that the schema files are sound."""
import json
import pathlib
import sys

try:
    import jsonschema
    from referencing import Registry, Resource
except ImportError as missing:  # no validator on this machine: ctest reports the test as skipped
    print(f"skipped: {missing}")
    sys.exit(77)

root = pathlib.Path(__file__).resolve().parent.parent
schema_dir = root / "docs" / "schema"
resources = []
for path in sorted(schema_dir.glob("*.schema.json")):
    schema = json.loads(path.read_text())
    jsonschema.Draft202012Validator.check_schema(schema)
    resources.append((schema["$id"], Resource.from_contents(schema)))
registry = Registry().with_resources(resources)
validator = jsonschema.Draft202012Validator(
    json.loads((schema_dir / "model.schema.json").read_text()), registry=registry)

models = sorted((root / "examples").glob("*.json")) + sorted((root / "tests" / "models").glob("y_*.json"))
failed = 0
for model in models:
    errors = list(validator.iter_errors(json.loads(model.read_text())))
    for error in errors[:5]:
        print(f"{model.relative_to(root)}: /{'/'.join(map(str, error.absolute_path))}: {error.message}")
    failed += bool(errors)
print(f"{len(models) - failed} passed, {failed} failed")
sys.exit(1 if failed else 0)
