#include "nations/Preferences.h"

#include "formats/ProfileFile.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/Paths.h"

#include <stdexcept>
#include <string_view>

namespace {

struct NamedColor {
    std::string_view name; // without the "cl" prefix
    TColor value;          // 00BBGGRR
};

// The sixteen classic colour names, "Gray" also spelt "Grey", and four
// further names of the same family.
constexpr NamedColor kNamedColors[] = {
    {"Black", 0x000000},   {"Maroon", 0x000080}, {"Green", 0x008000},      {"Olive", 0x008080},   {"Navy", 0x800000},
    {"Purple", 0x800080},  {"Teal", 0x808000},   {"Gray", 0x808080},       {"Grey", 0x808080},    {"Silver", 0xC0C0C0},
    {"Red", 0x0000FF},     {"Lime", 0x00FF00},   {"Yellow", 0x00FFFF},     {"Blue", 0xFF0000},    {"Fuchsia", 0xFF00FF},
    {"Aqua", 0xFFFF00},    {"White", 0xFFFFFF},  {"MoneyGreen", 0xC0DCC0}, {"SkyBlue", 0xF0CAA6}, {"Cream", 0xF0FBFF},
    {"MedGray", 0xA4A0A0},
};

bool sameTextAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

struct PreferencesError : std::runtime_error {
    PreferencesError() : std::runtime_error("Error loading preferences") {}
};

class Reader {
public:
    explicit Reader(const std::string& path) : file_(path) {}
    ~Reader() { file_.Close(); }

    std::int32_t integer(const char* section, const char* key, std::int32_t def) {
        return file_.ReadInteger(section, key, def);
    }
    bool flag(const char* section, const char* key, bool def) { return file_.ReadBool(section, key, def); }
    TColor color(const char* section, const char* key, const char* def) {
        auto c = ColorFromText(file_.ReadString(section, key, def));
        if (!c) throw PreferencesError();
        return *c;
    }
    // A nation colour left unset ("XXX") is grey.
    TColor nationColor(const std::string& key) {
        const std::string text = file_.ReadString("Settings", key, "XXX");
        if (text == "XXX") return clGrey;
        auto c = ColorFromText(text);
        if (!c) throw PreferencesError();
        return *c;
    }

private:
    ProfileFile file_;
};

} // namespace

std::optional<TColor> ColorFromText(const std::string& text) {
    if (auto v = platform::StrToInt(text)) return static_cast<TColor>(*v);
    std::string_view name = text;
    if (name.size() > 2 && sameTextAscii(name.substr(0, 2), "cl")) name.remove_prefix(2);
    for (const NamedColor& c : kNamedColors)
        if (sameTextAscii(name, c.name)) return c.value;
    return std::nullopt;
}

void LoadPreferences(const std::string& programDirectory, TPreferences& p, platform::Messages& messages) {
    try {
        Reader r(programDirectory + "/Preferences");
        // Read in this order and stored at once: a failure keeps what was
        // read before it and leaves the rest as it was.
        p.BreakOnSubsighting = r.flag("Break", "BreakOnSubsighting", true);
        p.BreakOnHit = r.integer("Break", "BreakOnHit", 1);
        p.BreakOnId = r.integer("Break", "BreakOnId", 1);
        p.BreakOnSighting = r.integer("Break", "BreakOnSighting", 1);
        p.OpenFireMsg = r.integer("Settings", "OpenFireMsg", 5);
        p.BreakOnTorpedoHit = r.flag("Break", "BreakOnTorpedoHit", true);
        p.BreakOnNewSighting = r.flag("Break", "BreakOnNewSighting", true);
        p.BreakOnSinking = r.flag("Break", "BreakOnSinking", true);
        p.BreakOnSunk = r.flag("Break", "BreakOnSunk", true);
        p.FloatWarning = r.integer("Settings", "FloatWarning", 2);
        p.FOW = r.integer("Settings", "FOW", 1);
        p.AIControl = r.integer("Settings", "AIControl", 2);
        p.CourseIndicator = r.flag("Settings", "CourseIndicator", false);
        p.Scale = r.flag("Settings", "Scale", false);
        p.DamageMeter = r.flag("Settings", "DamageMeter", false);
        p.ShipFlags = r.flag("Settings", "ShipFlags", false);
        p.Compass = r.flag("Settings", "Compass", false);
        p.BaseFlags = r.flag("Settings", "BaseFlags", true);
        p.LOScalc = r.flag("Settings", "LOScalc", true);
        p.CourseClick = r.flag("Settings", "CourseClick", false);
        p.Autosave = r.integer("Settings", "Autosave", 60);
        p.RealismSetting = r.integer("Settings", "RealismSetting", 1);
        p.HistoricalForces = r.flag("Settings", "HistoricalForces", false);
        p.SoundOption = r.integer("Settings", "SoundOption", 1);
        p.FFRLow = r.flag("Settings", "FFRLow", false);
        p.MainFormWidth = r.integer("MainForm", "MainFormWidth", 1000);
        p.MainFormHeight = r.integer("MainForm", "MainFormHeight", 719);
        p.MainFormState = r.integer("MainForm", "MainFormState", 0);
        p.WaterColor = r.color("Settings", "WaterColor", "$00FFFF80");
        p.LandColor = r.color("Settings", "LandColor", "$009DF7F4");
        p.FogColor = r.color("Settings", "FogColor", "$00EFEFEF");
        p.RainColor = r.color("Settings", "RainColor", "$00AFBF3E");
        for (int i = 0; i <= MaxNation; ++i)
            p.NationColor[static_cast<size_t>(i)] = r.nationColor("NationColor" + std::to_string(i));
        p.ApplyToDD = r.flag("Settings", "ApplyToDD", false);
        p.SubWarning = r.flag("Settings", "SubWarning", true);
        p.ObjWarning = r.flag("Settings", "ObjWarning", true);
        p.MineWarning = r.flag("Settings", "MineWarning", true);
        p.PreemptWarning = r.flag("Settings", "PreemptWarning", true);
    } catch (const std::exception&) { messages.notice("Error loading preferences"); }
}
