#!/usr/bin/env bash
# Every --format json document of the commands, parsed by a real JSON parser
# and checked against its schema under docs/json/.
#
#   json_schema_test.sh HDPART SOURCE_DIR
set -euo pipefail
hdpart=$1
source=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/json-schema.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
cp "$source/tests/hdpart/cases/output_paths/demo.pxml" design.pxml
example=$source/examples/xpartition.pxml
"$hdpart" save "$example" -o design.prj
# A description drawing every finding of check, with the files its import
# locations name (taken from the working directory).
faulty=$source/tests/hdpart/cases/check_faulty
cp -R "$faulty/faulty.pxml" "$faulty/design.txt" "$faulty/exp" .
# schema, then the command line; each document is checked on its own.
cat >cases <<CASES
summaries.schema.json report design.pxml --format json
summaries.schema.json report design.pxml /top/u1/core /top --format json
summaries.schema.json tree design.pxml --format json
summaries.schema.json tree design.pxml --format json --depth 1
summaries.schema.json tree $example --format json
inspect.schema.json inspect design.prj --format json
diff.schema.json diff design.pxml design.pxml --format json
diff.schema.json diff design.pxml $example --format json
diff.schema.json diff $source/tests/hdpart/cases/diff_fields/a.pxml $source/tests/hdpart/cases/diff_fields/b.pxml --format json
check.schema.json check design.pxml --format json
check.schema.json check faulty.pxml --format json
check.schema.json check $example --format json
CASES
n=0
while read -r schema args; do
  n=$((n + 1))
  # Status 1 is a command that still writes its document (check's findings);
  # a command that wrote none fails below, its document not being JSON.
  # shellcheck disable=SC2086
  status=0
  "$hdpart" $args >"doc$n.json" || status=$?
  # diff answers 1 when the files differ, check when it finds something:
  # a document all the same.
  [ "$status" = 0 ] || { [ "$status" = 1 ] && [[ "${args%% *}" =~ ^(diff|check)$ ]]; } ||
    { echo "$args: exit status $status" >&2; exit 1; }
  echo "$schema doc$n.json $args" >>checks
done <cases
/usr/bin/python3 - "$source/docs/json" <<'PY'
import json, sys, pathlib
import jsonschema
schemas = pathlib.Path(sys.argv[1])
failed = 0
for line in open("checks"):
    schema, doc, *args = line.split()
    validator = jsonschema.Draft202012Validator(json.loads((schemas / schema).read_text()))
    document = json.loads(pathlib.Path(doc).read_text())
    errors = list(validator.iter_errors(document))
    if document.get("command") != args[0]:
        errors.append(f"command is {document.get('command')!r}, not {args[0]!r}")
    for error in errors[:3]:  # the first few say enough
        failed += 1
        print(f"{' '.join(args)}: {getattr(error, 'message', error)}")
sys.exit(1 if failed else 0)
PY
