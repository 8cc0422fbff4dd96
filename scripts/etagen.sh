#!/usr/bin/env bash
# Checks that every source folder includes only the folders below it:
#   engine/ <- platform/ <- tools/ <- graph/ <- main/
# and fails on any include that goes up.
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

gefunden=$(
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
    done | sort -u
)

if [ -n "$gefunden" ]; then
    echo "Includes that go up the floors (engine <- platform <- tools <- graph <- main):"
    echo "$gefunden" | sed 's/^/  /'
    exit 1
fi
echo "floors: no include goes up"
