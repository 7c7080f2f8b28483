#pragma once
// Everything the ship status card shows of a fighting ship, as the card
// prints it: built here, put on screen by the card, read by `sdftool ship`
// and the ship sheet. The statistic boxes of the card add one blank before
// their text; the texts here have none.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "combat/CombatContext.h"

class TFightingShip;

// Battle tallies the card shows that the fighting ship does not carry; a
// battle engine would keep them. They stay 0 in the designer.
struct TShipBattleTallies {
    std::array<std::int32_t, 4> HitsScored{}; // [1] main, [2] secondary, [3] tertiary
    std::int32_t MediumHits = 0;
    std::int32_t TorpedoHits = 0;
    std::int32_t RudderState = 0; // 1 stbd, 2 center, 3 port jammed
};

// A secondary or tertiary battery's boxes; all empty when it has no guns
// on a side.
struct StatusBattery {
    bool Shown = false;
    std::string Calibre, Port, Starboard, HitsScored, RoundsFired, RoundsLeft, HitPercentage;
};

// A target of a battery: what the firer sees of it and the hit chance.
struct StatusTarget {
    bool Present = false;
    std::string Name, HitChance;
    std::vector<std::string> Breakdown; // the hit chance's lines
};

struct StatusOptions {
    std::int32_t Date = 0;  // day number: a design obsolete before it is "OLD"
    std::string SideName{}; // the display name of the ship's side
    TShipBattleTallies Tallies{};
    int SmallGunsBattery = 2; // the small-gun targets wanted: 2 secondary, 3 tertiary
};

struct ShipStatusFigures {
    std::string Title;   // "BB Dreadnought"
    std::string Heading; // "OLD BRITISH Battleship"
    std::string ShipName, ClassName, Displacement, MainGuns, SecondaryGuns, TertiaryGuns;
    std::string Mines; // "" when the ship carries none
    std::vector<std::string> Turrets, TorpedoMounts;

    bool TorpedoPanel = false;
    std::string TorpedoPanelTitle, TorpedoTubes, TorpedoPlacement;
    std::string Belt, Deck, TurretArmour, BatteryArmour, ConningTower; // "" for no armour

    std::string LimitedByWeather; // "" when not shown
    bool GratesFouled = false;
    bool HitChanceEnabled = false; // the ship has a main target
    bool Evading = false;
    std::string Flooding;
    bool SinkingShown = false;
    std::string Sinking;
    std::string HeavyHits, MediumHits, LightHits, TorpedoHits;
    std::string Course, Endurance, CrewQuality, Speed, CurrentSpeed, FireControl;
    std::int64_t PointValue = 0; // the card's figure: four times the rules' point value
    std::string PointValueText;
    std::string Rudder; // "" when the rudder is free

    std::string TorpedoCalibre, MainCalibre, MainHits, MainRoundsFired, MainRoundsLeft, MainHitPercentage;
    StatusBattery Secondary, Tertiary;

    StatusTarget MainTarget;
    std::string MainRateOfFire;                     // with a main target
    StatusTarget SmallGunsPort, SmallGunsStarboard; // of the battery the options name

    std::int32_t HullFull = 0, FloatFull = 0; // the damage bars' ranges, at least 1
    std::int32_t HullLost = 0, FloatLost = 0; // within 0 .. full
    std::string HullToolTip, FloatToolTip;    // the "Structure" and "Flotation" bars' tips
    std::string FlagFile;                     // the nation's flag file name, "" without a nation
};

// In the order the card always filled itself, so the draws and messages
// come in the same order.
ShipStatusFigures BuildStatusFigures(const CombatContext& ctx, TFightingShip& ship, const StatusOptions& options = {});
// The point value as the card, the sheet and the library show it: four times
// the rules' figure for the year.
std::int64_t ShownPointValue(const TFightingShip& ship, std::int32_t year);

// Upper case as the card prints names: ASCII and the letters of Windows-1252
// in UTF-8 ("ß" becomes "SS", "µ" the capital Greek mu).
std::string UpperText(const std::string& utf8);
