#!/bin/sh
# node-run.sh PROGRAM.js [ARGS...]: runs a program built with emscripten under Node.js. Without
# fetch, its loader reads the .wasm beside it from the disk; with it, it would take the path for
# a URL.
exec node --no-experimental-fetch "$@"
