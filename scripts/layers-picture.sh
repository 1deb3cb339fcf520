#!/usr/bin/env bash
# Draws the layers of the tree with Graphviz, for docs/ARCHITECTURE.md:
# docs/layers.dot to docs/images/layers.svg.
#
#   scripts/layers-picture.sh
set -euo pipefail
cd "$(dirname "$0")/.."
dot -Tsvg docs/layers.dot >docs/images/layers.svg
echo "wrote docs/images/layers.svg"
