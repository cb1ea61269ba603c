#!/usr/bin/env bash
# Builds quillby-server and runs it on http://127.0.0.1:8640, with its data
# (SQLite file, token secret, signing key) in ~/.local/share/quillby-server
# or $QUILLBY_SERVER_DATA. Stop it with Ctrl+C.
#
#   bash scripts/run-server.sh                               start the server
#   bash scripts/run-server.sh --add-user you@example.org    add a user first (asks for the password)
#   bash scripts/run-server.sh --port 9000 --release-dir DIR other options go to the server
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

new_user=""
port="${QUILLBY_SERVER_PORT:-8640}"
server_args=()
while [ $# -gt 0 ]; do
    case "$1" in
        --add-user)
            [ $# -ge 2 ] || { echo "--add-user needs an e-mail address" >&2; exit 2; }
            new_user="$2"; shift 2 ;;
        --add-user=*) new_user="${1#*=}"; shift ;;
        --port)
            [ $# -ge 2 ] || { echo "--port needs a number" >&2; exit 2; }
            port="$2"; shift 2 ;;
        --port=*) port="${1#*=}"; shift ;;
        *) server_args+=("$1"); shift ;;
    esac
done

quillby_install_packages
# Only the server: a server machine needs none of the desktop program.
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if [ ! -f "$QUILLBY_BUILD/CMakeCache.txt" ]; then
    cmake -S "$QUILLBY_ROOT" -B "$QUILLBY_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
fi
cmake --build "$QUILLBY_BUILD" --target quillby-server --parallel "$(nproc)"

server="$QUILLBY_BUILD/server/quillby-server"
data="${QUILLBY_SERVER_DATA:-${XDG_DATA_HOME:-$HOME/.local/share}/quillby-server}"
if [ -n "$new_user" ]; then
    "$server" --data-dir "$data" --add-user "$new_user"
fi

base="http://127.0.0.1:$port"
cat >&2 <<HINT
Quillby's server keeps its data in $data.
Point the program at it with:
  AUTH_BASE_URL=$base ACCOUNT_API_URL=$base/account/v1 SYNC_API_URL=$base/quillby/v1 build/app/quillby
or start both together with: bash scripts/run.sh --with-server
HINT
exec "$server" --data-dir "$data" --port "$port" "${server_args[@]}"
