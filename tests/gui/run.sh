#!/usr/bin/env bash
# The windows under a real window manager: starts a virtual X server, openbox
# and the program, on a large screen and on a 1024x768 one, asks the window
# manager to maximise, restore and minimise the windows as a user's clicks
# would, types as a user would, and checks from outside what the windows then
# are: their frames (on the screen, where they belong), their states
# (_NET_WM_STATE, WM_STATE), which one is in front (_NET_CLIENT_LIST_STACKING,
# WM_TRANSIENT_FOR) and which one has the keyboard (_NET_ACTIVE_WINDOW).
#   bash tests/gui/run.sh PATH/TO/tessaplun
# Needs Xvfb, openbox, wmctrl, xdotool and xwininfo/xprop (x11-utils). Every
# wait is a bounded poll; the program runs with settings of its own in a
# temporary folder and is killed at the end, so no quit question waits.
set -euo pipefail

program=$(readlink -f "$1")
tmp=$(mktemp -d)
pids=()

stop_session() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    pids=()
}
cleanup() {
    stop_session
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "GUI test FAILED (${WIDTH:-?}x${HEIGHT:-?}): $*" >&2
    [ -n "${MAIN:-}" ] && show >&2
    for log in "$tmp"/*.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log")" >&2; tail -n 20 "$log" >&2; }
    done
    exit 1
}

now_ms() { date +%s%3N; }

# wait_for SECONDS TEXT COMMAND...: polls COMMAND until it succeeds.
wait_for() {
    local deadline=$(($(now_ms) + $1 * 1000)) text=$2
    shift 2
    until "$@"; do
        (($(now_ms) < deadline)) || fail "timed out waiting for: $text"
        sleep 0.05
    done
}

# wait_steady SECONDS TEXT COMMAND...: polls until COMMAND has succeeded five
# times in a row, 0.1 s apart, so that a state the program undoes at once (a
# flicker) does not count.
wait_steady() {
    local deadline=$(($(now_ms) + $1 * 1000)) text=$2 run=0
    shift 2
    while ((run < 5)); do
        if "$@"; then run=$((run + 1)); else run=0; fi
        (($(now_ms) < deadline)) || fail "timed out waiting for: $text"
        sleep 0.1
    done
}

# ---- What the window manager shows of a window -----------------------------
# (xdotool getwindowgeometry counts the frame offset twice under a
# reparenting window manager; xwininfo reports the client area as it is.)

# The client area: "x y w h".
client() {
    xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF}
        END {print x, y, w, h}'
}
mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
# The frame, title bar and borders included: "x y w h".
frame() {
    local x y w h l r t b
    read -r x y w h <<<"$(client "$1")"
    read -r l r t b <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ,)"
    echo $((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))
}
net_state() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | sed -n 's/.*= *//p'; }
maximised() { [[ $(net_state "$1") == *MAXIMIZED_VERT*MAXIMIZED_HORZ* || $(net_state "$1") == *MAXIMIZED_HORZ*MAXIMIZED_VERT* ]]; }
normal() { mapped "$1" && [[ $(net_state "$1") != *MAXIMIZED* && $(net_state "$1") != *HIDDEN* ]]; }
iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'window state: Iconic'; }
# Hidden by the program: unmapped and not an icon.
hidden() { ! mapped "$1" && ! iconic "$1"; }

# A window maximised over the whole screen.
fills_screen() {
    maximised "$1" && [ "$(frame "$1")" = "0 0 $WIDTH $HEIGHT" ]
}
# The graph window at its normal size beside the main window: its frame
# starts 2 pixels right of the main window's frame, at the same top.
graph_beside_main() {
    local mx my mw mh gx gy gw gh
    read -r mx my mw mh <<<"$(frame "$MAIN")"
    read -r gx gy gw gh <<<"$(frame "$GRAPH")"
    mapped "$MAIN" && normal "$GRAPH" && [ "$gx" -eq $((mx + mw + 2)) ] && [ "$gy" -eq "$my" ] &&
        [ "$(client "$GRAPH" | cut -d' ' -f3-)" = "$GRAPH_SIZE" ]
}
presentation_without_main() { hidden "$MAIN" && fills_screen "$GRAPH"; }
program_minimised() { iconic "$MAIN" && hidden "$GRAPH"; }

show() {
    echo "   main window  frame $(frame "$MAIN")  state [$(net_state "$MAIN")]$(mapped "$MAIN" || echo ' unmapped')"
    echo "   graph window frame $(frame "$GRAPH")  state [$(net_state "$GRAPH")]$(mapped "$GRAPH" || echo ' unmapped')"
    echo "   stacking (bottom first): $(stacking)   active: $(active)"
}
step() { echo "== $*"; }

# ---- Which window is in front, which one has the keyboard ------------------
# Window ids as decimal numbers, so that xdotool's and xprop's compare.

dec() { printf '%d' "$1"; }
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/.*# //p' | tr -d ,; }
active() { xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*# //p'; }
is_active() { [ "$(dec "$(active)")" = "$(dec "$1")" ]; }
# above A B: A stands in front of B.
above() {
    local a b i=0 pa=-1 pb=-1
    a=$(dec "$1") b=$(dec "$2")
    for w in $(stacking); do
        [ "$(dec "$w")" = "$a" ] && pa=$i
        [ "$(dec "$w")" = "$b" ] && pb=$i
        i=$((i + 1))
    done
    ((pa >= 0 && pb >= 0 && pa > pb))
}
transient_for() { [ "$(dec "$(xprop -id "$1" WM_TRANSIENT_FOR 2>/dev/null | sed -n 's/.*# //p')")" = "$(dec "$2")" ]; }
in_front_and_active() { mapped "$1" && above "$1" "$2" && is_active "$1"; }

# Every window the program shows, its frame whole on the screen: title bar
# and close box within reach.
frames_on_screen() {
    local w x y fw fh
    for w in $(stacking); do
        mapped "$w" || continue
        maximised "$w" && continue
        read -r x y fw fh <<<"$(frame "$w")"
        ((x >= 0 && y >= 0 && x + fw <= WIDTH && y + fh <= HEIGHT)) || return 1
    done
}
show_frames() {
    local w
    for w in $(stacking); do
        mapped "$w" && echo "   $(frame "$w")  $(xprop -id "$w" WM_NAME | sed 's/.*= //')"
    done
}
# The newest visible window whose name matches.
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1; }

maximise() { wmctrl -i -r "$1" -b add,maximized_vert,maximized_horz; }
restore() { wmctrl -i -r "$1" -b remove,maximized_vert,maximized_horz; }

# ---- X server, window manager, program ---------------------------------------

export HOME="$tmp" XDG_CACHE_HOME="$tmp/cache" XDG_DATA_HOME="$tmp/data"
export XDG_RUNTIME_DIR="$tmp/run"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

find_windows() {
    MAIN=$(xdotool search --onlyvisible --name '^Tessaplun 8$' 2>/dev/null | head -n 1)
    GRAPH=$(xdotool search --onlyvisible --name '^Graphen$' 2>/dev/null | head -n 1)
    [ -n "$MAIN" ] && [ -n "$GRAPH" ]
}

# start_session WIDTH HEIGHT: a new X server of that size, the window manager
# and the program with settings of its own.
start_session() {
    WIDTH=$1 HEIGHT=$2 MAIN= GRAPH=
    export XDG_CONFIG_HOME="$tmp/config-${WIDTH}x${HEIGHT}"
    mkdir -p "$XDG_CONFIG_HOME"
    rm -f "$tmp/display"
    Xvfb -displayfd 3 -screen 0 "${WIDTH}x${HEIGHT}x24" -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
    pids+=($!)
    wait_for 20 "the X server" test -s "$tmp/display"
    export DISPLAY=":$(head -n 1 "$tmp/display")"

    openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
    pids+=($!)
    wait_for 20 "the window manager" wmctrl -m >/dev/null 2>&1

    QT_QPA_PLATFORM=xcb "$program" >"$tmp/program.log" 2>&1 &
    pids+=($!)
    wait_for 30 "the main window and the graph window" find_windows
    GRAPH_SIZE=$(client "$GRAPH" | cut -d' ' -f3-)
}

start=$(now_ms)

# ---- A large screen: the window states ------------------------------------

start_session 1600 1000
step "At the start the main window's frame stands at its place, the graph window beside it"
wait_steady 10 "the graph window beside the main window" graph_beside_main
[ "$(frame "$MAIN" | cut -d' ' -f1-2)" = "50 49" ] || fail "the main window's frame is not at 50, 49"
show

step "Maximising the graph window starts presentation mode over the whole screen"
maximise "$GRAPH"
wait_steady 10 "the graph window maximised over the screen" fills_screen "$GRAPH"
mapped "$MAIN" || fail "the main window went away"
show

step "Restoring it ends presentation mode: its normal size, beside the main window"
restore "$GRAPH"
wait_steady 10 "the graph window back beside the main window" graph_beside_main
show

step "Minimising the maximised graph window ends presentation mode instead"
maximise "$GRAPH"
wait_steady 10 "the graph window maximised" fills_screen "$GRAPH"
xdotool windowminimize "$GRAPH"
wait_steady 10 "the graph window back beside the main window, not minimised" graph_beside_main
show

step "A double click on the main window's title bar starts presentation mode; the main window hides"
read -r fx fy _ _ <<<"$(frame "$MAIN")"
read -r _ cy _ _ <<<"$(client "$MAIN")"
xdotool mousemove $((fx + 80)) $(((fy + cy) / 2)) click --repeat 2 --delay 120 1
wait_steady 10 "the main window hidden, the graph window maximised" presentation_without_main
show

step "Restoring the graph window brings the main window back"
restore "$GRAPH"
wait_steady 10 "both windows back, side by side" graph_beside_main
show

step "Minimising the main window minimises the whole program"
xdotool windowminimize "$MAIN"
wait_steady 10 "the main window an icon, the graph window hidden" program_minimised
show

step "Restoring the main window brings the graph window back as it was"
wmctrl -i -a "$MAIN"
wait_steady 10 "both windows back, side by side" graph_beside_main
show

stop_session

# ---- 1024 x 768: frames on the screen, windows in front -------------------

start_session 1024 768
step "At the start every frame is on the screen, the main window's in the corner"
wait_steady 10 "the graph window beside the main window" graph_beside_main
[ "$(frame "$MAIN" | cut -d' ' -f1-2)" = "1 1" ] || fail "the main window's frame is not at 1, 1"
frames_on_screen || { show_frames; fail "a frame leaves the screen"; }
show

step "Maximising the graph window while the main window is active brings it to the front with the keyboard"
wmctrl -i -a "$MAIN"
wait_for 10 "the main window active" is_active "$MAIN"
maximise "$GRAPH"
wait_steady 10 "the graph window maximised, in front, active" \
    eval 'fills_screen "$GRAPH" && in_front_and_active "$GRAPH" "$MAIN"'
show

step "Ctrl+F3 from the main window goes to the graph window's equation field"
wmctrl -i -a "$MAIN"
wait_for 10 "the main window active" is_active "$MAIN"
xdotool key ctrl+F3
wait_steady 10 "the graph window in front and active" in_front_and_active "$GRAPH" "$MAIN"
restore "$GRAPH"
wait_steady 10 "both windows back, side by side" graph_beside_main

step "F7: the export dialog stands above the value table, also after a click into the table"
wmctrl -i -a "$MAIN"
wait_for 10 "the main window active" is_active "$MAIN"
xdotool key F7
find_export() {
    TABLE=$(window_named '^Wertetabelle') DIALOG=$(window_named '^Kopieren der Wertetabelle')
    [ -n "$TABLE" ] && [ -n "$DIALOG" ]
}
wait_for 10 "the value table and the copy dialog" find_export
wait_steady 10 "the dialog above the table" above "$DIALOG" "$TABLE"
frames_on_screen || { show_frames; fail "a frame leaves the screen"; }
DIALOG_FRAME=$(frame "$DIALOG")
read -r tx ty _ _ <<<"$(client "$TABLE")"
xdotool mousemove $((tx + 60)) $((ty + 15)) click 1
wait_steady 10 "the table active, the dialog still above it" eval 'is_active "$TABLE" && above "$DIALOG" "$TABLE"'
show_frames

step "The dialog opens at the same place the second time"
wmctrl -i -a "$DIALOG"
wait_for 10 "the dialog active" is_active "$DIALOG"
xdotool key Escape
wait_for 10 "the dialog closed" eval '! mapped "$DIALOG"'
wmctrl -i -a "$MAIN"
wait_for 10 "the main window active" is_active "$MAIN"
xdotool key F7
wait_for 10 "the value table and the copy dialog" find_export
wait_steady 10 "the dialog at its first place" eval '[ "$(frame "$DIALOG")" = "$DIALOG_FRAME" ]'
wmctrl -i -a "$DIALOG"
wait_for 10 "the dialog active" is_active "$DIALOG"
xdotool key Escape
wait_for 10 "the dialog closed" eval '! mapped "$DIALOG"'

step "A message of the stay-on-top start options stands above them and has the keyboard"
wmctrl -i -a "$MAIN"
wait_for 10 "the main window active" is_active "$MAIN"
# Einstellungen > Start > eigene Einstellungen verwenden, by keyboard.
xdotool key alt
xdotool key --delay 50 Right Right Right Right Right Down Down Down Right Down Return
find_options() { OPTIONS=$(window_named '^Startoptionen$'); [ -n "$OPTIONS" ]; }
wait_for 10 "the start options" find_options
frames_on_screen || { show_frames; fail "a frame leaves the screen"; }
xdotool key Return
find_box() {
    BOX=
    for w in $(stacking); do
        mapped "$w" && transient_for "$w" "$OPTIONS" && BOX=$w
    done
    [ -n "$BOX" ]
}
wait_for 10 "the question" find_box
wait_steady 10 "the question above the options, active" in_front_and_active "$BOX" "$OPTIONS"
xdotool key Return
wait_for 10 "the message" eval 'find_box && [ "$(xprop -id "$BOX" WM_NAME)" = "WM_NAME(STRING) = \"Tessaplun 8\"" ]'
wait_steady 10 "the message above the options, active" in_front_and_active "$BOX" "$OPTIONS"
show_frames
xdotool key Return
wait_for 10 "the options closed" eval '! mapped "$OPTIONS"'
stop_session

echo "GUI test passed ($(($(now_ms) - start)) ms in all)."
