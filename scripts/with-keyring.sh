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
    # The daemon answers on the bus a moment after it returns; wait for it.
    export QUILLBY_KEYRING="the Secret Service did not appear on the private bus"
    for _ in $(seq 1 100); do
        if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null | grep -q 'boolean true'; then
            export QUILLBY_KEYRING=ready
            break
        fi
        sleep 0.1
    done
else
    export QUILLBY_KEYRING="gnome-keyring-daemon did not start: $output"
fi
"$@"
