#!/usr/bin/env bash
# End to end on a real X server: Xvfb started here, real input events from xdotool. The browser
# (RNXRUN_BR) restores an archive through its popup menu opened with the mouse, and deletes it
# through the popup opened with the menu key; the maintenance dialog (RNXRUN_MAINTAIN) clears the
# log folder. Each answer goes to the real message box. Screenshots of every window land in OUT.
# Exit 77 (skipped) when Xvfb, xdotool or import are missing.
# usage: e2e_display.sh BUILD_DIR OUT
set -uo pipefail
build=$1 out=$2
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
host=$build/bin/rnx10
[ -x "$host" ] || { echo "no $host"; exit 1; }
mkdir -p "$out"
scratch=$(mktemp -d /tmp/rnx10-e2e-XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; shot_root "failure"; exit 1; }

# --- the X server, on the first free display it finds. -noreset: between two host runs it has no
# client, and a server that resets then refuses the next program's connection for a moment.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$scratch/display" 2>"$scratch/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "FAILED: Xvfb did not start"; cat "$scratch/xvfb.log"; exit 1; }
export DISPLAY=:$(head -1 "$scratch/display")
unset QT_QPA_PLATFORM

# --- a scratch installation: every key points into the scratch folder
home=$scratch/home
mkdir -p "$home" "$scratch"/{store,locker,logs/old,tmp,temp,xdg}
# The English texts the test looks for, whatever the tester's language.
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES
export HOME=$home XDG_CONFIG_HOME=$scratch/xdg XDG_RUNTIME_DIR=$scratch/xdg
export ZVENVSBAK=$scratch/store ZVENVSFAM=$scratch/locker ZVENVSLOGS=$scratch/logs ZVENVSTMP=$scratch/tmp
export TEMP=$scratch/temp ZVENVSCOM=report ZVENVSYS32MASK=$build/programs
hour=$ZVENVSBAK/$(hostname)/$(date +%Y)/$(date +%-m)/$(date +%-d)/09-00
archive=$hour/docs-archive
mkdir -p "$archive/docs/sub" "$home/docs"
echo "from the archive" >"$archive/docs/kept.txt"
echo "nested" >"$archive/docs/sub/b.txt"
printf '[DETAILS]\nSourceDir=%s\nDestinationDir=%s\nComputer=%s\nWindowsUser=ann\nNowStamp=now\n' \
  "$home/docs" "$archive/docs" "$(hostname)" >"$archive/details.ini"
echo "made since the backup" >"$home/docs/new.txt"
echo "[Backup]" >"$ZVENVSLOGS/bar.ini"; echo "log" >"$ZVENVSLOGS/old/a.log"

# --- helpers
wait_for() { # NAME [SECONDS]: prints the id of a visible window whose name matches, waiting
  local deadline=$((SECONDS + ${2:-20})) id
  while ((SECONDS < deadline)); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
wait_gone() { # NAME [SECONDS]
  local deadline=$((SECONDS + ${2:-20}))
  while ((SECONDS < deadline)); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
until_true() { # SECONDS COMMAND...: polls the command until it succeeds
  local deadline=$((SECONDS + $1)); shift
  while ((SECONDS < deadline)); do "$@" && return 0; sleep 0.1; done
  return 1
}
shot() { import -window "$1" "$out/$2.png" 2>/dev/null || echo "no screenshot of $2"; }
shot_root() { import -window root "$out/$1.png" 2>/dev/null; }
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; }
visible() { xdotool search --onlyvisible --name "$2" 2>/dev/null | grep -qx "$1"; }
closed() { ! visible "$1" "$2"; }
answer() { # TITLE KEY SHOTNAME: the box titled TITLE gets KEY
  local id
  id=$(wait_for "^$1\$") || fail "no box \"$1\""
  shot "$id" "$3"
  focus "$id"; xdotool key "$2"
  # The next box may carry the same title: wait for this one to go.
  until_true 10 closed "$id" "^$1\$" || { focus "$id"; xdotool key "$2"; until_true 10 closed "$id" "^$1\$"; } ||
    fail "box \"$1\" stayed open"
}
click_at() { # WINDOW X Y BUTTON
  xdotool mousemove --window "$1" "$2" "$3" && sleep 0.05 && xdotool click "$4"
}
gone() { [ ! -e "$1" ]; }
restored() { [ -f "$home/docs/kept.txt" ] && [ -f "$home/docs/sub/b.txt" ] && [ ! -e "$home/docs/new.txt" ]; }
empty_logs() { [ -d "$ZVENVSLOGS" ] && [ -z "$(ls -A "$ZVENVSLOGS")" ]; }

# --- the browser: hour, archive, popup, restore, then delete the archive
"$host" ExecuteSupportCenter RNXRUN_BR >"$scratch/browser.log" 2>&1 &
pids+=($!)
browser=$(wait_for "^Zorvane Backup & Restore\$" 30) || { cat "$scratch/browser.log"; fail "no browser window"; }
focus "$browser"
shot "$browser" browser-opened
click_at "$browser" 440 274 1 # lstTime: open the hour list
sleep 0.3
xdotool key Down Return
sleep 0.3
shot "$browser" browser-hour-picked
click_at "$browser" 50 330 1 # the first archive of the icon view
sleep 0.3
click_at "$browser" 50 330 3 # the popup menu
sleep 0.3
shot_root popup-menu
xdotool key r # &Restore
answer "Sure..." y restore-question
answer "rnx10" Return restore-done
until_true 10 restored || fail "the source was not restored"

focus "$browser"
xdotool key Menu # the popup at the list's current row, the archive clicked before
sleep 0.3
shot_root popup-menu-key
xdotool key i # Delete Arch&ive
answer "Delete Archive..." y delete-question
answer "rnx10" Return delete-path
until_true 20 gone "$archive" || fail "the archive is still there"
answer "rnx10" Return delete-done
[ -d "$hour" ] || fail "the hour folder went with the archive"
shot "$browser" browser-after-delete
focus "$browser"; xdotool key Escape
wait_gone "^Zorvane Backup & Restore\$" 10 || fail "Escape did not close the browser"

# --- the maintenance dialog: Delete Log files..., Yes, then OK
"$host" ExecuteSupportCenter RNXRUN_MAINTAIN >"$scratch/maintain.log" 2>&1 &
pids+=($!)
dialog=$(wait_for "^Zorvane Maintaince\$" 30) || { cat "$scratch/maintain.log"; fail "no maintenance dialog"; }
shot "$dialog" maintenance-opened
# Focus starts on the tab bar; the log picture and then the button are the next stops. Space
# presses the button.
asked=""
for _ in 1 2 3; do
  focus "$dialog"; xdotool key Tab Tab; sleep 0.1; xdotool key space
  if wait_for "^Confirm...\$" 3 >/dev/null; then asked=1; break; fi
  # Another button's question: say No and move on.
  other=$(wait_for "^Proceed...\$" 1) && { focus "$other"; xdotool key n; }
done
[ -n "$asked" ] || fail "Delete Log files... asked nothing"
answer "Confirm..." y maintenance-question
answer "Deleted..." Return maintenance-done
until_true 10 empty_logs || fail "the log folder was not emptied"
focus "$dialog"; xdotool key Escape
wait_gone "^Zorvane Maintaince\$" 10 || fail "Escape did not close the maintenance dialog"
echo "end to end: restore, archive deletion and log cleanup done through the real windows"
