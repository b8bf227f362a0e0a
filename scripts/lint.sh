#!/usr/bin/env bash
# Checks the formatting, then runs clang-tidy and cppcheck over the project's own sources.
# Needs a configured build/ (scripts/test.sh makes one) for its compile commands.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
mapfile -t units < <(git ls-files '*.cpp')

echo "== clang-format"
clang-format --dry-run --Werror "${sources[@]}"

echo "== connections"
# Member-function pointers and a context object only: Qt before 6.7 cannot enforce it itself.
if git grep -nE '\b(SIGNAL|SLOT)\(' -- '*.cpp' '*.h'; then
  echo "lint: connect signals with member-function pointers, not SIGNAL()/SLOT() strings" >&2
  exit 1
fi

echo "== clang-tidy"
run-clang-tidy -p build -quiet -j "$(nproc)" "${units[@]}" > build/clang-tidy.log 2>&1 || {
  grep -E 'warning:|error:' -A3 build/clang-tidy.log
  exit 1
}

echo "== cppcheck"
cppcheck --project=build/compile_commands.json --library=qt --library=googletest \
  --enable=warning,style,performance,portability --inline-suppr --error-exitcode=1 \
  --suppress=missingIncludeSystem -i build/ --std=c++20 -q -j "$(nproc)"
echo "lint: clean"
