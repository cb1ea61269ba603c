#!/usr/bin/env bash
# Renders the program as a person would see it: under Xvfb with a window
# manager (openbox; without one Qt never activates the window and keyboard
# shortcuts misbehave), in the light and dark themes, at 1280x900 and at
# 1024x700, and writes PNG files for review:
#   main-<theme>-<size>.png         the register of a generated data set
#   datepopup-<theme>-<size>.png    the new row's calendar popup (F4)
#   transaction-<theme>-<size>.png  the new row in the transaction form (radio buttons, check box)
#   account-<theme>-<size>.png      the new account form
#   big-<theme>-<size>.png          the register of an account with a long name and a huge balance
#   welcome-<theme>-<size>.png      the welcome page of an empty database
#   import-<step>-<theme>-<size>.png  File > Import, step by step: csv (the
#                                   preview), qif and ofx (the account mapping),
#                                   summary, progress (a long import under way),
#                                   refused (a cut-off OFX file) and failed
#   bash scripts/screenshots.sh [output-folder] [all|import]   (default: /tmp/quillby-shots all)
# The main window is sized to fill the screen; when its minimum size is
# larger than the screen the window stays wider and the shot shows it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
out="${1:-/tmp/quillby-shots}"
which_shots="${2:-all}"
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

if [ "$which_shots" = all ]; then
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
fi

# The import files: a short CSV, two QIF accounts with a transfer between
# them, a statement of three accounts, the same cut off, and a long CSV.
files="$work/import"
mkdir -p "$files"
cp "$QUILLBY_ROOT/tests/services/data/ofx/several-accounts.qfx" "$files/statement.qfx"
head -c 1500 "$files/statement.qfx" > "$files/cut-off.ofx"
python3 - "$files" <<'PY'
import datetime, sys
folder = sys.argv[1]
payees = ["Corner Grocer", "City Power", "Fuel Stop", "Book Nook", "Cafe Aroma", "Pharmacy", "6\" Sub Shop"]
start = datetime.date(2024, 3, 1)
with open(f"{folder}/statement.csv", "w") as f:
    f.write("Date,Description,Amount,Memo,Category\n")
    for i in range(40):
        day = start + datetime.timedelta(days=i // 2)
        payee = payees[i % len(payees)]
        f.write(f'{day:%m/%d/%Y},{payee},-{(i * 37) % 200 + 3}.{i % 100:02d},receipt {i},Household\n')
with open(f"{folder}/checking.qif", "w") as f:
    f.write("!Account\nNChecking\nTBank\n^\n!Type:Bank\n")
    f.write("D03/01/2024\nT-100.00\nPMove to savings\nL[Savings]\n^\nD03/02/2024\nT-20.00\nPGrocer\nLFood\n^\n")
with open(f"{folder}/savings.qif", "w") as f:
    f.write("!Account\nNHoliday Savings\nTBank\n^\n!Type:Bank\nD03/01/2024\nT100.00\nPFrom checking\nL[Checking]\n^\n")
with open(f"{folder}/long.csv", "w") as f:
    f.write("Date,Payee,Amount\n")
    for i in range(60000):
        day = start + datetime.timedelta(days=i // 60)
        f.write(f"{day:%Y-%m-%d},Payee #{i},-{i % 500 + 1}.25\n")
PY

open_import() {
    xdotool key alt+f
    sleep 0.7
    xdotool key i
    sleep 2
}
# "Import" sits in the bottom right corner of the import window.
click_import() {
    local id
    id=$(xdotool search --onlyvisible --name "Import Transactions" | head -n1)
    eval "$(xdotool getwindowgeometry --shell "$id")"
    # Relative to the window: under a window manager the absolute position
    # xdotool reports is off by the frame.
    xdotool mousemove --window "$id" $((WIDTH - 76)) $((HEIGHT - 29)) click 1
}
# The file dialog opens from the focused "Browse..." button; the folder is
# typed first, then the file name(s).
choose_files() {   # file name(s) as typed into the dialog
    xdotool key space
    sleep 1.5
    xdotool type --delay 5 "$files/"
    xdotool key Return
    sleep 1
    xdotool type --delay 5 "$1"
    xdotool key Return
    sleep 2
}

for size in 1280x900 1024x700; do
    for theme in light dark; do
        start_session "$size" "$(data_folder "$theme" "$work/seed.db")"
        open_import
        # Format, account, then "Browse...".
        xdotool key Tab Tab
        choose_files statement.csv
        shoot "$out/import-csv-$theme-$size.png"
        # Back to the format, on to QIF; its account row is hidden.
        xdotool key shift+Tab shift+Tab Right Tab
        choose_files '"checking.qif" "savings.qif"'
        shoot "$out/import-qif-$theme-$size.png"
        xdotool key shift+Tab Right Tab
        choose_files statement.qfx
        shoot "$out/import-ofx-$theme-$size.png"
        click_import
        sleep 2
        shoot "$out/import-summary-$theme-$size.png"
        xdotool key space
        sleep 1

        open_import
        xdotool key Tab Tab
        choose_files long.csv
        click_import
        sleep 3
        shoot "$out/import-progress-$theme-$size.png"
        # The progress window is titled "Importing" while it lasts.
        for _ in $(seq 120); do
            xdotool search --onlyvisible --name "^Importing" >/dev/null 2>&1 || break
            sleep 1
        done
        sleep 1
        xdotool key space
        sleep 1

        open_import
        xdotool key Right Right Tab
        choose_files cut-off.ofx
        shoot "$out/import-refused-$theme-$size.png"
        click_import
        sleep 2
        shoot "$out/import-failed-$theme-$size.png"
        stop_session
    done
done
