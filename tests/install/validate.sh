#!/usr/bin/env bash
# Runs a validator on a file, or skips (77) when the validator is not installed.
command -v "$1" >/dev/null || { echo "SKIP: $1 is not installed (scripts/deps.sh installs it)"; exit 77; }
exec "$@"
