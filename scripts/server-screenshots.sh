#!/usr/bin/env bash
# Renders the server's browser pages in headless Chromium, light and dark, at
# a desktop size (1280x900) and a phone size (390x844), and writes PNG files
# for review:
#   login-<scheme>-<size>.png      the sign-in page (registration open, so its link shows)
#   login-error-<scheme>-<size>.png  the sign-in page answering a failed post
#   register-<scheme>-<size>.png   the registration page
#   bash scripts/server-screenshots.sh [output-folder]   (default: /tmp/quillby-server-shots)
# Dark pages come from --force-dark-mode, which makes Chromium report
# prefers-color-scheme: dark.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
out="${1:-/tmp/quillby-server-shots}"
mkdir -p "$out"

for tool in chromium curl; do
    command -v "$tool" >/dev/null || { echo "server screenshots need $tool (apt-get install chromium curl)"; exit 2; }
done
if [ ! -f "$QUILLBY_BUILD/CMakeCache.txt" ]; then
    cmake -S "$QUILLBY_ROOT" -B "$QUILLBY_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$QUILLBY_BUILD" --target quillby-server

work="$(mktemp -d)"
server_pid=""
cleanup() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

"$QUILLBY_BUILD/server/quillby-server" --data-dir "$work/data" --listen 127.0.0.1 --port 0 --open-registration \
    >"$work/stdout" 2>"$work/stderr" &
server_pid=$!
port=""
for _ in $(seq 100); do
    port=$(sed -n 's/^listening on [^ ]*:\([0-9][0-9]*\)$/\1/p' "$work/stdout")
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || { echo "the server did not start:"; cat "$work/stderr"; exit 1; }

base="http://127.0.0.1:$port/orlindo/account"
link="client_id=0123456789abcdef0123456789abcdef&redirect_uri=http%3A%2F%2Flocalhost%3A19876%2Fcallback&state=screenshot-state-0123456789"
# A post without the form's cookie is answered with the page and its error
# message; Chromium shows the saved answer.
curl -s -o "$work/login-error.html" --data "$link&form_token=none&email=someone%40example.org&password=wrong" "$base/login"

shot() {   # output file, size (W,H), extra flag or "", URL
    local flags=(--headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking
                 --disable-component-update --disable-sync --hide-scrollbars "--user-data-dir=$work/profile-$RANDOM"
                 "--window-size=$2" "--screenshot=$1")
    [ -n "$3" ] && flags+=("$3")
    chromium "${flags[@]}" "$4" >/dev/null 2>&1 || { echo "chromium failed for $1"; exit 1; }
}

for scheme in light dark; do
    mode=""
    [ "$scheme" = dark ] && mode="--force-dark-mode"
    for size in 1280x900 390x844; do
        window="${size/x/,}"
        shot "$out/login-$scheme-$size.png" "$window" "$mode" "$base/login?$link"
        shot "$out/login-error-$scheme-$size.png" "$window" "$mode" "file://$work/login-error.html"
        shot "$out/register-$scheme-$size.png" "$window" "$mode" "$base/register?$link"
    done
done
echo "Screenshots in $out"
