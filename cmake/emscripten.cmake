# Builds Kelvaro for the browser with Debian's emscripten: WebAssembly and JavaScript, whose
# programs and tests run under Node.js.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/node-run.sh
    CACHE FILEPATH "Runs a built program under Node.js")
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# Debian's emscripten finds its JavaScript optimiser's parser (node-acorn) only on this path.
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
