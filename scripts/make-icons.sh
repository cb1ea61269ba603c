#!/usr/bin/env bash
# Renders the application icon in the hicolor sizes that the desktop menus
# use, from resources/icons/app_icon.png (256x256), into
# packaging/icons/<size>x<size>/com.orlindo.Quillby.png. The results are
# committed; rerun after changing the icon. Needs ImageMagick's convert.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source_icon="$root/resources/icons/app_icon.png"
convert=/usr/bin/convert
[ -x "$convert" ] || convert=convert
for size in 16 22 24 32 48 64 128 256; do
    out="$root/packaging/icons/${size}x${size}/com.orlindo.Quillby.png"
    mkdir -p "$(dirname "$out")"
    # No time stamps in the files, so a rerun with an unchanged icon leaves
    # them byte for byte alike.
    "$convert" "$source_icon" -filter Lanczos -resize "${size}x${size}" -depth 8 -strip \
        -define png:exclude-chunks=date,time "$out"
done
