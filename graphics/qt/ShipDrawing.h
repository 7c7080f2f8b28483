#pragma once
// Draws a ship's plan-view details onto the map canvas during the map
// control's render event, on top of the hull. Order on the design form:
// superstructure, funnels, main-battery turrets, secondary battery.
#include "map/qt/MapRenderer.h"

class TFightingShip;

// Silver and cyan of the drawing (grey is clGrey), in 00BBGGRR.
constexpr TColor clSilver = 0x00C0C0C0;
constexpr TColor clCyan = 0x00FFFF00;

void DrawSuperstructure(TMapCanvas& canvas, const TFightingShip& ship);
void DrawFunnels(TMapCanvas& canvas, const TFightingShip& ship);
void DrawTurrets(TMapCanvas& canvas, const TFightingShip& ship);
void DrawSecondaryMounts(TMapCanvas& canvas, const TFightingShip& ship);
// All four in the design form's order.
void DrawShipDetails(TMapCanvas& canvas, const TFightingShip& ship);
