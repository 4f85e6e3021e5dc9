#!/usr/bin/env python3
"""Validates JSON files against a JSON Schema (draft 2020-12) with python3-jsonschema.

Usage: validate_json_schema.py SCHEMA FILE...
Prints one line per problem and exits 1 when any file does not validate."""
import json
import sys

import jsonschema


def main() -> int:
    with open(sys.argv[1], encoding="utf-8") as f:
        schema = json.load(f)
    validator_class = jsonschema.validators.validator_for(schema)
    validator_class.check_schema(schema)
    validator = validator_class(schema)
    status = 0
    for path in sys.argv[2:]:
        with open(path, encoding="utf-8") as f:
            document = json.load(f)
        for error in validator.iter_errors(document):
            where = "$" + "".join(f"[{p}]" if isinstance(p, int) else f".{p}" for p in error.absolute_path)
            print(f"{path}: {where}: {error.message[:200]}")
            status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())
