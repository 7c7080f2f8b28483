#pragma once
// The nation table, read from Data/Nations.dat for a year of play.
#include <array>
#include <cstdint>
#include <string>

struct TNation {
    std::string Name;
    std::string Name2;
    std::int32_t FlashFires = 0;
    std::int32_t Accuracy = 0;
    std::int32_t DamageControl = 0;
    std::int32_t APShellQuality = 0;
    std::int32_t DudRate = 0;
    std::string FlagFileName;
    std::int32_t NightFighting = 0;
    bool SmokeFloats = false;
};

constexpr int MaxNation = 10; // eleven nations, 0 .. 10
using NationTable = std::array<TNation, MaxNation + 1>;

// Reads the block of a year of play (the designer's year is 0); the file is
// dataDirectory + "\Nations.dat".
void LoadNations(const std::string& dataDirectory, std::int32_t year, NationTable& nations);
// The nation of an index, or none outside 0 .. MaxNation.
const TNation* NationAt(const NationTable& nations, std::int32_t index);
