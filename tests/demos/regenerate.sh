#!/usr/bin/env bash
# Records the demo suite again and writes the checkpoints each demo gives today as its
# expected output. Run it after a deliberate change of the game's rules, drawing or data, then
# look at the differences before committing them:
#   tests/demos/regenerate.sh [build-folder]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
cmake --build "$build" --target SKDEMOGEN SKDEMO skarveth_data
"$build/tools/SKDEMOGEN" "$build/Skarveth" tests/demos
for demo in tests/demos/*.txt; do
  (cd "$build/Skarveth" && ./SKDEMO "$OLDPWD/$demo") > "${demo%.txt}.expected"
done
git status --short tests/demos
