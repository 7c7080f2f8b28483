#pragma once
// The verbs of sdftool. Each returns the process exit status:
// 0 success, 1 a file could not be read or a check failed, 2 a usage error.
#include "sdftool/Options.h"

int runData(const Args& args);
int runReport(const Args& args);
int runCheck(const Args& args);
int runShip(const Args& args);
int runEngage(const Args& args);
int runBattle(const Args& args);
int runRender(const Args& args);
int runProtection(const Args& args);
int runCompare(const Args& args);
int runSheet(const Args& args);
int runExplore(const Args& args);
int runList(const Args& args);
