#!/usr/bin/env bash
# Builds the Debian package build/package/trevalia_<version>_<arch>.deb, then unpacks it into
# a scratch folder and checks its files and its desktop entry.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
for package in dpkg-dev desktop-file-utils; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" \
        || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$package"
done

cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DTREVALIA_TESTS=OFF
cmake --build build/package --target Trevalia
(cd build/package && cpack)
deb=$(ls build/package/trevalia_*.deb | tail -1)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg -x "$deb" "$scratch"
echo "Package: $deb"
dpkg-deb --info "$deb" | sed -n 's/^ \(Package\|Version\|Architecture\|Depends\):/  \1:/p'
(cd "$scratch" && find . -type f | sort | sed 's/^\./  /')
desktop-file-validate "$scratch/usr/share/applications/trevalia.desktop"
echo "desktop-file-validate: no problems"
