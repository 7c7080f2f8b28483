#pragma once
// The nation table, read from Data/Nations.dat for the current year.
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

constexpr int MaxNation = 10;   // eleven nations, 0 .. 10
extern std::array<TNation, MaxNation + 1> Nations;
// The calendar year of play; nothing in the designer assigns it.
extern std::int32_t CurrentYear;

// dataDirectory ends with a separator; the file is dataDirectory + "\Nations.dat".
void LoadNations(const std::string& dataDirectory);
