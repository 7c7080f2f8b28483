#include "sdftool/Commands.h"

#include <cstdio>

int runShip(const Args&) {
    std::fputs("sdftool: 'ship' is not available yet\n", stderr);
    return 2;
}
