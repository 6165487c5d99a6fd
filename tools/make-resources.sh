#!/usr/bin/env bash
# Rebuilds the resource tools and regenerates every picture, sound and the icons under
# resources/, and the contact sheet docs/contact-sheet.png.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QF_TOOLS_BUILD:-$root/build-tools}"

cmake -S "$root/tools" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)"

mkdir -p "$root/resources/pictures" "$root/resources/sounds" "$root/docs"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" \
  "$build/qf-paint" "$root/resources" "$root/docs/contact-sheet.png"
"$build/qf-sounds" "$root/resources/sounds"

# Everything the program compiles in must exist.
missing=0
while read -r f; do
  [ -f "$root/resources/$f" ] || { echo "make-resources: missing resources/$f" >&2; missing=1; }
done < <(sed -n 's:.*<file>\(.*\)</file>.*:\1:p' "$root/resources/quillfern.qrc")
[ "$missing" = 0 ] || exit 1
echo "make-resources: done"
