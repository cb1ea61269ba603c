#!/usr/bin/env bash
# Builds the two Debian packages from a finished build directory and checks
# them the way a fresh machine would meet them: unpacked into an empty root,
# the program started from there headless until it has made its database,
# the server started from there until it listens, and lintian over both.
#
#   scripts/check-deb-packages.sh BUILD_DIR
#
# Exit status 77 (a skipped test for CTest) when dpkg-deb, dpkg-shlibdeps,
# cpack or lintian is missing; scripts/debian-packages.txt lists what
# provides them.
set -euo pipefail

build=$(cd "${1:?usage: check-deb-packages.sh BUILD_DIR}" && pwd)
cpack_program="${CPACK_COMMAND:-cpack}"

for tool in dpkg-deb dpkg-shlibdeps lintian desktop-file-validate "$cpack_program"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (apt-get install dpkg-dev lintian desktop-file-utils cmake)"
        exit 77
    fi
done
for target in app/quillby server/quillby-server; do
    if [ ! -x "$build/$target" ]; then
        echo "FAIL: $build/$target is not built; build the project first"
        exit 1
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/quillby-deb.XXXXXX")
server_pid=""
cleanup() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

echo "== cpack"
"$cpack_program" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack did not build the packages"; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$version" ] || fail "no CPACK_PACKAGE_VERSION in CPackConfig.cmake"
desktop_deb="$work/out/quillby_${version}_amd64.deb"
server_deb="$work/out/quillby-server_${version}_amd64.deb"
[ -f "$desktop_deb" ] || { ls -l "$work/out"; fail "no $(basename "$desktop_deb")"; }
[ -f "$server_deb" ] || { ls -l "$work/out"; fail "no $(basename "$server_deb")"; }
for deb in "$desktop_deb" "$server_deb"; do
    echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"
done

echo "== dependencies"
desktop_depends=$(dpkg-deb -f "$desktop_deb" Depends)
server_depends=$(dpkg-deb -f "$server_deb" Depends)
echo "quillby: $desktop_depends"
echo "quillby-server: $server_depends"
# dpkg-shlibdeps found the libraries; the plugin and the maintainer
# scripts' needs are named by hand.
for wanted in libqt6widgets6 libqt6sql6 libqt6sql6-sqlite libsqlite3-0 libc6; do
    grep -Eq "(^|, )$wanted( |,|$)" <<<"$desktop_depends" || fail "quillby does not depend on $wanted"
done
for wanted in libqt6core6 libsodium23 libqt6sql6-sqlite adduser; do
    grep -Eq "(^|, )$wanted( |,|$)" <<<"$server_depends" || fail "quillby-server does not depend on $wanted"
done
if grep -q 'libqt6widgets6' <<<"$server_depends"; then
    fail "quillby-server depends on the widget library"
fi

echo "== contents"
root="$work/root"
mkdir -p "$root"
dpkg-deb -x "$desktop_deb" "$root"
dpkg-deb -x "$server_deb" "$root"
for file in usr/bin/quillby \
    usr/share/applications/com.orlindo.Quillby.desktop \
    usr/share/metainfo/com.orlindo.Quillby.metainfo.xml \
    usr/share/mime/packages/com.orlindo.Quillby.xml \
    usr/share/icons/hicolor/16x16/apps/com.orlindo.Quillby.png \
    usr/share/icons/hicolor/256x256/apps/com.orlindo.Quillby.png \
    usr/share/man/man1/quillby.1.gz \
    usr/share/doc/quillby/copyright \
    usr/share/doc/quillby/changelog.gz \
    usr/bin/quillby-server \
    usr/lib/systemd/system/quillby-server.service \
    usr/share/man/man8/quillby-server.8.gz \
    usr/share/doc/quillby-server/copyright; do
    [ -e "$root/$file" ] || fail "/$file is missing from the packages"
done
# The packaged unit starts the packaged program, as the packaged user.
unit="$root/usr/lib/systemd/system/quillby-server.service"
grep -q '^ExecStart=/usr/bin/quillby-server ' "$unit" || fail "the unit does not start /usr/bin/quillby-server"
grep -q '^User=quillby-server$' "$unit" || fail "the unit does not run as quillby-server"
postinst=$(dpkg-deb -I "$server_deb" postinst)
grep -q 'adduser --system' <<<"$postinst" || fail "the server's postinst creates no system user"
for program in usr/bin/quillby usr/bin/quillby-server; do
    # Found through the system's library path alone, stripped, no RPATH.
    if readelf -d "$root/$program" | grep -Eq 'RPATH|RUNPATH'; then
        fail "/$program carries an RPATH"
    fi
    if readelf -S "$root/$program" | grep -q '\.debug_info'; then
        fail "/$program is not stripped"
    fi
    if ldd "$root/$program" | grep -q 'not found'; then
        ldd "$root/$program"
        fail "/$program misses libraries"
    fi
done

echo "== desktop entry and metadata"
desktop-file-validate "$root/usr/share/applications/com.orlindo.Quillby.desktop" || fail "desktop-file-validate"
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net --strict "$root/usr/share/metainfo/com.orlindo.Quillby.metainfo.xml" ||
        fail "appstreamcli validate"
fi
if command -v update-mime-database >/dev/null 2>&1; then
    mkdir -p "$work/mime/packages"
    cp "$root/usr/share/mime/packages/com.orlindo.Quillby.xml" "$work/mime/packages/"
    XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work" update-mime-database "$work/mime" >"$work/mime.log" 2>&1 || { cat "$work/mime.log"; fail "update-mime-database"; }
    if [ -s "$work/mime.log" ]; then
        cat "$work/mime.log"
        fail "update-mime-database complained"
    fi
    grep -q 'application/x-qif' "$work/mime/globs2" || fail "no application/x-qif in the MIME database"
    grep -q 'application/x-ofx' "$work/mime/globs2" || fail "no application/x-ofx in the MIME database"
fi

echo "== the installed program starts"
home="$work/home"
mkdir -p "$home" "$home/runtime"
chmod 0700 "$home/runtime"
start_log="$work/start.log"
if ! env -i PATH=/usr/bin:/bin HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
    XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    AUTH_BASE_URL=http://127.0.0.1:9 \
    timeout 60 "$root/usr/bin/quillby" --check-start >"$start_log" 2>&1; then
    cat "$start_log"
    fail "quillby --check-start did not succeed"
fi
database="$home/data/Orlindo/Quillby/quillby.db"
grep -qF "Database ready: $database" "$start_log" || { cat "$start_log"; fail "quillby did not name its database"; }
[ -s "$database" ] || fail "no database at $database"
head -c 16 "$database" | grep -q 'SQLite format 3' || fail "$database is no SQLite file"
version_line=$(env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen "$root/usr/bin/quillby" --version)
[ "$version_line" = "Quillby $version" ] || fail "quillby --version printed '$version_line'"

echo "== the installed server starts"
server_log="$work/server.log"
env -i PATH=/usr/bin:/bin HOME="$home" "$root/usr/bin/quillby-server" \
    --data-dir "$work/server-data" --listen 127.0.0.1 --port 0 >"$server_log" 2>"$work/server.err" &
server_pid=$!
for _ in $(seq 1 100); do
    grep -q '^listening on 127.0.0.1:' "$server_log" && break
    kill -0 "$server_pid" 2>/dev/null || break
    sleep 0.1
done
grep -q '^listening on 127.0.0.1:' "$server_log" || { cat "$work/server.err"; fail "quillby-server did not listen"; }
kill "$server_pid"
wait "$server_pid" || fail "quillby-server did not stop cleanly on SIGTERM"
server_pid=""
[ -s "$work/server-data/quillby-server.db" ] || fail "the server made no database"

echo "== lintian"
status=0
for deb in "$desktop_deb" "$server_deb"; do
    # Errors fail; warnings and the rest are printed for whoever reads the log.
    lintian --fail-on error --display-info "$deb" || status=1
done
[ "$status" -eq 0 ] || fail "lintian reports errors"

echo "OK: both packages build, install, start and pass lintian"
