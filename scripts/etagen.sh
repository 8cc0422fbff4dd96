#!/usr/bin/env bash
# Checks that every source folder includes only the folders below it:
#   engine/ <- platform/ <- tools/ <- graph/ <- main/
# Includes that still go up are listed in scripts/etagen-ausnahmen.txt, one
# "file included-header" pair a line. The check fails on an upward include
# that is not listed, and on a listed one that is gone (take its line out:
# the list only shrinks).
set -euo pipefail
cd "$(dirname "$0")/.."

etage() {
    case "$1" in
        engine) echo 0 ;;
        platform) echo 1 ;;
        tools) echo 2 ;;
        graph) echo 3 ;;
        main) echo 4 ;;
        *) echo -1 ;;
    esac
}

gefunden=$(mktemp)
trap 'rm -f "$gefunden"' EXIT
for ordner in engine platform tools graph main; do
    oben=$(etage "$ordner")
    for datei in "$ordner"/*.h "$ordner"/*.cpp; do
        [ -f "$datei" ] || continue
        # Quoted includes of a project folder: #include "graph/graphik.h"
        sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z]*\)\/\([^"]*\)".*/\1 \1\/\2/p' "$datei" |
            while read -r ziel kopf; do
                if [ "$(etage "$ziel")" -gt "$oben" ]; then echo "$datei $kopf"; fi
            done
    done
done | sort -u > "$gefunden"

ausnahmen=scripts/etagen-ausnahmen.txt
bekannt=$( (grep -v '^[[:space:]]*\(#\|$\)' "$ausnahmen" || true) | sort -u)
neu=$(comm -23 "$gefunden" <(echo "$bekannt" | sed '/^$/d'))
weg=$(comm -13 "$gefunden" <(echo "$bekannt" | sed '/^$/d'))

fehler=0
if [ -n "$neu" ]; then
    echo "Includes that go up the floors (engine <- platform <- tools <- graph <- main):"
    echo "$neu" | sed 's/^/  /'
    fehler=1
fi
if [ -n "$weg" ]; then
    echo "Listed in $ausnahmen but gone; take these lines out:"
    echo "$weg" | sed 's/^/  /'
    fehler=1
fi
if [ "$fehler" -eq 0 ]; then echo "floors: $(wc -l < "$gefunden") known upward includes left"; fi
exit "$fehler"
