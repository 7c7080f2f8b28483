#pragma once
// The one place where the design form's controls and DesignInputs meet:
// the controls show the form's document, and an edit of any of them is an
// edit of the document.
#include <functional>

#include "designer/DesignFormWidgets.h"
#include "designfile/DesignInputs.h"

class QObject;

// Calls `edited` after every change of an input control's value (a user's
// edit, or a program's made as one); connected before the form's other
// handlers, so each of them finds the document already changed.
void OnInputEdited(const DesignFormWidgets& w, QObject* receiver, const std::function<void()>& edited);

// Every control value into one record (list indexes -1 when nothing is
// selected, the funnel boxes as their texts, the date as a day number).
DesignInputs ReadInputs(const DesignFormWidgets& w);

// The record into the controls with their change signals blocked, so a
// whole load triggers no recompute of its own; the caller recomputes once.
// Spin values are clamped by the spin edits; a list index outside the list
// selects nothing; a date outside the date picker's range is clamped into it.
void WriteInputs(const DesignInputs& inputs, const DesignFormWidgets& w);
