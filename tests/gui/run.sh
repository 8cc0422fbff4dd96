#!/usr/bin/env bash
# The window states under a real window manager: starts a virtual X server,
# openbox and the program, asks the window manager to maximise, restore and
# minimise the windows as a user's clicks would, and checks from outside
# what the windows then are (their frames, _NET_WM_STATE, WM_STATE).
#   bash tests/gui/run.sh PATH/TO/tessaplun
# Needs Xvfb, openbox, wmctrl, xdotool and xwininfo/xprop (x11-utils). Every
# wait is a bounded poll; the program runs with settings of its own in a
# temporary folder and is killed at the end, so no quit question waits.
set -euo pipefail

program=$(readlink -f "$1")
tmp=$(mktemp -d)
pids=()

cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "GUI test FAILED: $*" >&2
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
}
step() { echo "== $*"; }

maximise() { wmctrl -i -r "$1" -b add,maximized_vert,maximized_horz; }
restore() { wmctrl -i -r "$1" -b remove,maximized_vert,maximized_horz; }

# ---- X server, window manager, program ---------------------------------------

WIDTH=1600
HEIGHT=1000
export HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" XDG_CACHE_HOME="$tmp/cache" XDG_DATA_HOME="$tmp/data"
export XDG_RUNTIME_DIR="$tmp/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

Xvfb -displayfd 3 -screen 0 "${WIDTH}x${HEIGHT}x24" -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
pids+=($!)
wait_for 20 "the X server" test -s "$tmp/display"
export DISPLAY=":$(head -n 1 "$tmp/display")"

openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
pids+=($!)
wait_for 20 "the window manager" wmctrl -m >/dev/null 2>&1

QT_QPA_PLATFORM=xcb "$program" >"$tmp/program.log" 2>&1 &
pids+=($!)
find_windows() {
    MAIN=$(xdotool search --onlyvisible --name '^Tessaplun 8$' 2>/dev/null | head -n 1)
    GRAPH=$(xdotool search --onlyvisible --name '^Graphen$' 2>/dev/null | head -n 1)
    [ -n "$MAIN" ] && [ -n "$GRAPH" ]
}
wait_for 30 "the main window and the graph window" find_windows
GRAPH_SIZE=$(client "$GRAPH" | cut -d' ' -f3-)
start=$(now_ms)

step "At the start the graph window stands beside the main window"
wait_steady 10 "the graph window beside the main window" graph_beside_main
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

echo "GUI test passed ($(($(now_ms) - start)) ms after the windows appeared)."
