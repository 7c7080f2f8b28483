#include "sdftool/Commands.h"

#include <cstdio>

int runEngage(const Args&) {
    std::fputs("sdftool: 'engage' is not available yet\n", stderr);
    return 2;
}
