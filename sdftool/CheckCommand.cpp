#include "sdftool/Commands.h"

#include <cstdio>

int runCheck(const Args&) {
    std::fputs("sdftool: 'check' is not available yet\n", stderr);
    return 2;
}
