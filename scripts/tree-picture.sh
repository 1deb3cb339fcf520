#!/usr/bin/env bash
# Draws the partition tree of the bundled example with Graphviz, for the
# documents: docs/images/example-tree.svg.
#
#   scripts/tree-picture.sh BUILD/bin/hdpart
set -euo pipefail
cd "$(dirname "$0")/.."
hdpart=${1:-build/bin/hdpart}
"$hdpart" tree --format dot examples/xpartition.pxml | dot -Tsvg >docs/images/example-tree.svg
echo "wrote docs/images/example-tree.svg"
