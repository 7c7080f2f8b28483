#pragma once
// Draws a ship's plan-view details onto the map canvas during the map
// control's render event, on top of the hull. Order on the design form:
// superstructure, funnels, main-battery turrets, secondary battery.
#include "map/qt/MapRenderer.h"
#include "platform/Messages.h"

class TFightingShip;

// Silver and cyan of the drawing (grey is clGrey), in 00BBGGRR.
constexpr TColor clSilver = 0x00C0C0C0;
constexpr TColor clCyan = 0x00FFFF00;

void DrawSuperstructure(TMapCanvas& canvas, const TFightingShip& ship);
void DrawFunnels(TMapCanvas& canvas, const TFightingShip& ship);
// An illegal gun count is told to `messages` (never a box in the middle of
// painting: the caller decides when to show it).
void DrawTurrets(TMapCanvas& canvas, const TFightingShip& ship, platform::Messages& messages);
void DrawSecondaryMounts(TMapCanvas& canvas, const TFightingShip& ship, platform::Messages& messages);
// All four in the design form's order.
void DrawShipDetails(TMapCanvas& canvas, const TFightingShip& ship, platform::Messages& messages);
