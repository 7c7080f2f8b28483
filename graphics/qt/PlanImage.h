#pragma once
// The plan view of a ship design file drawn offscreen, as the design form
// shows it after loading the file.
#include <QImage>

#include <cstdint>
#include <optional>
#include <string>

#include "nations/Preferences.h"
#include "platform/Messages.h"

struct TPlanImageOptions {
    int Width = 215;
    int Height = 527;
    std::int32_t Altitude = 33;
};

// The plan of a design already parsed (one held in memory included); none
// when it cannot be built as a ship. What loading and drawing it raise is
// told to `messages`.
struct DesignRecord;
std::optional<QImage> RenderDesignPlan(const DesignRecord& record, const TPreferences& preferences,
                                       const TPlanImageOptions& options, platform::Messages& messages);
// The same for a file, with the class name the form would give it.
std::optional<QImage> RenderDesignPlan(const std::string& file, const std::string& className,
                                       const TPreferences& preferences, const TPlanImageOptions& options,
                                       platform::Messages& messages);
