#pragma once
// The explorer's chart: the front over two objectives, a third as colour in
// five bins, the base design as a black square and the chosen variant
// ringed; the axes titled with what a player reads, units included, each
// title wrapped to fit its side so the chart never cuts it.
#include <QString>

#include <vector>

#include "explore/Explore.h"

class QChart;
class QScatterSeries;

struct FrontChartView {
    const ExploreRequest& Request; // of the front
    const ExploreResult& Result;
    const ExploreVariant& Base; // no objectives: no base to mark
    int X = 0, Y = 0;           // objectives across and up
    int Colour = -1;            // objective coloured by; -1: none
    int Chosen = -1;            // index in the front; -1: none
};

// A new chart of the view; the front's own series (those a click on a
// point should choose from) are added to `front`.
QChart* MakeFrontChart(const FrontChartView& view, std::vector<QScatterSeries*>& front);
