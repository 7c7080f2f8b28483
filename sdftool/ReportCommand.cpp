#include "sdftool/Commands.h"

#include <cstdio>

int runReport(const Args&) {
    std::fputs("sdftool: 'report' is not available yet\n", stderr);
    return 2;
}
