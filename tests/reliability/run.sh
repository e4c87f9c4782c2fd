#!/usr/bin/env bash
# The reliability suite: several copies of the program on one catalogue, copies killed while
# they write, a full disk, bad files, and the fuzz targets of the readers. Each part prints
# its figure. It takes a few minutes and is not part of CI's run; run it by hand:
#   tests/reliability/run.sh [fuzz seconds per target, 60 by default]
set -euo pipefail
cd "$(dirname "$0")/../.."
fuzz_seconds=${1:-60}

cmake -S . -B build/reliability -G Ninja -DCMAKE_BUILD_TYPE=Release -DTREVALIA_BENCHMARKS=OFF >/dev/null
cmake --build build/reliability --target reliability_copy >/dev/null
copy=build/reliability/tests/reliability/reliability_copy
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT

# Copies starting together on no file: every acknowledged link must be in the file.
for copies in 2 4; do
    lost=0 errors=0 failed_tries=0
    for try in $(seq 1 100); do
        folder="$work/race-$copies-$try"
        mkdir -p "$folder"
        pids=()
        for c in $(seq 1 "$copies"); do
            "$copy" start "$folder" 20 >"$folder/out-$c" 2>/dev/null &
            pids+=($!)
        done
        wait "${pids[@]}"
        acknowledged=$(cat "$folder"/out-* | awk '/^acknowledged/ {s += $2} END {print s + 0}')
        shown=$(cat "$folder"/out-* | awk '/^acknowledged/ {s += $4} END {print s + 0}')
        stored=$("$copy" check "$folder" | awk '{print $4}')
        try_lost=$((acknowledged - stored))
        lost=$((lost + try_lost))
        errors=$((errors + shown))
        [ "$try_lost" -ne 0 ] || [ "$shown" -ne 0 ] && failed_tries=$((failed_tries + 1))
        rm -rf "$folder"
    done
    echo "race: $copies copies starting together on no file, 100 tries: $lost links lost, $errors errors shown, $failed_tries tries with either"
done

# Two copies inserting and editing 10,000 links each at once.
folder="$work/churn"
mkdir -p "$folder"
"$copy" start "$folder" 0 >/dev/null 2>&1
"$copy" churn "$folder" PRIMERA 10000 >"$folder/a" 2>/dev/null &
first=$!
"$copy" churn "$folder" SEGUNDA 10000 >"$folder/b" 2>/dev/null &
second=$!
wait $first $second
inserted=$(awk '{s += $2} END {print s}' "$folder/a" "$folder/b")
edited=$(awk '{s += $4} END {print s}' "$folder/a" "$folder/b")
read -r _ integrity _ links _ _ _ stored_edited < <("$copy" check "$folder" "")
echo "churn: 2 copies x 10,000 links inserted and edited at once: $((inserted - links)) links lost, $((edited - stored_edited)) updates lost (integrity $integrity)"

# A copy killed at random points during a 50,000-link import.
bad_checks=0 missing=0
for kill in $(seq 1 20); do
    folder="$work/kill-$kill"
    mkdir -p "$folder"
    "$copy" import "$folder" 50000 >"$folder/out" 2>/dev/null &
    pid=$!
    sleep "0.$((RANDOM % 9 + 1))$((RANDOM % 10))"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    committed=$(awk '/^committed/ {n = $2} END {print n + 0}' "$folder/out")
    read -r _ integrity _ links _ < <("$copy" check "$folder" "")
    [ "$integrity" = ok ] || bad_checks=$((bad_checks + 1))
    [ "$links" -ge "$committed" ] || missing=$((missing + committed - links))
    rm -rf "$folder"
done
echo "kill: 20 kills during a 50,000-link import: $bad_checks failed integrity checks, $missing committed links missing"

# A full disk during saves (SQLite's page limit stands for the disk).
folder="$work/full"
mkdir -p "$folder"
echo "full disk: $("$copy" fulldisk "$folder" 2>/dev/null)"

# Bad files: what the user sees, and whether the file was touched.
echo "bad files:"
"$copy" badfiles "$work/bad" 2>/dev/null | sed 's/^/  /'

tests/fuzz/run.sh "$fuzz_seconds"
