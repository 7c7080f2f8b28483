#pragma once
// How the plan editor of the form's right-hand column takes part in saving
// and loading. The form works without one (no ship is ever displayed then);
// the plan editor installs itself with TfrmDesignMain::SetPlanEditor.
#include <array>
#include <optional>
#include <string>

#include "designfile/DesignFile.h"
#include "platform/Messages.h"

class TPlanEditorHook {
public:
    virtual ~TPlanEditorHook() = default;
    // Whether a ship is displayed (built by a load or the first save).
    virtual bool HasDisplayShip() const = 0;
    // Save: the four "Line" boxes into the displayed ship's IsLine flags.
    virtual void StoreLineFlags(const std::array<bool, 4>& isLine) = 0;
    // The displayed ship's outlines for the writer; none without a ship.
    virtual std::optional<DesignOutlines> DisplayShipOutlines() const = 0;
    // End of every load: replace the displayed ship by one built from the
    // file; what building and drawing it raise is told to `messages`.
    virtual void LoadDisplayShip(const std::string& path, platform::Messages& messages) = 0;
};
