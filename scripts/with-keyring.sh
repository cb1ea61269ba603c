#!/usr/bin/env bash
# Runs a command inside a private D-Bus session with an unlocked
# gnome-keyring-daemon, so keyring code is tested against the real Secret
# Service without touching the user's keyring. Sets QUILLBY_KEYRING=ready when
# the keyring started, else to the reason (the test then skips with it).
set -u
if [ "${QUILLBY_IN_KEYRING_SESSION:-}" != 1 ]; then
    if ! command -v dbus-run-session >/dev/null || ! command -v gnome-keyring-daemon >/dev/null; then
        QUILLBY_KEYRING="dbus-run-session or gnome-keyring-daemon is not installed" exec "$@"
    fi
    export QUILLBY_IN_KEYRING_SESSION=1
    exec dbus-run-session -- bash "$0" "$@"
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
if output=$(printf 'quillby-test' | gnome-keyring-daemon --unlock --components=secrets 2>&1); then
    eval "$(printf '%s\n' "$output" | grep '^[A-Z_]*=' | sed 's/^/export /')"
    export QUILLBY_KEYRING=ready
else
    export QUILLBY_KEYRING="gnome-keyring-daemon did not start: $output"
fi
"$@"
