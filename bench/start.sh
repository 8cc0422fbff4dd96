#!/usr/bin/env bash
# How long the start takes, from the command to the graph of x^2 on the
# screen, under a virtual X server with openbox:
#   - the program, plain (its start equation is x^2),
#   - the program started with the full-tables document on its command line
#     (nine families of 101 members, every object table full), and with the
#     same document in a view ten times as wide and as high,
#   - a bare Qt window of the graph window's size that paints x^2 with
#     QPainter (bench/start/start_messhilfe.cpp),
# in turns, so that a change in the machine's load falls on all of them.
# Each run has an empty settings folder of its own (the program writes one
# only from its settings dialog). Prints each run, the medians and their ratios.
#   bash bench/start.sh [BUILD_DIR] [RUNS] [WIDTHxHEIGHT]
# Needs Xvfb, openbox and wmctrl. The program is started with
# TESSAPLUN_STARTZEIT set: it then prints when the graph window's picture was
# first painted, and is killed after that.
set -euo pipefail

build=$(readlink -f "${1:-build}")
runs=${2:-7}
screen=${3:-1024x768}
program=$build/tessaplun
helper=$build/bench/start_messhilfe
[ -x "$program" ] && [ -x "$helper" ] || { echo "build $program and $helper first" >&2; exit 1; }

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

now_ms() { date +%s%3N; }
wait_for() {
    local deadline=$(($(now_ms) + $1 * 1000)) text=$2
    shift 2
    until "$@"; do
        (($(now_ms) < deadline)) || { echo "timed out waiting for: $text" >&2; exit 1; }
        sleep 0.05
    done
}

Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
pids+=($!)
wait_for 20 "the X server" test -s "$tmp/display"
export DISPLAY=":$(head -n 1 "$tmp/display")"
openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
pids+=($!)
wait_for 20 "the window manager" eval "wmctrl -m >/dev/null 2>&1"
export QT_QPA_PLATFORM=xcb

"$helper" dokument "$tmp/voll.kvd"
"$helper" dokument "$tmp/breit.kvd" breit

# start NAME COMMAND...: runs COMMAND until it reports its first picture;
# prints "MILLISECONDS WIDTH HEIGHT CPU_MILLISECONDS" (the wall time from the
# command, then the process's processor time to that moment) and ends the process.
start() {
    local name=$1
    shift
    local out=$tmp/$name.out
    : >"$out"
    local t0
    t0=$(date +%s%N)
    "$@" >"$out" 2>"$tmp/$name.err" &
    local pid=$!
    local deadline=$(($(now_ms) + 60000))
    until grep -q '^erstes-bild ' "$out"; do
        if (($(now_ms) > deadline)) || ! kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            echo "$name: no picture; its errors:" >&2
            tail -n 20 "$tmp/$name.err" >&2
            exit 1
        fi
        sleep 0.01
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    read -r _ t1 w h cpu < <(grep '^erstes-bild ' "$out")
    echo "$(((t1 - t0) / 1000000)) $w $h $((cpu / 1000000))"
}

# The first start gives the graph window's size.
config=$tmp/config
first=$(XDG_CONFIG_HOME=$config TESSAPLUN_STARTZEIT=1 start erste "$program")
read -r _ w h <<<"$first"

median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

echo "screen $screen, graph window ${w}x${h}, $runs runs each; load: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%8s %8s %8s %8s   processor time: %6s %6s %6s %6s\n' plain full wide bare plain full wide bare
for n in plain full wide bare; do : >"$tmp/$n"; : >"$tmp/$n.cpu"; done
for ((r = 1; r <= runs; r++)); do
    rm -rf "$config"
    read -r p _ _ pc < <(XDG_CONFIG_HOME=$config TESSAPLUN_STARTZEIT=1 start plain "$program")
    rm -rf "$config"
    read -r f _ _ fc < <(XDG_CONFIG_HOME=$config TESSAPLUN_STARTZEIT=1 start full "$program" "$tmp/voll.kvd")
    rm -rf "$config"
    read -r g _ _ gc < <(XDG_CONFIG_HOME=$config TESSAPLUN_STARTZEIT=1 start wide "$program" "$tmp/breit.kvd")
    read -r b _ _ bc < <(start bare "$helper" parabel "$w" "$h")
    printf '%8s %8s %8s %8s   %22s %6s %6s %6s %6s\n' "$p" "$f" "$g" "$b" "" "$pc" "$fc" "$gc" "$bc"
    echo "$p" >>"$tmp/plain"; echo "$pc" >>"$tmp/plain.cpu"
    echo "$f" >>"$tmp/full"; echo "$fc" >>"$tmp/full.cpu"
    echo "$g" >>"$tmp/wide"; echo "$gc" >>"$tmp/wide.cpu"
    echo "$b" >>"$tmp/bare"; echo "$bc" >>"$tmp/bare.cpu"
done
mp=$(median <"$tmp/plain")
mf=$(median <"$tmp/full")
mg=$(median <"$tmp/wide")
mb=$(median <"$tmp/bare")
echo "processor time to the picture, medians (ms): plain $(median <"$tmp/plain.cpu"), full $(median <"$tmp/full.cpu"), wide $(median <"$tmp/wide.cpu"), bare $(median <"$tmp/bare.cpu")"
echo "medians (ms): plain $mp, full-tables document $mf, wide view $mg, bare Qt window $mb; load after: $(cut -d' ' -f1-3 /proc/loadavg)"
awk -v p="$mp" -v f="$mf" -v g="$mg" -v b="$mb" 'BEGIN {
    printf "start to the graph of x^2, program / bare Qt window: %.2f (goal at most 2)\n", p / b
    printf "start with the full-tables document / plain start: %.2f (goal at most 3)\n", f / p
    printf "start with it in the wide view / plain start: %.2f\n", g / p
}'
