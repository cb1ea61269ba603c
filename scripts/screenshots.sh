#!/usr/bin/env bash
# Renders the program as a person would see it: under Xvfb with a window
# manager (openbox; without one Qt never activates the window and keyboard
# shortcuts misbehave), in the light and dark themes, at 1280x900 and at
# 1024x700, and writes PNG files for review:
#   main-<theme>-<size>.png         the register of a generated data set
#   datepopup-<theme>-<size>.png    the new row's calendar popup (F4)
#   transaction-<theme>-<size>.png  the new row in the transaction form (radio buttons, check box)
#   account-<theme>-<size>.png      the new account form
#   reconcile-<theme>-<size>.png    the reconciliation window of the first account (Ctrl+R)
#   balanced-<theme>-<size>.png     the same with the statement balance that leaves no difference
#   history-<theme>-<size>.png      the reconciliation history of the first account
#   big-<theme>-<size>.png          the register of an account with a long name and a huge balance
#   welcome-<theme>-<size>.png      the welcome page of an empty database
#   bash scripts/screenshots.sh [output-folder]   (default: /tmp/quillby-shots)
# The main window is sized to fill the screen; when its minimum size is
# larger than the screen the window stays wider and the shot shows it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
out="${1:-/tmp/quillby-shots}"
mkdir -p "$out"

for tool in Xvfb openbox import xdotool python3; do
    command -v "$tool" >/dev/null \
        || { echo "screenshots need $tool (apt-get install xvfb openbox imagemagick xdotool python3)"; exit 2; }
done
# Only the program and the data generator are needed, not every test.
if [ ! -f "$QUILLBY_BUILD/CMakeCache.txt" ]; then
    cmake -S "$QUILLBY_ROOT" -B "$QUILLBY_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$QUILLBY_BUILD" --target quillby quillby-generate

work="$(mktemp -d)"
xvfb_pid="" wm_pid="" app_pid=""
stop_session() {
    for pid in "$app_pid" "$wm_pid" "$xvfb_pid"; do
        if [ -n "$pid" ]; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    xvfb_pid="" wm_pid="" app_pid=""
    return 0
}
trap 'stop_session; rm -rf "$work"' EXIT

"$QUILLBY_BUILD/bench/quillby-generate" --out "$work/seed.db" --accounts 10 --transactions 4000 \
    --years 2 --seed 7 >/dev/null 2>&1

display_number=91
start_session() {   # size (WxH), data folder
    display_number=$((display_number + 1))
    export DISPLAY=":$display_number"
    Xvfb "$DISPLAY" -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    wm_pid=$!
    sleep 1
    QUILLBY_DATA_DIR="$2" XDG_CONFIG_HOME="$2/config" "$QUILLBY_BUILD/app/quillby" >/dev/null 2>&1 &
    app_pid=$!
    local window
    window=$(xdotool search --sync --onlyvisible --name "Orlindo Quillby" | head -n1)
    xdotool windowmove "$window" 0 0 windowsize "$window" "${1%x*}" "${1#*x}" windowactivate --sync "$window"
    sleep 3
}

data_folder() {   # theme, seed database or "" for an empty one
    local dir="$work/data-$RANDOM"
    mkdir -p "$dir"
    [ -n "$2" ] && cp "$2" "$dir/quillby.db"
    [ -n "$2" ] && python3 - "$dir/quillby.db" "$1" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("INSERT OR REPLACE INTO preferences (key, value) VALUES ('theme', ?)", (sys.argv[2],))
db.commit()
PY
    echo "$dir"
}

shoot() {   # file
    import -window root "$1"
    echo "wrote $1"
}

# The same data set with a long account name and a balance in the billions on top.
cp "$work/seed.db" "$work/big.db"
python3 - "$work/big.db" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("UPDATE accounts SET name = 'Household Joint Checking for Bills', starting_balance = 123456789012 "
           "WHERE id = (SELECT id FROM accounts ORDER BY sort_order, name LIMIT 1)")
db.commit()
PY

for size in 1280x900 1024x700; do
    for theme in light dark; do
        start_session "$size" "$(data_folder "$theme" "$work/seed.db")"
        shoot "$out/main-$theme-$size.png"
        xdotool key ctrl+i
        sleep 0.5
        xdotool key F4
        sleep 1
        shoot "$out/datepopup-$theme-$size.png"
        # Escape closes the popup, then the editor: an open line edit takes
        # Ctrl+E as "end of line" under X11.
        xdotool key Escape
        sleep 0.5
        xdotool key Escape
        sleep 0.5
        xdotool key ctrl+e
        sleep 1.5
        shoot "$out/transaction-$theme-$size.png"
        xdotool key Escape
        sleep 0.5
        xdotool key ctrl+shift+n
        sleep 1.5
        shoot "$out/account-$theme-$size.png"
        xdotool key Escape
        sleep 0.5
        xdotool key ctrl+r
        sleep 2.5
        shoot "$out/reconcile-$theme-$size.png"
        # The first account's cleared balance in this data set; Tab goes from
        # the statement date to the statement balance.
        xdotool key Tab
        xdotool type --delay 50 4231.08
        sleep 1
        shoot "$out/balanced-$theme-$size.png"
        # Openbox closes the active window on Alt+F4; the history is in the
        # Account menu.
        xdotool key alt+F4
        sleep 1
        xdotool key alt+a h
        sleep 1.5
        shoot "$out/history-$theme-$size.png"
        xdotool key alt+F4
        stop_session

        start_session "$size" "$(data_folder "$theme" "$work/big.db")"
        shoot "$out/big-$theme-$size.png"
        echo "  main window: $(xdotool getactivewindow getwindowgeometry | grep Geometry)"
        stop_session
    done
done

# An empty database shows the welcome page; its theme comes from the
# preferences, which only exist once the program has run once.
for size in 1280x900 1024x700; do
    for theme in light dark; do
        dir="$(data_folder "$theme" "")"
        start_session "$size" "$dir"
        stop_session
        python3 - "$dir/quillby.db" "$theme" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("INSERT OR REPLACE INTO preferences (key, value) VALUES ('theme', ?)", (sys.argv[2],))
db.commit()
PY
        start_session "$size" "$dir"
        shoot "$out/welcome-$theme-$size.png"
        stop_session
    done
done
