#pragma once
// The nation table, read from Data/Nations.dat for a year of play.
#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "platform/Messages.h"

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
// dataDirectory + "\Nations.dat". A missing file or block is told to `messages`.
void LoadNations(const std::string& dataDirectory, std::int32_t year, NationTable& nations,
                 platform::Messages& messages);

// The block the loader reads for a year of play: the year's own when the
// file has one, else 1914 below 1914 and 1918 above 1918; a year from 1914
// to 1918 without a block is read as its own (every field at its default).
std::int32_t NationBlockYear(std::int32_t year, bool fileHasYear);

// Every block of the file, each read as LoadNations reads its year, so a
// battle takes the table of its own year of play.
struct NationBlocks {
    std::map<std::int32_t, NationTable> Years; // by the block's year
    // The table of a year of play by NationBlockYear; all defaults when the
    // block is missing, as the loader leaves them.
    const NationTable& For(std::int32_t year) const;
};
// Reads every block whose header is a year; silent (LoadNations reports a
// missing file), and empty without the file.
void LoadNationBlocks(const std::string& dataDirectory, NationBlocks& blocks);
// The nation of an index, or none outside 0 .. MaxNation.
const TNation* NationAt(const NationTable& nations, std::int32_t index);
