#pragma once
// The verbs of sdftool. Each returns the process exit status:
// 0 success, 1 a file could not be read or a check failed, 2 a usage error.
#include <string>
#include <vector>

using Args = std::vector<std::string>;

int runData(const Args& args);
int runReport(const Args& args);
int runCheck(const Args& args);
int runShip(const Args& args);
int runEngage(const Args& args);
int runRender(const Args& args);

// Prints the verb's usage to standard output when "--help" or "-h" is among
// the arguments; true when it did.
bool printHelpIfAsked(const Args& args, const char* usage);

// Shared option handling: removes "--data DIR" from args and returns the
// program directory to use (default: the directory of the executable).
std::string takeProgramDir(Args& args);
