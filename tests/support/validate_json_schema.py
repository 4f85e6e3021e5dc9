#!/usr/bin/env python3
"""Validates JSON files against a JSON Schema (draft 2020-12) with python3-jsonschema.

Usage: validate_json_schema.py SCHEMA FILE...
Prints one line per problem and exits 1 when any file does not validate. Files are read
as the importer reads them: a byte order mark is skipped, and a key given twice in one
object or a number JSON does not have (NaN, Infinity) is a problem too."""
import json
import sys

import jsonschema


class Refused(ValueError):
    pass


def unique_keys(pairs):
    seen = {}
    for key, value in pairs:
        if key in seen:
            raise Refused(f"key {key!r} given twice in one object")
        seen[key] = value
    return seen


def no_constant(name):
    raise Refused(f"{name} is not a JSON number")


def main() -> int:
    with open(sys.argv[1], encoding="utf-8") as f:
        schema = json.load(f)
    validator_class = jsonschema.validators.validator_for(schema)
    validator_class.check_schema(schema)
    validator = validator_class(schema)
    status = 0
    for path in sys.argv[2:]:
        try:
            with open(path, encoding="utf-8-sig") as f:
                document = json.load(f, object_pairs_hook=unique_keys, parse_constant=no_constant)
        except (Refused, ValueError) as e:
            print(f"{path}: $: {e}")
            status = 1
            continue
        for error in validator.iter_errors(document):
            where = "$" + "".join(f"[{p}]" if isinstance(p, int) else f".{p}" for p in error.absolute_path)
            print(f"{path}: {where}: {error.message[:200]}")
            status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())
