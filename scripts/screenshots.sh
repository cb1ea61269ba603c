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
#   accountscreen-<page>-<theme>-<size>.png   the Orlindo Account screen's pages (profile, group,
#                                   devices, security, privacy), signed in against a local
#                                   quillby-server (QUILLBY_SERVER picks another build of it)
#   import-<step>-<theme>-<size>.png  File > Import, step by step: csv (the
#                                   preview), qif and ofx (the account mapping),
#                                   summary, progress (a long import under way),
#                                   refused (a cut-off OFX file) and failed
#   search-<step>-<theme>-<size>.png  Edit > Find (Ctrl+F) over the generated data set:
#                                   list (no text: the newest rows), text (a two-word
#                                   prefix search with the date range on) and none
#                                   (text that matches nothing)
#   settings-<page>-<theme>-<size>.png  Edit > Preferences, page by page (general, register,
#                                   data, about), signed in against a local quillby-server
#   share-<theme>-<size>.png        Account > Share... for an account on that server that one
#                                   member of the family group sees and another could
#   categories-<step>-<theme>-<size>.png  View > Categories (Ctrl+4): list (the tree as it
#                                   opens), search (a search that expands the matching rows)
#                                   and form (the edit form of a tax-relevant subcategory)
#   update-<theme>-<size>.png       the start-up check's update dialog for 1.2.0 with its
#                                   release notes, published by a local quillby-server
#   whatsnew-<theme>-<size>.png     the what's-new dialog of a first start (the notes of 1.1.2)
#   <lang>-<screen>-<theme>-<size>.png  with "language <lang>" (de, ja, es, fr): the
#                                   program in that language over the generated data set:
#                                   main (the register), transaction, recurring, reports,
#                                   import, reconcile and settings (when Preferences opens)
#   bash scripts/screenshots.sh [output-folder] [all|account|import|search|payees|categories|settings|update|language] [lang]
#   (default: /tmp/quillby-shots all; the language set needs its language, e.g. "language de")
# The main window is sized to fill the screen; when its minimum size is
# larger than the screen the window stays wider and the shot shows it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
out="${1:-/tmp/quillby-shots}"
which_shots="${2:-all}"
shot_language="${3:-}"
if [ "$which_shots" = language ] && [ -z "$shot_language" ]; then
    echo "the language set needs a language: es, de, fr or ja"; exit 2
fi
mkdir -p "$out"

for tool in Xvfb openbox import xdotool python3; do
    command -v "$tool" >/dev/null \
        || { echo "screenshots need $tool (apt-get install xvfb openbox imagemagick xdotool python3)"; exit 2; }
done
# Only the program and the data generator are needed, not every test.
if [ ! -f "$QUILLBY_BUILD/CMakeCache.txt" ]; then
    cmake -S "$QUILLBY_ROOT" -B "$QUILLBY_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$QUILLBY_BUILD" --target quillby quillby-generate quillby-server

work="$(mktemp -d)"
xvfb_pid="" wm_pid="" app_pid="" server_pid=""
# Extra environment for the program (the account shots point it at a server).
app_env=()
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
stop_server() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    server_pid=""
}
trap 'stop_session; stop_server; rm -rf "$work"' EXIT

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
    env "${app_env[@]}" QUILLBY_DATA_DIR="$2" XDG_CONFIG_HOME="$2/config" "$QUILLBY_BUILD/app/quillby" >/dev/null 2>&1 &
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

fi

if [ "$which_shots" = all ] || [ "$which_shots" = account ]; then
# The account screen, signed in against a quillby-server on loopback that
# holds a user with a display name, a family group of three she owns with
# two open invitations, two devices and sessions from three clients, all
# made through the server's own API. Each program run signs in anew (the
# program rotates its refresh token at start-up), and the sessions of
# earlier runs are revoked so the Security page always lists the same three.
server_bin="${QUILLBY_SERVER:-$QUILLBY_BUILD/server/quillby-server}"
password="correct horse battery"
mkdir -p "$work/server"
for user in ada@example.org grace@example.org alan@example.org; do
    printf '%s\n' "$password" | "$server_bin" --data-dir "$work/server" --add-user "$user" >/dev/null
done
"$server_bin" --data-dir "$work/server" --listen 127.0.0.1 --port 0 >"$work/server.out" 2>/dev/null &
server_pid=$!
for _ in $(seq 100); do grep -q "listening on" "$work/server.out" 2>/dev/null && break; sleep 0.1; done
port=$(grep -o "listening on [^ ]*" "$work/server.out" | sed 's/.*://')
[ -n "$port" ] || { echo "quillby-server did not start"; exit 1; }

cat >"$work/account.py" <<'PY'
import http.client, json, re, sys, urllib.parse

port, password, mode = int(sys.argv[1]), sys.argv[2], sys.argv[3]
REALM = "/api/v1/realms/orlindo"
FIREFOX = "Mozilla/5.0 (X11; Linux x86_64; rv:128.0) Gecko/20100101 Firefox/128.0"
CHROME = ("Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
          "Chrome/126.0.0.0 Safari/537.36")

def call(method, path, body=None, token=None, headers=None, form=False):
    conn = http.client.HTTPConnection("127.0.0.1", port, timeout=30)
    headers = dict(headers or {})
    data = None
    if body is not None:
        data = urllib.parse.urlencode(body) if form else json.dumps(body)
        headers["Content-Type"] = "application/x-www-form-urlencoded" if form else "application/json"
    if token:
        headers["Authorization"] = "Bearer " + token
    conn.request(method, path, body=data, headers=headers)
    reply = conn.getresponse()
    raw = reply.read()
    try:
        payload = json.loads(raw) if raw else {}
    except ValueError:
        payload = {}
    return reply.status, payload, reply

def sign_in(email, agent):
    query = urllib.parse.urlencode({"client_id": "0123456789abcdef0123456789abcdef",
                                    "redirect_uri": "http://127.0.0.1:19876/callback",
                                    "state": "screenshot-state-0123456789"})
    conn = http.client.HTTPConnection("127.0.0.1", port, timeout=30)
    conn.request("GET", "/orlindo/account/login?" + query, headers={"User-Agent": agent})
    page = conn.getresponse()
    html = page.read().decode()
    cookie = (page.getheader("Set-Cookie") or "").split(";")[0]
    form = dict(urllib.parse.parse_qsl(query))
    form.update({"form_token": re.search(r'name="form_token" value="([^"]+)"', html).group(1),
                 "email": email, "password": password})
    _, _, reply = call("POST", "/orlindo/account/login", form, headers={"Cookie": cookie, "User-Agent": agent}, form=True)
    tokens = dict(urllib.parse.parse_qsl(urllib.parse.urlsplit(reply.getheader("Location")).query))
    return tokens["access_token"], tokens["refresh_token"]

if mode == "setup":
    ada, _ = sign_in("ada@example.org", CHROME)
    call("PATCH", REALM + "/users/me", {"display_name": "Ada Lovelace"}, ada)
    status, invitation, _ = call("POST", "/account/v1/group/invite", {}, ada)
    if status >= 300:
        print("  this server has no account API: the group and device pages stay empty")
        sys.exit(0)
    grace, _ = sign_in("grace@example.org", CHROME)
    call("PATCH", REALM + "/users/me", {"display_name": "Grace Hopper"}, grace)
    call("POST", "/account/v1/group/join/" + invitation["invite_code"], {}, grace)
    call("POST", "/account/v1/group/invite", {"email": "charles.babbage@example.org"}, ada)
    call("POST", "/account/v1/group/invite", {}, ada)
    # A family of three: a second member joins on a code of their own.
    _, second, _ = call("POST", "/account/v1/group/invite", {}, ada)
    alan, _ = sign_in("alan@example.org", CHROME)
    call("PATCH", REALM + "/users/me", {"display_name": "Alan Turing"}, alan)
    call("POST", "/account/v1/group/join/" + second["invite_code"], {}, alan)
    call("POST", "/account/v1/devices/register",
         {"device_name": "Study Desktop", "platform": "Windows", "app_id": "org.orlindo.quillby",
          "app_version": "1.1.0", "device_fingerprint": "fedcba9876543210fedcba9876543210"}, ada)
    laptop, _ = sign_in("ada@example.org", "Quillby/1.1.2 (Linux)")
    call("POST", "/account/v1/devices/register",
         {"device_name": "ada-thinkpad", "platform": "Linux", "app_id": "org.orlindo.quillby",
          "app_version": "1.1.2", "device_fingerprint": "0123456789abcdef0123456789abcdef"}, laptop)
else:
    # A sign-in for the program: its token file, and no session of an earlier run left.
    access, refresh = sign_in("ada@example.org", FIREFOX)
    _, listed, _ = call("GET", REALM + "/users/me/sessions", token=access)
    for session in listed.get("sessions", []):
        if session["user_agent"] == FIREFOX and not session["is_current"]:
            call("DELETE", REALM + "/users/me/sessions/" + session["id"], token=access)
    with open(mode, "w") as out:
        json.dump({"org.orlindo.quillby": {"orlindo_access_token": access, "orlindo_refresh_token": refresh}}, out)
PY
python3 "$work/account.py" "$port" "$password" setup

server_url="http://127.0.0.1:$port"
app_env=(-u DBUS_SESSION_BUS_ADDRESS AUTH_BASE_URL="$server_url" ACCOUNT_API_URL="$server_url/account/v1"
         SYNC_API_URL="$server_url/quillby/v1")
for size in 1280x900 1024x700; do
    for theme in light dark; do
        dir="$(data_folder "$theme" "$work/seed.db")"
        # Tokens in a file of the data folder: without a session bus there is no keyring.
        python3 "$work/account.py" "$port" "$password" "$dir/tokens.json"
        start_session "$size" "$dir"
        # File › Orlindo Account...: it shares its mnemonic with New Account,
        # so the second press of A moves on to it.
        xdotool key alt+f
        sleep 0.5
        xdotool key a
        sleep 0.2
        xdotool key a Return
        account=$(xdotool search --sync --onlyvisible --name "Orlindo Account" | head -n1)
        sleep 2
        row=0
        for page in profile group devices security privacy; do
            # The navigation rows, 34 px apart from 29 px below the window's top.
            xdotool mousemove --window "$account" 90 $((29 + 34 * row)) click 1
            sleep 0.7
            shoot "$out/accountscreen-$page-$theme-$size.png"
            row=$((row + 1))
        done
        stop_session
    done
done
fi

if [ "$which_shots" = all ] || [ "$which_shots" = import ]; then
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
fi

if [ "$which_shots" = all ] || [ "$which_shots" = search ]; then
for size in 1280x900 1024x700; do
    for theme in light dark; do
        start_session "$size" "$(data_folder "$theme" "$work/seed.db")"
        xdotool key ctrl+f
        sleep 2
        shoot "$out/search-list-$theme-$size.png"
        xdotool type --delay 60 "corner gro"
        # Tab past the two lists to the date range box and turn it on.
        xdotool key Tab Tab Tab space
        sleep 1
        shoot "$out/search-text-$theme-$size.png"
        xdotool key shift+Tab shift+Tab shift+Tab ctrl+a
        xdotool type --delay 40 "zzz (NEAR \"payee:"
        sleep 1
        shoot "$out/search-none-$theme-$size.png"
        stop_session
    done
done
fi

# Account › Rename Payees..., with two payees selected and a new name typed.
if [ "$which_shots" = all ] || [ "$which_shots" = payees ]; then
for size in 1280x900 1024x700; do
    for theme in light dark; do
        start_session "$size" "$(data_folder "$theme" "$work/seed.db")"
        xdotool key alt+a
        sleep 0.5
        xdotool key p
        sleep 2
        xdotool key Down shift+Down Tab
        xdotool type --delay 40 "Corner Grocer"
        sleep 1
        shoot "$out/payees-$theme-$size.png"
        stop_session
    done
done
fi

# View › Categories: the tree, a search, and the edit form of a subcategory
# (focus goes from the search field over "+ New Category" into the tree).
if [ "$which_shots" = all ] || [ "$which_shots" = categories ]; then
for size in 1280x900 1024x700; do
    for theme in light dark; do
        start_session "$size" "$(data_folder "$theme" "$work/seed.db")"
        xdotool key ctrl+4
        sleep 2
        shoot "$out/categories-list-$theme-$size.png"
        xdotool type --delay 40 "in"
        sleep 1
        shoot "$out/categories-search-$theme-$size.png"
        xdotool key ctrl+a
        xdotool type --delay 40 "home office"
        sleep 0.5
        xdotool key Tab Tab Down Down Return
        sleep 1.5
        shoot "$out/categories-form-$theme-$size.png"
        stop_session
    done
done
fi

# Edit › Preferences... page by page, and Account › Share... for the first
# account, which is on a quillby-server on loopback and shared with one of
# the two other members of the signed-in user's family group.
if [ "$which_shots" = all ] || [ "$which_shots" = settings ]; then
server_bin="${QUILLBY_SERVER:-$QUILLBY_BUILD/server/quillby-server}"
password="correct horse battery"
share_data="$work/share-server"
mkdir -p "$share_data"
for user in ada@example.org grace@example.org alan@example.org; do
    printf '%s\n' "$password" | "$server_bin" --data-dir "$share_data" --add-user "$user" >/dev/null
done
stop_server
"$server_bin" --data-dir "$share_data" --listen 127.0.0.1 --port 0 >"$work/share-server.out" 2>/dev/null &
server_pid=$!
for _ in $(seq 100); do grep -q "listening on" "$work/share-server.out" 2>/dev/null && break; sleep 0.1; done
port=$(grep -o "listening on [^ ]*" "$work/share-server.out" | sed 's/.*://')
[ -n "$port" ] || { echo "quillby-server did not start"; exit 1; }

cat >"$work/sharing.py" <<'PY'
import http.client, json, re, sqlite3, sys, urllib.parse

port, password, mode = int(sys.argv[1]), sys.argv[2], sys.argv[3]
REALM = "/api/v1/realms/orlindo"

def call(method, path, body=None, token=None, headers=None, form=False):
    conn = http.client.HTTPConnection("127.0.0.1", port, timeout=30)
    headers = dict(headers or {})
    data = None
    if body is not None:
        data = urllib.parse.urlencode(body) if form else json.dumps(body)
        headers["Content-Type"] = "application/x-www-form-urlencoded" if form else "application/json"
    if token:
        headers["Authorization"] = "Bearer " + token
    conn.request(method, path, body=data, headers=headers)
    reply = conn.getresponse()
    raw = reply.read()
    try:
        payload = json.loads(raw) if raw else {}
    except ValueError:
        payload = {}
    return reply.status, payload, reply

def sign_in(email):
    query = urllib.parse.urlencode({"client_id": "0123456789abcdef0123456789abcdef",
                                    "redirect_uri": "http://127.0.0.1:19876/callback",
                                    "state": "screenshot-state-0123456789"})
    conn = http.client.HTTPConnection("127.0.0.1", port, timeout=30)
    conn.request("GET", "/orlindo/account/login?" + query)
    page = conn.getresponse()
    html = page.read().decode()
    cookie = (page.getheader("Set-Cookie") or "").split(";")[0]
    form = dict(urllib.parse.parse_qsl(query))
    form.update({"form_token": re.search(r'name="form_token" value="([^"]+)"', html).group(1),
                 "email": email, "password": password})
    _, _, reply = call("POST", "/orlindo/account/login", form, headers={"Cookie": cookie}, form=True)
    tokens = dict(urllib.parse.parse_qsl(urllib.parse.urlsplit(reply.getheader("Location")).query))
    return tokens["access_token"], tokens["refresh_token"]

def first_account(db):
    return db.execute("SELECT id, name FROM accounts WHERE deleted_at IS NULL ORDER BY sort_order, name LIMIT 1").fetchone()

if mode == "setup":
    # The family, and the first account of the data set on the server, shared with Grace.
    db = sqlite3.connect(sys.argv[4])
    account_id, name = first_account(db)
    ada, _ = sign_in("ada@example.org")
    call("PATCH", REALM + "/users/me", {"display_name": "Ada Lovelace"}, ada)
    members = []
    for email, shown in (("grace@example.org", "Grace Hopper"), ("alan@example.org", "Alan Turing")):
        token, _ = sign_in(email)
        call("PATCH", REALM + "/users/me", {"display_name": shown}, token)
        status, invitation, _ = call("POST", "/account/v1/group/invite", {}, ada)
        if status < 300:
            call("POST", "/account/v1/group/join/" + invitation["invite_code"], {}, token)
        _, me, _ = call("GET", REALM + "/users/me", token=token)
        members.append(me.get("id", ""))
    stamp = "2026-03-01T09:30:00Z"
    change = {"entity_type": "account", "entity_id": account_id, "action": "upsert", "version": 1,
              "payload": {"client_id": account_id, "name": name, "account_type": "checking", "currency": "USD",
                          "is_shared": False, "institution": "", "account_number_last4": "",
                          "starting_balance": 0, "sort_order": 0, "version": 1,
                          "created_at": stamp, "updated_at": stamp}}
    _, pushed, _ = call("POST", "/quillby/v1/sync/push", {"changes": [change]}, ada)
    call("POST", "/quillby/v1/accounts/%s/share" % account_id, {"user_id": members[0], "role": "member"}, ada)
    print(pushed["results"][0]["server_id"])
elif mode == "server-id":
    # This data folder's copy of the account knows its place on the server.
    db = sqlite3.connect(sys.argv[4])
    account_id, _ = first_account(db)
    db.execute("UPDATE accounts SET server_id = ?, sync_status = 'synced' WHERE id = ?", (sys.argv[5], account_id))
    db.commit()
else:
    access, refresh = sign_in("ada@example.org")
    with open(mode, "w") as out:
        json.dump({"org.orlindo.quillby": {"orlindo_access_token": access, "orlindo_refresh_token": refresh}}, out)
PY
server_id=$(python3 "$work/sharing.py" "$port" "$password" setup "$work/seed.db")

server_url="http://127.0.0.1:$port"
app_env=(-u DBUS_SESSION_BUS_ADDRESS AUTH_BASE_URL="$server_url" ACCOUNT_API_URL="$server_url/account/v1"
         SYNC_API_URL="$server_url/quillby/v1")
wait_for_window() {   # title; prints the window id, or nothing after 10 s
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 | grep . && return 0
        sleep 0.2
    done
    return 0
}
for size in 1280x900 1024x700; do
    for theme in light dark; do
        dir="$(data_folder "$theme" "$work/seed.db")"
        python3 "$work/sharing.py" "$port" "$password" server-id "$dir/quillby.db" "$server_id"
        python3 "$work/sharing.py" "$port" "$password" "$dir/tokens.json"
        start_session "$size" "$dir"
        xdotool key ctrl+comma
        prefs=$(wait_for_window "^Preferences$")
        if [ -n "$prefs" ]; then
            sleep 1.5
            row=0
            for page in general register data about; do
                # The navigation rows, 40 px apart from 32 px below the window's top.
                xdotool mousemove --window "$prefs" 90 $((32 + 40 * row)) click 1
                sleep 0.7
                shoot "$out/settings-$page-$theme-$size.png"
                row=$((row + 1))
            done
            xdotool key alt+F4
            sleep 0.5
        else
            echo "  no Preferences window"
        fi
        xdotool key alt+a
        sleep 0.5
        xdotool key s
        if [ -n "$(wait_for_window "^Share Account$")" ]; then
            sleep 2
            shoot "$out/share-$theme-$size.png"
        else
            echo "  no share dialog"
        fi
        stop_session
    done
done
stop_server
fi

# The update dialog that the start-up check shows for a newer build, and the
# what's-new dialog of a first start, from a quillby-server on loopback that
# publishes 1.2.0 with its release notes.
if [ "$which_shots" = all ] || [ "$which_shots" = update ]; then
server_bin="${QUILLBY_SERVER:-$QUILLBY_BUILD/server/quillby-server}"
releases="$work/releases"
mkdir -p "$work/update-server" "$releases/stable" "$releases/1.1.2" "$releases/1.2.0"
stop_server
"$server_bin" --data-dir "$work/update-server" --release-dir "$releases" --listen 127.0.0.1 --port 0 \
    >"$work/update-server.out" 2>/dev/null &
server_pid=$!
for _ in $(seq 100); do grep -q "listening on" "$work/update-server.out" 2>/dev/null && break; sleep 0.1; done
port=$(grep -o "listening on [^ ]*" "$work/update-server.out" | sed 's/.*://')
[ -n "$port" ] || { echo "quillby-server did not start"; exit 1; }
server_url="http://127.0.0.1:$port"
# The server reads its files on every request, so they can follow its start.
python3 - "$releases" "$server_url" <<'PY'
import json, sys
folder, base = sys.argv[1], sys.argv[2]
artifact = {"version": "1.2.0", "released_at": "2026-12-01T10:00:00Z",
            "url": "https://downloads.orlindo.com/quillby/1.2.0/quillby_1.2.0_amd64.deb",
            "size": 18874368, "sha256": "9f" * 32,
            "release_notes_url": base + "/quillby/1.2.0/release-notes.md"}
manifest = {"schema": 1, "app": "quillby", "channel": "stable",
            "artifacts": {"linux-x64": artifact, "linux-arm64": artifact}}
with open(folder + "/stable/latest.json", "w") as out:
    json.dump(manifest, out)
with open(folder + "/1.2.0/release-notes.md", "w") as out:
    out.write("## Budgets\n\nSet a monthly amount for any category and see what is left "
              "in the sidebar.\n\n## Faster register\n\n- Opening an account with 50,000 "
              "transactions takes half the time.\n- Search finds payees as you type.\n\n"
              "## Fixes\n\n- Transfers between accounts in different currencies keep their "
              "exchange rate when edited.\n- The reconciliation window remembers its size.\n\n"
              "[Full list of changes](https://orlindo.com/quillby/changes/1.2.0)\n")
with open(folder + "/1.1.2/release-notes.md", "w") as out:
    out.write("## Steadier sync\n\nChanges made on two computers at once are merged row by "
              "row, and a sign-in that ended is offered again from the status bar.\n\n"
              "## Smaller things\n\n- Preferences line their fields up.\n"
              "- Backups show their progress before the work starts.\n")
PY
wait_for_window() {   # title; prints the window id, or nothing after 10 s
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 | grep . && return 0
        sleep 0.2
    done
    return 0
}
for size in 1280x900 1024x700; do
    for theme in light dark; do
        # Notes of this version already shown: only the update dialog comes.
        dir="$(data_folder "$theme" "$work/seed.db")"
        mkdir -p "$dir/config/Orlindo"
        printf '[whatsNew]\nlastShownVersion=1.1.2\n' >"$dir/config/Orlindo/Quillby.conf"
        app_env=(UPDATE_BASE_URL="$server_url/quillby/stable/")
        start_session "$size" "$dir"
        if [ -n "$(wait_for_window "^Update available$")" ]; then
            sleep 1.5
            shoot "$out/update-$theme-$size.png"
        else
            echo "  no update dialog"
        fi
        stop_session
        # A first start on a channel with nothing newer: the notes of 1.1.2.
        app_env=(UPDATE_BASE_URL="$server_url/quillby/quiet/")
        start_session "$size" "$(data_folder "$theme" "$work/seed.db")"
        if [ -n "$(wait_for_window "^What's New in")" ]; then
            sleep 1
            shoot "$out/whatsnew-$theme-$size.png"
        else
            echo "  no what's-new dialog"
        fi
        stop_session
    done
done
app_env=()
stop_server
fi

if [ "$which_shots" = language ]; then
# The program in another language: the interface language is a setting of
# this installation (QSettings under XDG_CONFIG_HOME), the data set the same.
# Menus are reached through their shortcuts where they have one; File ›
# Import through the translated accelerators.
case "$shot_language" in
    de) file_key=d ;;
    es) file_key=a ;;
    *) file_key=f ;;
esac
for size in 1280x900 1024x700; do
    for theme in light dark; do
        dir="$(data_folder "$theme" "$work/seed.db")"
        mkdir -p "$dir/config/Orlindo"
        printf '[ui]\nlanguage=%s\n' "$shot_language" >"$dir/config/Orlindo/Quillby.conf"
        start_session "$size" "$dir"
        prefix="$out/$shot_language"
        shoot "$prefix-main-$theme-$size.png"
        xdotool key ctrl+e
        sleep 1.5
        shoot "$prefix-transaction-$theme-$size.png"
        xdotool key Escape
        sleep 0.5
        xdotool key ctrl+3
        sleep 2
        shoot "$prefix-recurring-$theme-$size.png"
        xdotool key alt+F4
        sleep 0.5
        xdotool key ctrl+2
        sleep 2.5
        shoot "$prefix-reports-$theme-$size.png"
        xdotool key alt+F4
        sleep 0.5
        xdotool key "alt+$file_key"
        sleep 0.5
        xdotool key i
        sleep 2
        shoot "$prefix-import-$theme-$size.png"
        xdotool key alt+F4
        sleep 0.5
        xdotool key ctrl+r
        sleep 2.5
        shoot "$prefix-reconcile-$theme-$size.png"
        xdotool key alt+F4
        sleep 0.5
        xdotool key ctrl+comma
        sleep 2
        if [ "$(xdotool getactivewindow getwindowname)" != "Orlindo Quillby" ]; then
            shoot "$prefix-settings-$theme-$size.png"
            xdotool key alt+F4
        else
            echo "  no preferences window"
        fi
        stop_session
    done
done
fi
