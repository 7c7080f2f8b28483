#pragma once
// The design form's way into its other windows. Each is made on first use
// with what it needs (the design's source, the program data, the folders,
// callbacks such as "open this file" or "apply this variant") and F1 bound
// to its help section, then shown and raised; none of them knows the form.
class TfrmCompare;
class TfrmDesignMain;
class TfrmExplore;
class TfrmLibrary;
class TfrmPlanner;
class TfrmProtection;
class TShareCommands;

// The planner with the design now on the form, unsaved changes included;
// none (after a message) when the design has no nation or type yet.
TfrmPlanner* ShowEngagementPlanner(TfrmDesignMain& form);
// The explorer on the form's design, taken again at each showing.
TfrmExplore* ShowExplorer(TfrmDesignMain& form);
// The library of the design folders and the folders the user added.
TfrmLibrary* ShowLibrary(TfrmDesignMain& form);
// The immune zones of the form's armour, following each recompute.
TfrmProtection* ShowProtection(TfrmDesignMain& form);
// "Compare...", "Copy sheet" and "Export sheet..." on the form's design.
TShareCommands* NewShareCommands(TfrmDesignMain& form);
