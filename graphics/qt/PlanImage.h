#pragma once
// The plan view of a ship design file drawn offscreen, as the design form
// shows it after loading the file.
#include <QImage>

#include <cstdint>
#include <optional>
#include <string>

#include "nations/Preferences.h"

struct TPlanImageOptions {
    int Width = 215;
    int Height = 527;
    std::int32_t Altitude = 33;
};

// None when the file cannot be built as a ship (its messages have been
// shown through platform::messages()).
// The same for a design already parsed (one held in memory included).
struct DesignRecord;
std::optional<QImage> RenderDesignPlan(const DesignRecord& record, const TPreferences& preferences,
                                       const TPlanImageOptions& options = {});
std::optional<QImage> RenderDesignPlan(const std::string& file, const std::string& className,
                                       const TPreferences& preferences, const TPlanImageOptions& options = {});
