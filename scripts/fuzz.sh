#!/bin/sh
# Runs a libFuzzer target for a given time, with a dictionary of the model
# file's member names and enumeration values generated from the JSON Schema.
#
#   scripts/fuzz.sh [TARGET [SECONDS [JOBS]]]
#     TARGET   fuzz_model (load and write into memory, twice; the default) or
#              fuzz_deck_file (write through the command's deck file path)
#     SECONDS  total time (default 600)
#     JOBS     parallel fuzzing processes (default 1)
#   MERGE_INTO=DIR scripts/fuzz.sh ...   afterwards adds to DIR the inputs of
#              the grown corpus that add coverage (libFuzzer's -merge=1)
#
# Builds with clang in build-fuzz/ (OIF_FUZZ=ON: the libraries instrumented for
# coverage, the targets with address and undefined-behaviour sanitizers). The
# corpus grows in build-fuzz/corpus-TARGET, seeded with tests/models and
# examples. A finding leaves its input as crash-* / leak-* / timeout-* in
# build-fuzz/ and a non-zero status.
set -eu
cd "$(dirname "$0")/.."
TARGET=${1:-fuzz_model}
SECONDS_TOTAL=${2:-600}
JOBS=${3:-1}
BUILD=build-fuzz

case "$TARGET" in
  fuzz_model | fuzz_deck_file) ;;
  *) echo "fuzz.sh: unknown target '$TARGET' (fuzz_model or fuzz_deck_file)" >&2; exit 2 ;;
esac
command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ is needed for libFuzzer" >&2; exit 2; }

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  LAUNCHER=""
  command -v ccache >/dev/null && LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DOIF_FUZZ=ON -DOIF_SANITIZE=address,undefined -DOIF_BUILD_BENCH=OFF -DOIF_BUILD_TOOLS=OFF $LAUNCHER >/dev/null
fi
cmake --build "$BUILD" --target "$TARGET" >/dev/null

# The dictionary: every member name and every enumeration or constant value of
# the schema as a JSON string, and a few numbers at the edges.
DICT="$BUILD/model.dict"
python3 - "$DICT" docs/schema/*.json <<'EOF'
import json, sys
words = set()
def walk(node):
    if isinstance(node, dict):
        for key, value in node.items():
            if key in ("properties", "patternProperties"):
                words.update(value.keys())
            if key == "enum":
                words.update(v for v in value if isinstance(v, str))
            if key == "const" and isinstance(value, str):
                words.add(value)
            if key == "required":
                words.update(value)
            walk(value)
    elif isinstance(node, list):
        for value in node:
            walk(value)
for path in sys.argv[2:]:
    with open(path) as f:
        walk(json.load(f))
with open(sys.argv[1], "w") as out:
    for word in sorted(words):
        text = json.dumps(word)
        out.write('"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"\n')
    for token in ["2147483647", "-2147483648", "1.7976931348623157e308", "5e-324", "-0", "1e999",
                  "null", "true", "false", "[]", "{}", "\\u0000", "\\t", "\\r", ", "]:
        out.write('"' + token.replace("\\", "\\\\").replace('"', '\\"') + '"\n')
print(f"dictionary: {len(words)} schema words in {sys.argv[1]}")
EOF

mkdir -p "$BUILD/corpus-$TARGET"
cd "$BUILD"
rm -f fuzz-[0-9]*.log
PARALLEL=""
[ "$JOBS" -gt 1 ] && PARALLEL="-jobs=$JOBS -workers=$JOBS"
set +e
# shellcheck disable=SC2086
tests/"$TARGET" -max_total_time="$SECONDS_TOTAL" $PARALLEL -dict=model.dict \
  -max_len=16384 -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
  "corpus-$TARGET" ../tests/models ../examples >"fuzz-$TARGET.log" 2>&1
status=$?
set -e
# With -jobs the workers log to fuzz-N.log.
LOGS="fuzz-$TARGET.log"
[ "$JOBS" -gt 1 ] && LOGS=$(ls fuzz-[0-9]*.log)
# shellcheck disable=SC2086
cat $LOGS |
  grep -E "^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::number_of_executed_units|^stat::peak_rss|ERROR|SUMMARY|Test unit written" || true
if [ -n "${MERGE_INTO:-}" ]; then
  tests/"$TARGET" -merge=1 "$MERGE_INTO" "corpus-$TARGET" >"merge-$TARGET.log" 2>&1
  tail -1 "merge-$TARGET.log"
fi
if [ "$status" -ne 0 ] || ls crash-* leak-* timeout-* oom-* >/dev/null 2>&1; then
  echo "fuzz.sh: $TARGET stopped with status $status; findings: $(ls crash-* leak-* timeout-* oom-* 2>/dev/null | tr '\n' ' ')" >&2
  exit 1
fi
echo "fuzz.sh: $TARGET ran $SECONDS_TOTAL s without a finding (log: $BUILD/fuzz-$TARGET.log)"
