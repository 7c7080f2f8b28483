#include "sdftool/Commands.h"

#include <cstdio>

int runData(const Args&) {
    std::fputs("sdftool: 'data' is not available yet\n", stderr);
    return 2;
}
