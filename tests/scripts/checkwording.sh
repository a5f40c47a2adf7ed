#!/usr/bin/env bash
# The texts the program shows (the quoted texts of src/, the Readme, the man page) must not speak
# of Windows' services or carry the typos found before. Prints each hit; fails when there is one.
set -uo pipefail
root="${1:?usage: checkwording.sh SOURCE_DIR}"
words='succesfully|occured|forth row|these is|reinstall windows|control panel|registry|1 knob presets|1 knob snapshots|1 custom chords'
hits=$(grep -rniE --include='*.cpp' --include='*.h' "\"[^\"]*($words)[^\"]*\"" "$root/src" |
    grep -vE '^[^:]+:[0-9]+:\s*#\s*include')
hits+=$(grep -niE "$words" "$root/resources/Readme.txt" "$root/resources/ondrel.1")
if [ -n "$hits" ]; then
    echo "Texts with Windows wording or known typos:"
    printf '%s\n' "$hits"
    exit 1
fi
echo "no Windows wording, none of the known typos"
