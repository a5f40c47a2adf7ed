#!/usr/bin/env bash
# Fails when a C++ source of the project differs from what clang-format (.clang-format) makes of
# it, listing the files; ./scripts/check-format.sh --fix formats them in place.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- src tests bench tools | grep -E '\.(cpp|h)$')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
bad=()
for f in "${files[@]}"; do
    if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
        bad+=("$f")
    fi
done
if [ "${#bad[@]}" -gt 0 ]; then
    echo "Not formatted as .clang-format says (run ./scripts/check-format.sh --fix):" >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
fi
echo "clang-format: ${#files[@]} files formatted"
