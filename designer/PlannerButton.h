#pragma once
// The design form's way into the planner: "Engagement..." beside "Ship
// status" and Ctrl+E. The form always holds a design; one without a nation
// or a type cannot fight, and the planner says so instead of opening.
class QPushButton;
class TfrmDesignMain;
class TfrmPlanner;

// Adds the button to the form.
QPushButton* AddEngagementButton(TfrmDesignMain& form);
// Opens (or raises) the form's planner with the design now on the form,
// unsaved changes included; none (after a message) when the design has no
// nation or type yet.
TfrmPlanner* ShowEngagementPlanner(TfrmDesignMain& form);
