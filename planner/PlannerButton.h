#pragma once
// The design form's way into the planner: "Engagement..." beside "Ship
// status" and Ctrl+E, enabled while the form holds a design with a nation
// and a type.
class QPushButton;
class TfrmDesignMain;
class TfrmPlanner;

// Adds the button to the form.
QPushButton* AddEngagementButton(TfrmDesignMain& form);
// Opens (or raises) the form's planner with the design now on the form,
// unsaved changes included; none when the form has no design to give.
TfrmPlanner* ShowEngagementPlanner(TfrmDesignMain& form);
