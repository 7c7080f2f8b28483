#include "sdftool/Commands.h"

#include <cstdio>

int runRender(const Args&) {
    std::fputs("sdftool: 'render' is not available yet\n", stderr);
    return 2;
}
