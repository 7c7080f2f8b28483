#pragma once
// The design check's findings as the sheet lists them: every message the
// design raised while it was read and recomputed (the ones `sdftool check`
// prints) and the overweight, if any. The sheet asks only this function, so
// a fuller check can take its place here.
#include <string>
#include <vector>

#include "platform/Messages.h"
#include "shipdata/Ship.h"

std::vector<std::string> DesignCheckProblems(const std::vector<platform::RecordedMessage>& messages,
                                             const TDesignShip& ship);
