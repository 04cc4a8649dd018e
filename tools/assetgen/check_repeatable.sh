#!/usr/bin/env bash
# Runs the generator twice and checks that every made file comes out byte for byte the same.
set -euo pipefail
cd "$(dirname "$0")/../.."
gen() { /usr/bin/python3 tools/assetgen/generate.py >/dev/null; sha256sum data/archive/* data/maps/* data/icons/*; }
first=$(gen)
second=$(gen)
if [ "$first" = "$second" ]; then echo "repeatable: identical files"; else echo "files differ"; exit 1; fi
