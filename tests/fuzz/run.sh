#!/usr/bin/env bash
# Builds the fuzz targets of the readers of outside data with clang (libFuzzer, ASan and
# UBSan) and runs each for the given seconds (60 by default) over a copy of its seeds,
# printing the executions and whether it crashed.
set -euo pipefail
cd "$(dirname "$0")"
root=$(cd ../.. && pwd)
seconds=${1:-60}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

common=("$root/store/TextUtils.cpp" "$root/platform/Paths.cpp")
declare -A sources=(
    [shelllink]="ShellLinkFuzz.cpp $root/formats/ShellLink.cpp"
    [internetshortcut]="InternetShortcutFuzz.cpp $root/formats/InternetShortcut.cpp"
    [dropdata]="DropDataFuzz.cpp $root/formats/DropData.cpp $root/formats/InternetShortcut.cpp"
    [bookmarks]="BookmarksFuzz.cpp $root/formats/ChromiumBookmarks.cpp $root/formats/NetscapeBookmarks.cpp $root/formats/FirefoxBookmarks.cpp"
)

status=0
for target in shelllink internetshortcut dropdata bookmarks; do
    # shellcheck disable=SC2086
    clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fPIC \
        -I"$root" $(pkg-config --cflags Qt6Core) \
        ${sources[$target]} "${common[@]}" \
        $(pkg-config --libs Qt6Core sqlite3) -o "$out/$target"
    mkdir -p "$out/corpus-$target"
    cp corpus/"$target"/* "$out/corpus-$target/" 2>/dev/null || true
    if "$out/$target" -max_total_time="$seconds" -max_len=4096 "$out/corpus-$target" >"$out/$target.log" 2>&1; then
        result="no crash"
    else
        result="CRASH (see the log below)"
        status=1
        tail -40 "$out/$target.log"
    fi
    runs=$(grep -o 'Done [0-9]* runs' "$out/$target.log" | tail -1 | grep -o '[0-9]*' || echo 0)
    echo "fuzz $target: $runs executions in $seconds s, $result"
done
exit $status
