#!/usr/bin/env bash
# Runs the server package's maintainer scripts with the commands they call
# replaced by stubs that record their arguments, and checks what a first
# installation, an upgrade, a removal and a purge ask of the system. Nothing
# on this machine changes: no user is created, no unit enabled.
#
#   scripts/check-maintainer-scripts.sh SOURCE_DIR
set -euo pipefail

source_dir=$(cd "${1:?usage: check-maintainer-scripts.sh SOURCE_DIR}" && pwd)
scripts="$source_dir/packaging/debian/server"
work=$(mktemp -d "${TMPDIR:-/tmp}/quillby-maint.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

# Every command a script may call is a stub that appends its name and
# arguments to the log; getent answers as QUILLBY_USER_EXISTS says, and
# deb-systemd-helper's was-enabled as QUILLBY_WAS_ENABLED says.
stubs="$work/bin"
mkdir -p "$stubs"
for command in adduser install deb-systemd-helper deb-systemd-invoke systemctl getent; do
    cat >"$stubs/$command" <<EOF
#!/bin/sh
echo "$command \$*" >>"\$QUILLBY_CALLS"
case "$command \$1" in
    "getent passwd") [ "\${QUILLBY_USER_EXISTS:-0}" = 1 ] ;;
    "deb-systemd-helper --quiet") [ "\${QUILLBY_WAS_ENABLED:-1}" = 1 ] ;;
    *) exit 0 ;;
esac
EOF
    chmod +x "$stubs/$command"
done

# run SCRIPT ARGS... : the calls it made, one a line, in $work/calls.
run() {
    local script=$1
    shift
    : >"$work/calls"
    QUILLBY_CALLS="$work/calls" PATH="$stubs:/usr/bin:/bin" sh -e "$scripts/$script" "$@" ||
        fail "$script $* exited with $?"
}
expect() {
    grep -qxF -- "$1" "$work/calls" || { cat "$work/calls"; fail "expected the call: $1"; }
}
refuse() {
    if grep -q -- "$1" "$work/calls"; then
        cat "$work/calls"
        fail "unexpected call matching: $1"
    fi
}

for script in postinst prerm postrm; do
    [ -x "$scripts/$script" ] || fail "$script is not executable"
    head -n 1 "$scripts/$script" | grep -qx '#!/bin/sh' || fail "$script is not a /bin/sh script"
    sh -n "$scripts/$script" || fail "$script has a syntax error"
done

echo "== first installation"
QUILLBY_USER_EXISTS=0 run postinst configure
expect "getent passwd quillby-server"
expect "adduser --system --group --quiet --home /var/lib/quillby-server --no-create-home --shell /usr/sbin/nologin --comment Quillby server quillby-server"
if [ ! -d /var/lib/quillby-server ]; then
    expect "install -d -o quillby-server -g quillby-server -m 0700 /var/lib/quillby-server"
fi
expect "deb-systemd-helper unmask quillby-server.service"
expect "deb-systemd-helper enable quillby-server.service"

echo "== upgrade, user there, unit disabled by the administrator"
QUILLBY_USER_EXISTS=1 QUILLBY_WAS_ENABLED=0 run postinst configure 1.1.1
refuse "^adduser"
refuse "deb-systemd-helper enable"
expect "deb-systemd-helper update-state quillby-server.service"

echo "== other postinst calls leave the user alone"
QUILLBY_USER_EXISTS=0 run postinst abort-upgrade 1.1.3
refuse "^adduser"
refuse "^install"
QUILLBY_USER_EXISTS=0 run postinst triggered
[ ! -s "$work/calls" ] || { cat "$work/calls"; fail "postinst triggered did something"; }

echo "== removal and purge"
run prerm upgrade 1.1.3
[ ! -s "$work/calls" ] || { cat "$work/calls"; fail "prerm upgrade did something"; }
run postrm remove
expect "deb-systemd-helper mask quillby-server.service"
refuse "purge"
run postrm purge
expect "deb-systemd-helper purge quillby-server.service"
expect "deb-systemd-helper unmask quillby-server.service"
# The data and the user stay.
refuse "^deluser"
refuse "rm "

echo "OK: the maintainer scripts ask for what each step needs"
