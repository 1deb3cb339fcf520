#!/usr/bin/env bash
# hdpart tree --format dot is a graph Graphviz reads: a node per partition
# and an edge per parent, as many as the report has rows below its heading.
set -euo pipefail
hdpart=$1
design=$2
plain=$("$hdpart" tree --format dot "$design" | dot -Tplain)
partitions=$(( $("$hdpart" report "$design" | wc -l) - 1 ))
nodes=$(grep -c '^node ' <<<"$plain")
edges=$(grep -c '^edge ' <<<"$plain")
[ "$nodes" -eq "$partitions" ] || { echo "$nodes nodes for $partitions partitions"; exit 1; }
[ "$edges" -eq $((partitions - 1)) ] || { echo "$edges edges for $partitions partitions"; exit 1; }
svg=$("$hdpart" tree --format dot "$design" | dot -Tsvg)
grep -q '<svg' <<<"$svg"
