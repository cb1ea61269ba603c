#!/usr/bin/env bash
# Widgets collect input and call one service operation; they never open a
# database transaction or call a repository's write method. Fails, listing
# the lines, when code under ui/ or app/ (AppState aside) does.
set -euo pipefail
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
pattern='SqlTransaction|Repository\(\)->(insert|update|softDelete|restore|delete|mark|updateSortOrders|set)[A-Za-z]*\('
if found=$(grep -rnE "$pattern" "$root/ui" "$root/app" --include='*.cpp' --include='*.h' | grep -v '/app/appstate\.cpp:'); then
    echo "Writes outside the services:"
    echo "$found"
    exit 1
fi
echo "No widget writes to the database directly."
