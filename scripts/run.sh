#!/usr/bin/env bash
# Installs what is missing, builds, and launches Quillby.
#   bash scripts/run.sh                  the program alone
#   bash scripts/run.sh --with-server    the program with its own quillby-server on
#                                        127.0.0.1 (port $QUILLBY_SERVER_PORT, default 8640),
#                                        stopped again when the program exits
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
with_server=0
program_args=()
for argument in "$@"; do
    if [ "$argument" = "--with-server" ]; then
        with_server=1
    else
        program_args+=("$argument")
    fi
done
quillby_install_packages
quillby_build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found. Run Quillby in a virtual display instead:"
    echo "  xvfb-run -a $QUILLBY_BUILD/app/quillby"
    exit 2
fi
if [ "$with_server" -eq 0 ]; then
    exec "$QUILLBY_BUILD/app/quillby" "${program_args[@]}"
fi

server="$QUILLBY_BUILD/server/quillby-server"
data="${QUILLBY_SERVER_DATA:-${XDG_DATA_HOME:-$HOME/.local/share}/quillby-server}"
port="${QUILLBY_SERVER_PORT:-8640}"
mkdir -p "$data"
chmod 700 "$data"
"$server" --data-dir "$data" --listen 127.0.0.1 --port "$port" >"$data/server.out" 2>>"$data/server.log" &
server_pid=$!
# SIGTERM lets the server finish what it is doing before it exits.
trap 'kill -TERM "$server_pid" 2>/dev/null; wait "$server_pid" 2>/dev/null' EXIT
for _ in $(seq 100); do
    grep -q '^listening on' "$data/server.out" 2>/dev/null && break
    if ! kill -0 "$server_pid" 2>/dev/null; then
        echo "quillby-server did not start (is port $port in use?). Its log:" >&2
        tail -n 5 "$data/server.log" >&2
        exit 1
    fi
    sleep 0.2
done
base="http://127.0.0.1:$port"
export AUTH_BASE_URL="$base"
export ACCOUNT_API_URL="$base/account/v1"
export SYNC_API_URL="$base/quillby/v1"
export UPDATE_BASE_URL="$base/quillby/stable/"
echo "quillby-server runs on $base with its data in $data (log: $data/server.log)." >&2
echo "Add a user with: $server --data-dir \"$data\" --add-user you@example.org" >&2
"$QUILLBY_BUILD/app/quillby" "${program_args[@]}"
