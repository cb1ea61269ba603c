#!/usr/bin/env bash
# Installs what is missing, builds, and launches Quillby.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
quillby_install_packages
quillby_build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found. Run Quillby in a virtual display instead:"
    echo "  xvfb-run -a $QUILLBY_BUILD/app/quillby"
    exit 2
fi
exec "$QUILLBY_BUILD/app/quillby" "$@"
