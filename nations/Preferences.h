#pragma once
// The settings shared with the game, read from the Preferences file.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "nations/Nations.h"

// A colour in the 00BBGGRR notation of the data files.
using TColor = std::uint32_t;
constexpr TColor clGrey = 0x00808080;

struct TPreferences {
    std::int32_t BreakOnSighting = 0;
    std::int32_t BreakOnId = 0;
    std::int32_t OpenFireMsg = 0;
    std::int32_t AIControl = 0;
    std::int32_t BreakOnHit = 0;
    std::int32_t FloatWarning = 0;
    bool BreakOnNewSighting = false;
    bool BreakOnTorpedoHit = false;
    bool BreakOnSinking = false;
    bool BreakOnSunk = false;
    bool BreakOnSubsighting = false;
    std::int32_t FOW = 0;
    bool DamageMeter = false;
    bool CourseIndicator = false;
    bool ShipFlags = false;
    bool Compass = false;
    bool BaseFlags = false;
    bool CourseClick = false;
    bool LOScalc = false;
    std::int32_t SoundOption = 0;
    std::int32_t Autosave = 0;
    std::int32_t RealismSetting = 0;
    bool HistoricalForces = false;
    std::int32_t MainFormWidth = 0;
    std::int32_t MainFormHeight = 0;
    std::int32_t MainFormState = 0;
    TColor WaterColor = 0;
    TColor LandColor = 0;
    TColor FogColor = 0;
    TColor RainColor = 0;
    std::array<TColor, MaxNation + 1> NationColor{};
    bool Scale = false;
    bool ApplyToDD = false;
    bool SubWarning = false;
    bool ObjWarning = false;
    bool MineWarning = false;
    bool PreemptWarning = false;
    bool FFRLow = false;
};

// Reads programDirectory + "\Preferences"; a damaged file is told to `messages`.
void LoadPreferences(const std::string& programDirectory, TPreferences& preferences, platform::Messages& messages);

// A colour text: "$" and hex digits, "0x" and hex digits, a decimal number,
// or one of the colour names we accept ("clRed", "red", ...). None when the
// text is none of those.
std::optional<TColor> ColorFromText(const std::string& text);
