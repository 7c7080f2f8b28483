#pragma once
// A ship design file (".sdf") parsed once into its sections, keys and raw
// texts. The design form's reading (DesignFile.h) and the fighting ship's
// reading (combat/FightShip.h) each take their values from it with their
// own defaults, clamping and messages; what both read alike is here.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/ProfileText.h"
#include "shipdata/Ship.h"

// Torpedo mount sections both readings scan: TorpedoMount0 .. TorpedoMount15,
// one for each mount position the form offers, so every design the form can
// make reads back whole (the game itself reads no more than 13).
constexpr int kMountSections = 16;

struct DesignRecord {
    std::string ClassName; // from the file's path
    std::string Path;      // as read; empty for a design held in memory
    // false: missing, unreadable or not a ship design file; every key reads
    // as missing then.
    bool Readable = false;
    // Why a file that was read is not a ship design file, as the message to
    // show ("Garbage.sdf is not a ship design file: no [Data] section");
    // empty otherwise.
    std::string NotDesign;
    // Why the file could not be read at all ("no such file", "Permission
    // denied"); empty when it was read.
    std::string ReadError;
    ProfileText Values;
};

// Why the file gives no design, as the one message every window shows:
// the NotDesign message, or "Cannot read design file: PATH (REASON)".
// Empty when the record is readable.
std::string DesignRecordProblem(const DesignRecord& record, const std::string& path);

// Reads and parses the file (Windows-1252). A file that is not a ship
// design file (NotDesignReason) reads as not Readable, with NotDesign set.
DesignRecord ReadDesignRecord(const std::string& path);

// Why a file's text is not a ship design file, or none. A ship design file
// has a [Data] section holding at least one of the keys the form reads
// there. Every reader gives a missing key its default, so without this rule
// any file at all - a picture, an empty file - would read as a 10,000-ton
// design; every file the form writes starts with those keys, so a file cut
// short after them still counts (and reads as the readers say). The reasons:
// "the file is empty", "it is not text" (control bytes other than tab, line
// ends and end-of-file), "no [Data] section", "its [Data] section holds
// none of the keys of a design".
std::optional<std::string> NotDesignReason(std::string_view text);
// "<file name> is not a ship design file: <reason>".
std::string NotDesignMessage(const std::string& path, const std::string& reason);
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
