#include "combat/BattleEnvironment.h"

void BattleEnvironment::SetClock(double dateTime) {
    DateTime = dateTime;
    Sun = SubsolarPoint(dateTime);
}
