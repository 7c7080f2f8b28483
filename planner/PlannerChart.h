#pragma once
// The chart of the planner: expected main-battery hits per minute against
// range for both ships, the present range marked, the ranges where the
// advantage changes sides labelled and each ship's immune zone shaded.
#include <string>
#include <vector>

#include "combat/Engagement.h"

class QChartView;

// "14,300"
std::string YardsText(std::int32_t yards);
// "Dreadnought leads from 1,000 yd; beyond 14,300 yd: Scharnhorst", or what
// holds when the ships are even or neither can hit.
std::string AdvantageText(const std::vector<SweepRow>& rows, const std::string& own, const std::string& opponent);
// A ship's immune zone against the other's main battery, drawn as a band.
struct ChartZone {
    std::string Ship;
    bool Own = true;          // the own ship's (its colour)
    double From = 0, To = 0;  // yards
};
// The bands of the zones that exist: the own ship's from the opponent's fire,
// the opponent's from the own ship's.
std::vector<ChartZone> ImmuneZones(const EngagementFigures& figures, const std::string& own,
                                   const std::string& opponent);
// Replaces the chart of the view.
void ShowHitsChart(QChartView& view, const std::vector<SweepRow>& rows, const std::string& own,
                   const std::string& opponent, std::int32_t range, const std::vector<ChartZone>& zones = {});
