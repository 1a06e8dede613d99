#!/usr/bin/env bash
# Formats every C++ file of the tree with .clang-format.
# --check: changes nothing and fails, naming the files, when one is not formatted.
set -euo pipefail
cd "$(dirname "$0")/.."
check=0
[ "${1:-}" = "--check" ] && check=1
command -v clang-format >/dev/null || { echo "format: clang-format is needed (scripts/setup.sh --dev)" >&2; exit 1; }
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h' 'tests/*.cpp' 'tests/*.h' \
  'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h')
if [ $check -eq 0 ]; then
  clang-format -i -style=file "${files[@]}"
  exit 0
fi
bad=()
for f in "${files[@]}"; do
  clang-format -style=file "$f" | cmp -s - "$f" || bad+=("$f")
done
if ((${#bad[@]})); then
  printf 'format: not formatted: %s\n' "${bad[@]}" >&2
  echo "format: run scripts/format.sh" >&2
  exit 1
fi
echo "format: ${#files[@]} files formatted"
