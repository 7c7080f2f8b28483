#pragma once
// The chart of the planner: expected main-battery hits per minute against
// range for both ships, the present range marked and the ranges where the
// advantage changes sides labelled.
#include <string>
#include <vector>

#include "combat/Engagement.h"

class QChartView;

// "14,300"
std::string YardsText(std::int32_t yards);
// "Dreadnought leads from 1,000 yd; beyond 14,300 yd: Scharnhorst", or what
// holds when the ships are even or neither can hit.
std::string AdvantageText(const std::vector<SweepRow>& rows, const std::string& own, const std::string& opponent);
// Replaces the chart of the view.
void ShowHitsChart(QChartView& view, const std::vector<SweepRow>& rows, const std::string& own,
                   const std::string& opponent, std::int32_t range);
