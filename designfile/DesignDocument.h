#pragma once
// A design as one plain value: everything its file holds. The design form
// shows and edits one; undo keeps copies of it; saving, the recovery copy,
// the sheets, compare, the planner and the explorer all take the design
// from it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "designfile/DesignInputs.h"
#include "designfile/DesignRecord.h"
#include "shipdata/Ship.h"

// The superstructure outlines of a displayed ship and their "Line" flags.
struct DesignOutlines {
    std::array<TOutline, 4> Superstructure{};
    std::array<bool, 4> IsLine{};
};

// A main turret (Count: its turret factor, 0 a casemate) or a torpedo mount
// (Count: its tubes) at a position letter.
struct DesignItem {
    std::int32_t Count = 0;
    TurretPosition Position = 0;
    bool operator==(const DesignItem&) const = default;
};

struct DesignDocument {
    // The funnels and the outlines' "Line" flags are among the inputs.
    DesignInputs Inputs;
    std::vector<DesignItem> Turrets;
    std::vector<DesignItem> Mounts;
    // The superstructure outlines, once the design has a plan view (after it
    // was saved or loaded); a file holds them only then.
    std::optional<std::array<TOutline, 4>> Superstructure;
    bool operator==(const DesignDocument&) const = default;
};

// The design a form would hold with these inputs, the ship's lists and,
// when a ship is displayed, its outlines (their flags as `outlines` has them).
DesignDocument DocumentOf(const DesignInputs& inputs, const Tship& ship, const DesignOutlines* outlines);

// The document's turrets and mounts appended to the ship's lists, unweighed.
void AppendItems(const DesignDocument& document, Tship& ship);
// The form's recompute: the lists into the ship (replacing its own), then
// the inputs applied and the design rules run, giving what they found wrong.
[[nodiscard]] platform::Problems ApplyDocument(const DesignDocument& document, TDesignShip& ship);

// The design as its file would be read back, unsaved changes included;
// none (with the reason in `why`) when it cannot be written.
std::optional<DesignRecord> DesignDocumentRecord(const DesignDocument& document, const WeaponTables& weapons,
                                                 std::string* why = nullptr);

// Save step: the order of the turrets after every turret at B or X has moved
// behind the others, the list walked twice (A, B, X, Y becomes A, Y, X, B),
// as indexes into the list as it was.
std::vector<size_t> TurretSaveOrder(const std::vector<TurretPosition>& positions);
void ReorderTurretsForSave(DesignDocument& document);
void ReorderTurretsForSave(TDesignShip& ship);
