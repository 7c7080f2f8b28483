#pragma once
// A ship leaving port: fuel and ammunition full. A fighting ship fresh from
// its design file carries neither (a battle engine fills them), so its speed
// reads 5 knots and its endurance 0; the planner and the status card opened
// from the design form make their ships ready with this rule.
#include <cstdint>

class TFightingShip;
struct DesignRecord;

// The design's range setting ("Range" of the file: 0 short, 1 medium,
// 2 long, 3 extreme), medium when missing or outside the list.
int DesignRangeClass(const DesignRecord& record);
// Nautical miles at the cruising speed that a full bunker gives for a range
// setting: 3,000, 5,000, 7,000 and 9,000.
std::int32_t EnduranceMiles(int rangeClass);
// The speed the endurance is reckoned at, and the speed the status card
// shows a ready ship making.
constexpr std::int32_t kCruisingSpeed = 10;
// Rounds per gun of a calibre: 100 from 11 inches, 120 for 9 and 10, 150
// for 6 to 8, 200 for 4 and 5, 250 below.
std::int32_t RoundsPerGun(std::int32_t calibre);
// Fuel for the range setting's miles at cruising speed, and rounds for every
// gun of the three batteries. Nothing else of the ship changes.
void MakeReadyForBattle(TFightingShip& ship, int rangeClass);
