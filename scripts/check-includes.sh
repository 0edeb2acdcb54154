#!/usr/bin/env bash
# Fails when a source file includes a project header from a folder its own
# folder may not look at: layers look only down. Tests may use what the folder
# they test may use, that folder itself and the shared test helpers.
# Usage: check-includes.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# The folders each folder may include from, besides itself, bottom up.
declare -A below=(
    [dist]=""
    [text]=""
    [io]=""
    [engine]="text io"
    [model]="engine text io"
    [study]="model engine text io"
    [platform]="text io"
    [res]="platform model engine"
    [plot]="platform study model engine text io"
    [app]="res plot platform study model engine text io dist"
    [cli]="plot study model engine text io dist"
    [bench]="plot platform study model engine text io"
    [fuzz]="cli study model engine text io"
)

faults=0
for folder in "${!below[@]}"; do
    for root in "$folder" "tests/$folder"; do
        [ -d "$root" ] || continue
        allowed=" $folder ${below[$folder]} "
        [ "$root" = "$folder" ] || allowed+="tests "
        while IFS=: read -r file line text; do
            [[ "$text" =~ \"([^/\"]+)/ ]] && target=${BASH_REMATCH[1]}
            if [[ "$allowed" != *" $target "* ]]; then
                echo "$file:$line: includes a header of $target/, which $folder/ may not use: $text" >&2
                faults=$((faults + 1))
            fi
        done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' "$root" \
                     --include='*.h' --include='*.cpp' || true)
    done
done

for dir in */; do
    dir=${dir%/}
    case "$dir" in tests|scripts|build*) continue ;; esac
    if [ -z "${below[$dir]+set}" ] && compgen -G "$dir/*.[ch]*" >/dev/null; then
        echo "$dir/: a source folder without a place in the layers (add it to $0)" >&2
        faults=$((faults + 1))
    fi
done

if [ "$faults" -ne 0 ]; then
    echo "$faults include(s) against the layering" >&2
    exit 1
fi
