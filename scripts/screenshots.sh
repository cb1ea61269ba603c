#!/usr/bin/env bash
# Renders the main window over a generated data set in the light and dark
# themes under Xvfb, and writes PNG files for review.
#   bash scripts/screenshots.sh [output-folder]   (default: /tmp/quillby-shots)
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
out="${1:-/tmp/quillby-shots}"
mkdir -p "$out"

for tool in xvfb-run import python3; do
    command -v "$tool" >/dev/null || { echo "screenshots need $tool (xvfb, imagemagick, python3)"; exit 2; }
done
quillby_build

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$QUILLBY_BUILD/bench/quillby-generate" --out "$work/seed.db" --accounts 7 --transactions 4000 \
    --years 2 --seed 7 >/dev/null 2>&1

shoot() {   # theme name, output file
    local dir="$work/$1"
    rm -rf "$dir" && mkdir -p "$dir"
    cp "$work/seed.db" "$dir/quillby.db"
    python3 - "$dir/quillby.db" "$1" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("INSERT OR REPLACE INTO preferences (key, value) VALUES ('theme', ?)", (sys.argv[2],))
db.commit()
PY
    QUILLBY_DATA_DIR="$dir" XDG_CONFIG_HOME="$dir/config" xvfb-run -a -s "-screen 0 1280x900x24" \
        bash -c '"$0" & pid=$!; sleep 4; import -window root "$1"; kill $pid; wait $pid 2>/dev/null; exit 0' \
        "$QUILLBY_BUILD/app/quillby" "$2"
    echo "wrote $2"
}

shoot light "$out/main-light.png"
shoot dark "$out/main-dark.png"
