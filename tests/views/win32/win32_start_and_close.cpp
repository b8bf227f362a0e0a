#include "win32_program.h"

#include <cstdio>

// win32_start_and_close PROGRAM: starts PROGRAM, waits for its window Kelvaro, closes it as its
// close box does, and expects the program to end by itself with exit code 0.
int wmain(int argc, wchar_t **argv)
{
    if (argc != 2) {
        std::fputs("usage: win32_start_and_close PROGRAM\n", stderr);
        return 2;
    }
    const StartedProgram program(argv[1]);
    if (!program.started()) {
        std::fprintf(stderr, "cannot start the program: error %lu\n", GetLastError());
        return 1;
    }
    HWND window = program.waitForWindow();
    if (window == nullptr) {
        std::fputs("the window Kelvaro did not appear\n", stderr);
        return 1;
    }
    if (!program.close(window)) {
        std::fputs("the program did not end with exit code 0 when its window was closed\n", stderr);
        return 1;
    }
    return 0;
}
