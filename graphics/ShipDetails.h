#pragma once
// Funnels and superstructure outlines of the plan view as point lists, and
// the completion of an outline drawn on the port side.
#include "graphics/HullOutline.h"

// ---- Funnels and superstructure ------------------------------------------------

// Globe units of the funnel radius for the ship's size figure.
std::int32_t FunnelRadius(const TFightingShip& ship);
// 12 points of funnel i (1..4); empty when its position is 0.
TPointList FunnelPoints(const TFightingShip& ship, int funnel);
// 21 points of outline k (0..3) turned to the heading; empty when its first
// point is empty.
TPointList SuperstructurePoints(const TFightingShip& ship, int outline);

// ---- Outline editing -----------------------------------------------------------

// The heading and distance from the ship's centre at (0, 0) to a point, as
// stored in an outline point.
TOutlinePoint OutlinePointTo(const TGeoPoint& p);
// Completes an outline from its first n points (0..10) on the port side:
// points n..10 copy point n-1, then points 20-j mirror points j across the
// centre line. n of 0 leaves the outline as it is.
void CompleteOutline(TOutline& outline, int pointCount);
