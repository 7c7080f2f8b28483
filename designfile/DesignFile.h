#pragma once
// The ship design file (".sdf"): the design form's writer and reader.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "designfile/DesignDocument.h"
#include "designfile/DesignInputs.h"
#include "designfile/DesignRecord.h"
#include "platform/Messages.h"
#include "shipdata/Ship.h"

// Turret sections the design form's reader scans: Turret0 .. Turret24.
// Mount sections: kMountSections.
constexpr int kReadTurretSections = 25;

// Builds the whole file as lines: the inputs, a section per turret and
// mount, the funnels, and the outlines when the design has them. Line
// breaks inside text inputs become blanks so a text can never start a line
// of its own. Throws std::invalid_argument when a funnel box does not hold
// a whole number.
std::vector<std::string> DesignFileLines(const DesignDocument& document, const WeaponTables& weapons);
// The same for the design DocumentOf(inputs, ship, outlines).
std::vector<std::string> DesignFileLines(const DesignInputs& inputs, const TDesignShip& ship,
                                         const DesignOutlines* outlines);

// Writes the file (through a temporary file beside it) and tells `messages`
// "Ship design <name> saved to file: <path>", or "Error saving file <path>"
// (followed by a line naming the text input when one holds a character
// Windows-1252 cannot hold), each as a notice: the caller decides whether
// they become boxes. An existing file is replaced only by a complete new
// one. Returns true when the file was written.
bool WriteDesignFile(const std::string& path, const DesignDocument& document, const WeaponTables& weapons,
                     platform::Messages& messages);
bool WriteDesignFile(const std::string& path, const DesignInputs& inputs, const TDesignShip& ship,
                     const DesignOutlines* outlines, platform::Messages& messages);

// Reads a file into the document with every default and clamping of the
// form: its lists and outlines replaced, its inputs overwritten from the
// file (a torpedo designation the list does not hold keeps the type
// chosen). The class name comes from the file name.
void ReadDesignFile(const DesignRecord& record, const WeaponTables& weapons, DesignDocument& document);
// The same into inputs and a ship: the caller clears the ship's lists and
// outlines first and recalculates after.
void ReadDesignFile(const std::string& path, DesignInputs& inputs, TDesignShip& ship);
void ReadDesignFile(const DesignRecord& record, DesignInputs& inputs, TDesignShip& ship);

// The whole load of the form without the plan editor: clear the lists and
// outlines, read, apply the inputs and recalculate; gives what the rules
// found wrong.
[[nodiscard]] platform::Problems LoadDesignInto(const std::string& path, DesignInputs& inputs, TDesignShip& ship);
[[nodiscard]] platform::Problems LoadDesignInto(const DesignRecord& record, DesignInputs& inputs, TDesignShip& ship);

// programDir + "Custom Files" + "\" + name + ".sdf" (name exactly as typed).
std::string DesignSavePath(const std::string& programDir, const std::string& className);

// Why a class name cannot become a file name (the message to show), or none.
// Refused: a blank name, "." and "..", path separators, characters Windows
// file names cannot hold (control characters, < > : " | ? *), names Windows
// reserves for devices (CON, NUL, COM1 ...), and characters Windows-1252
// cannot hold.
std::optional<std::string> ClassNameProblem(const std::string& className);
