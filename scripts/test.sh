#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
quillby_install_packages
quillby_build
cd "$QUILLBY_BUILD"
ctest --output-on-failure --parallel "$(nproc)"
