#pragma once
// The one place where the design form's controls and DesignInputs meet.
#include "designer/DesignFormWidgets.h"
#include "designfile/DesignInputs.h"

// Every control value into one record (list indexes -1 when nothing is
// selected, the funnel boxes as their texts, the date as a day number).
DesignInputs ReadInputs(const DesignFormWidgets& w);

// The record into the controls with their change signals blocked, so a
// whole load triggers no recompute of its own; the caller recomputes once.
// Spin values are clamped by the spin edits; a list index outside the list
// selects nothing; a date outside the date picker's range is clamped into it.
void WriteInputs(const DesignInputs& inputs, const DesignFormWidgets& w);
