#!/usr/bin/env bash
# Checks the translation catalogs against each other and against the texts of
# the current sources, as the lint/translations test does:
#   bash scripts/check-translations.sh [build-folder]   (default: build)
# The build folder must be configured (it holds lupdate's project file).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
# Debian keeps Qt 6's lupdate out of PATH; LUPDATE picks another one.
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
tools_dir="$(sed -n 's/^Qt6LinguistTools_DIR:PATH=//p' "$build/CMakeCache.txt")"
exec python3 "$root/scripts/check-translations.py" --lupdate "$lupdate" \
    --project "$build/.lupdate/quillby_ui_project.cmake" \
    --generator "$tools_dir/GenerateLUpdateProject.cmake"
