#pragma once
// A ship design file (".sdf") parsed once into its sections, keys and raw
// texts. The design form's reading (DesignFile.h) and the fighting ship's
// reading (combat/FightShip.h) each take their values from it with their
// own defaults, clamping and messages; what both read alike is here.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/ProfileText.h"
#include "shipdata/Ship.h"

// Torpedo mount sections both readings scan: TorpedoMount0 .. TorpedoMount15,
// one for each mount position the form offers, so every design the form can
// make reads back whole (the game itself reads no more than 13).
constexpr int kMountSections = 16;

struct DesignRecord {
    std::string ClassName;  // from the file's path
    bool Readable = false;  // false: missing or unreadable, every key reads as missing
    ProfileText Values;
};

// Reads and parses the file (Windows-1252).
DesignRecord ReadDesignRecord(const std::string& path);
// A design held in memory (the lines DesignFileLines builds, UTF-8), parsed
// as if read from a file of that class: what is on the form, unsaved
// changes included.
DesignRecord ParseDesignRecord(const std::vector<std::string>& lines, const std::string& className);

// The file name without its directory and its last four characters (the
// ".sdf"); empty when the name is no longer than that.
std::string DesignClassName(const std::string& path);

// A position letter is one Windows-1252 character: the first character of
// the text, "Z" when the text is empty or its first character has no byte.
TurretPosition PositionLetter(const std::string& text);

// A turret or mount section as both readings take it: the number of guns
// or tubes and the position ("Pos", default "Z").
struct DesignSectionItem {
    std::int32_t Count = 0;
    TurretPosition Position = 'Z';
};

// Turret0 .. Turret<sections - 1> whose "Guns" (default -1) is 0 or more,
// in order; missing numbers are skipped.
std::vector<DesignSectionItem> TurretSections(const DesignRecord& record, int sections);
// TorpedoMount0 .. TorpedoMount15 whose "Tubes" (default 0) is above 0.
std::vector<DesignSectionItem> MountSections(const DesignRecord& record);

// Superstructure0 .. Superstructure3: the 21 points of each outline
// ("Point<j>Angle", "Point<j>Distance") and its "IsLine", 0 and false when
// missing.
void ReadOutlines(const DesignRecord& record, std::array<TOutline, 4>& outlines, std::array<bool, 4>& isLine);
