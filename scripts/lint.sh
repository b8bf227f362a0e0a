#!/usr/bin/env bash
# Checks the formatting, then runs clang-tidy and cppcheck over the project's own sources.
# Needs a configured build/ (scripts/test.sh makes one) for its compile commands; the Windows and
# browser sources are checked too where build-windows/ and build-web/ have been configured.
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

echo "== pipes"
# Under pipefail, a reader that stops at its first match kills the writer with SIGPIPE, and the
# pipeline fails now and then although the text matched.
if git grep -nE '(^|[^|])\|[[:space:]]*(grep[^|]*[[:space:]](-[a-zA-Z]*[qm]|--quiet|--silent|--max-count)|head\b)' \
  -- '*.sh' ':!scripts/lint.sh'; then
  echo "lint: match a command's captured output (grep -q <<< \"\$output\"), not a pipe into grep -q" >&2
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

if [ -f build-windows/compile_commands.json ]; then
  echo "== clang-tidy and cppcheck, Windows sources"
  # clang takes the MinGW-w64 C++ and Windows headers, with its own compiler headers.
  mapfile -t includes < <(x86_64-w64-mingw32-g++-posix -E -x c++ -v - < /dev/null 2>&1 |
    sed -n '/search starts here/,/End of search list/p' | grep '^ ' |
    grep -vE 'posix/include$|include-fixed' | sed 's/^ /-extra-arg=-isystem/')
  mapfile -t windows_units < <(git ls-files 'views/win32/*.cpp' 'tests/views/win32/*.cpp' 'tools/win32_*.cpp' \
    'bench/*win32*.cpp')
  run-clang-tidy -p build-windows -quiet -j "$(nproc)" -extra-arg=--target=x86_64-w64-mingw32 \
    "${includes[@]}" "${windows_units[@]}" > build-windows/clang-tidy.log 2>&1 || {
    grep -E 'warning:|error:' -A3 build-windows/clang-tidy.log
    exit 1
  }
  cppcheck --project=build-windows/compile_commands.json --library=windows --library=googletest \
    --enable=warning,style,performance,portability --inline-suppr --error-exitcode=1 \
    --suppress=missingIncludeSystem -i build-windows/ -i /usr/src --std=c++20 -q -j "$(nproc)"
fi
if [ -f build-web/compile_commands.json ]; then
  echo "== clang-tidy and cppcheck, browser sources"
  # clang takes emscripten's C++ and system headers from its sysroot; the rest is checked above.
  sysroot=$(em-config CACHE)/sysroot
  run-clang-tidy -p build-web -quiet -j "$(nproc)" -extra-arg=--target=wasm32-unknown-emscripten \
    -extra-arg=--sysroot="$sysroot" -extra-arg=-D__EMSCRIPTEN__ "^$PWD/views/web/" \
    > build-web/clang-tidy.log 2>&1 || {
    grep -E 'warning:|error:' -A3 build-web/clang-tidy.log
    exit 1
  }
  cppcheck --project=build-web/compile_commands.json --library=googletest \
    --enable=warning,style,performance,portability --inline-suppr --error-exitcode=1 \
    --suppress=missingIncludeSystem --file-filter='views/web/*' --std=c++20 -q -j "$(nproc)"
fi
echo "lint: clean"
