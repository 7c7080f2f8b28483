#pragma once
// Turret and secondary-mount icons of the plan view as point lists.
#include "graphics/HullOutline.h"
#include "platform/Messages.h"

// ---- Turret icons ------------------------------------------------------------

enum class TTurretShape { TwinA, TwinB, TwinC, TwinD, Triple, Quadruple, SingleArmoured, SingleOpen, Casemate };

// Icon size S in yards for a calibre in inches.
std::int32_t TurretIconSize(std::int32_t calibre);
// The shape for a gun count; none for a count outside 0..4.
std::optional<TTurretShape> ChooseTurretShape(const TFightingShip& ship, std::int32_t guns, std::int32_t calibre,
                                              bool armoured);
// 20 points of the icon trained to `bearing` (compass) around `centre`.
// Another gun count tells `messages` "Warning! <n> guns not legal!" and
// gives no points.
TPointList BuildTurretIcon(const TFightingShip& ship, std::int32_t guns, std::int32_t bearing, std::int32_t calibre,
                           bool armoured, const TGeoPoint& centre, platform::Messages& messages);

// Secondary mount position letters for m mounts a side (none outside 1..30).
std::vector<TurretPosition> SecondaryMountLetters(std::int32_t mountsPerSide, bool port);
// Whether the secondary battery is drawn at all.
bool SecondariesShown(const TFightingShip& ship);
struct TSecondaryMountIcon {
    TurretPosition Letter = 'Z';
    bool Port = true;
    TPointList Points; // empty after an illegal gun count
};
// The icons of the secondary battery, port letters first, with the skip and
// training rules applied.
std::vector<TSecondaryMountIcon> SecondaryMountIcons(const TFightingShip& ship, platform::Messages& messages);
// The icon of each main-battery turret in list order (empty for an illegal
// gun count), trained to its training plus the heading.
std::vector<TPointList> MainTurretIcons(const TFightingShip& ship, platform::Messages& messages);
