#!/usr/bin/env bash
# Builds the shortcut reader's fuzz target with clang and runs it for the given seconds
# (60 by default) over a copy of the seed corpus.
set -euo pipefail
cd "$(dirname "$0")"
root=$(cd ../.. && pwd)
seconds=${1:-60}
out=$(mktemp -d)

clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fPIC \
    -I"$root" $(pkg-config --cflags Qt6Core) \
    ShellLinkFuzz.cpp "$root/formats/ShellLink.cpp" "$root/store/TextUtils.cpp" "$root/platform/Paths.cpp" \
    $(pkg-config --libs Qt6Core) -o "$out/shelllink_fuzz"

cp corpus/shelllink/* "$out/" 2>/dev/null || true
mkdir -p "$out/corpus" && mv "$out"/*.lnk "$out/corpus/"
"$out/shelllink_fuzz" -max_total_time="$seconds" -max_len=4096 "$out/corpus"
