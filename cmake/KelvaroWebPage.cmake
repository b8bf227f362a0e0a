# cmake -DSHELL=... -DSCRIPT=... -DWASM=... -DMARKUP=... -DRUN=... -DOUTPUT=... -P KelvaroWebPage.cmake
# Writes the one-file page: the shell with the markup that the core writes (MARKUP, run by RUN),
# the script inline and the WebAssembly beside it, in base64 in a data block of its own. The
# browser parses such a block faster than the same bytes as a string in the script, which is how
# emscripten's single-file output carries them.
foreach(part head window)
  execute_process(COMMAND ${RUN} ${MARKUP} ${part} OUTPUT_VARIABLE ${part} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
execute_process(COMMAND base64 -w0 ${WASM} OUTPUT_VARIABLE wasm COMMAND_ERROR_IS_FATAL ANY)
file(READ ${SCRIPT} script)
# Without WebAssembly the script does not run at all, the core with it: the page shows its line,
# and no error. (Its functions stay global: the script is not in strict mode.)
set(script "if (typeof WebAssembly === 'object') {\n${script}\n} else document.getElementById('no-wasm').hidden = false;")
file(READ ${SHELL} page)
string(REPLACE "@KELVARO_HEAD@" "${head}" page "${page}")
string(REPLACE "@KELVARO_WINDOW@" "${window}" page "${page}")
string(REPLACE "@KELVARO_WASM@" "${wasm}" page "${page}")
string(REPLACE "@KELVARO_SCRIPT@" "${script}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
