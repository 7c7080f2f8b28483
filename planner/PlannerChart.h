#pragma once
// The chart of the planner: expected main-battery hits per minute against
// range for both ships, the present range marked, the ranges where the
// advantage changes sides marked and each ship's immune zone shaded (their
// names are listed beside the chart).
#include <string>
#include <vector>

#include "combat/Duel.h"

class QChartView;

// "14,300"
std::string YardsText(std::int32_t yards);
// "Dreadnought has the advantage from 1,000 yd; beyond 14,300 yd: Scharnhorst", or what
// holds when the ships are even or neither can hit.
std::string AdvantageText(const std::vector<SweepRow>& rows, const std::string& own, const std::string& opponent);
// A ship's immune zone against the other's main battery, drawn as a band.
struct ChartZone {
    std::string Ship;
    bool Own = true;         // the own ship's (its colour)
    double From = 0, To = 0; // yards
};
// The bands of the zones that exist: the own ship's from the opponent's fire,
// the opponent's from the own ship's.
std::vector<ChartZone> ImmuneZones(const EngagementFigures& figures, const std::string& own,
                                   const std::string& opponent);
// The x-axis tick spacing for a span of yards: few enough labels not to run together.
std::int32_t TickInterval(double span);
// "Dreadnought immune from 9,800 to 14,300 yd (blue band)", each zone listed.
std::string ZonesText(const std::vector<ChartZone>& zones);
// A square in the colour of the own (first) or the opponent's curve, as
// HTML, to key a name in a label to its curve.
std::string CurveKeyHtml(bool own);
// Replaces the chart of the view.
void ShowHitsChart(QChartView& view, const std::vector<SweepRow>& rows, const std::string& own,
                   const std::string& opponent, std::int32_t range, const std::vector<ChartZone>& zones = {},
                   const char* axisTitle = "Main hits/min");
