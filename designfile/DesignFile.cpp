#include "designfile/DesignFile.h"

#include "platform/Encoding.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/Paths.h"

#include <cctype>
#include <stdexcept>

namespace {

std::string Num(std::int64_t v) { return std::to_string(v); }
std::string Flag(bool b) { return b ? "1" : "0"; }

// A text value must stay on its line, or it could open sections of its own.
std::string OneLine(std::string s) {
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return s;
}

// Position letters are single Windows-1252 characters held as bytes.
std::string PositionText(TurretPosition p) { return platform::cp1252ToUtf8(std::string_view(&p, 1)); }

std::int32_t FunnelValue(const std::string& text) {
    auto v = platform::StrToInt(text);
    if (!v) throw std::invalid_argument("funnel position is not a whole number: " + text);
    return *v;
}

} // namespace

namespace {

// The lines of a file being built, a section header or a key at a time.
struct Lines {
    std::vector<std::string> l;
    void section(const std::string& name) { l.push_back("[" + name + "]"); }
    void key(const std::string& k, const std::string& v) { l.push_back(k + "=" + v); }
};

void writeData(const DesignInputs& in, Lines& f) {
    f.section("Data");
    f.key("Displacement", Num(in.Displacement));
    f.key("Range", Num(in.Range));
    f.key("Freeboard", Num(in.Freeboard));
    f.key("BeltCoverage", Num(in.BeltCoverage));
    f.key("Speed", Num(in.Speed));
    f.key("ShipType", in.TypeCode());
    f.key("EnemyClassName", OneLine(in.EnemyClass));
    f.key("MisidentifiedClassName", OneLine(in.MisClass));
    f.key("PictureName", OneLine(in.PicName));
    f.key("Nation", Num(in.Nation));
    f.key("Accomodation", Num(in.Accomodation));
    f.key("Fire control", Num(in.FireControl));
    f.key("Torpedo defense", Num(in.TPS));
    f.key("Mine capacity", Num(in.Mines));
    f.key("Obsolete date", Num(in.ObsoleteDate));
    f.key("Fuel type", Num(in.FuelType));
}

void writeArmour(const DesignInputs& in, Lines& f) {
    f.section("Armor");
    f.key("B", Num(in.B));
    f.key("BE", Num(in.BE));
    f.key("D", Num(in.D));
    f.key("DE", Num(in.DE));
    f.key("CT", Num(in.CT));
    f.key("T", Num(in.T));
    f.key("TT", Num(in.TT));
    f.key("SEC", Num(in.SEC));
    f.key("PC", Flag(in.ProtectedCruiser));
}

void writeGuns(const DesignInputs& in, Lines& f) {
    f.section("Guns");
    f.key("Main", Num(in.MainCal));
    f.key("Secondary", Num(in.SecCal));
    f.key("Tertiary", Num(in.TerCal));
    f.key("MQ", Num(in.MQ));
    f.key("SQ", Num(in.SQ));
    f.key("TQ", Num(in.TQ));
    f.key("SecNo", Num(in.Secondaries));
    f.key("TerNo", Num(in.Tertiaries));
    f.key("TerTF", Num(in.TerTF));
    f.key("SecTF", Num(in.SecTF));
    f.key("CDF", Flag(in.CrossDeck));
}

// The torpedo calibre and designation, then a section per turret and mount.
void writeTorpedoesTurretsAndMounts(const DesignDocument& document, const WeaponTables& weapons, Lines& f) {
    const DesignInputs& in = document.Inputs;
    f.section("Torpedoes");
    f.key("Calibre", Num(in.TorpCal));
    std::string designation;
    const auto items = TorpedoTypeItems(weapons);
    if (in.TorpType >= 0 && in.TorpType < static_cast<int>(items.size()))
        designation = platform::utf8Left(items[in.TorpType], 1);
    f.key("Designation", OneLine(designation));

    for (size_t i = 0; i < document.Turrets.size(); ++i) {
        f.section("Turret" + Num(static_cast<std::int64_t>(i)));
        f.key("Guns", Num(document.Turrets[i].Count));
        f.key("Pos", OneLine(PositionText(document.Turrets[i].Position)));
    }
    for (size_t i = 0; i < document.Mounts.size(); ++i) {
        f.section("TorpedoMount" + Num(static_cast<std::int64_t>(i)));
        f.key("Tubes", Num(document.Mounts[i].Count));
        f.key("Pos", OneLine(PositionText(document.Mounts[i].Position)));
    }
}

void writeFunnelsAndOutlines(const DesignDocument& document, Lines& f) {
    const DesignInputs& in = document.Inputs;
    f.section("Funnels");
    for (int k = 0; k < 4; ++k) f.key("Funnel" + Num(k + 1) + "Pos", Num(FunnelValue(in.FunnelPos[k])));
    for (int k = 0; k < 4; ++k) f.key("Funnel" + Num(k + 1) + "Oval", Flag(in.FunnelOval[k]));
    if (!document.Superstructure) return;
    for (int k = 0; k < 4; ++k) {
        f.section("Superstructure" + Num(k));
        const TOutline& outline = (*document.Superstructure)[k];
        for (int j = 0; j < 21; ++j) {
            f.key("Point" + Num(j) + "Angle", Num(outline[j].Angle));
            f.key("Point" + Num(j) + "Distance", Num(outline[j].Distance));
        }
        f.key("IsLine", Flag(in.OutlineIsLine[k]));
    }
}

} // namespace

std::vector<std::string> DesignFileLines(const DesignDocument& document, const WeaponTables& weapons) {
    Lines f;
    writeData(document.Inputs, f);
    writeArmour(document.Inputs, f);
    writeGuns(document.Inputs, f);
    writeTorpedoesTurretsAndMounts(document, weapons, f);
    writeFunnelsAndOutlines(document, f);
    return std::move(f.l);
}

std::vector<std::string> DesignFileLines(const DesignInputs& in, const TDesignShip& ship,
                                         const DesignOutlines* outlines) {
    return DesignFileLines(DocumentOf(in, ship, outlines), ship.Data().Weapons);
}

bool WriteDesignFile(const std::string& path, const DesignInputs& in, const TDesignShip& ship,
                     const DesignOutlines* outlines, platform::Messages& messages) {
    return WriteDesignFile(path, DocumentOf(in, ship, outlines), ship.Data().Weapons, messages);
}

bool WriteDesignFile(const std::string& path, const DesignDocument& document, const WeaponTables& weapons,
                     platform::Messages& messages) {
    const DesignInputs& in = document.Inputs;
    const std::string failed = "Error saving file " + path;
    const std::pair<const char*, const std::string*> texts[] = {{"Enemy class name", &in.EnemyClass},
                                                                {"Misidentified class name", &in.MisClass},
                                                                {"Picture name", &in.PicName}};
    for (const auto& [label, text] : texts) {
        if (auto bad = platform::firstUnencodable(*text)) {
            messages.notice(failed + "\r" + label + " contains a character that cannot be saved: " + *bad);
            return false;
        }
    }
    std::vector<std::string> lines;
    try {
        lines = DesignFileLines(document, weapons);
    } catch (const std::exception&) {
        messages.notice(failed);
        return false;
    }
    if (platform::writeLines(path, lines) != platform::WriteResult::Ok) {
        messages.notice(failed);
        return false;
    }
    messages.notice("Ship design " + in.Name + " saved to file: " + path);
    return true;
}

void ReadDesignFile(const std::string& path, DesignInputs& in, TDesignShip& ship) {
    ReadDesignFile(ReadDesignRecord(path), in, ship);
}

namespace {

// How the form's reader takes a key: integers with their defaults, list
// indexes that fall outside their list as nothing selected.
struct FileKeys {
    const ProfileText& f;
    std::int32_t integer(const char* section, const std::string& key, std::int32_t def) const {
        return f.ReadInteger(section, key, def);
    }
    int list(const char* section, const char* key, std::int32_t def, int count) const {
        return ListIndex(integer(section, key, def), count);
    }
};

void readData(const FileKeys& k, const std::string& cls, const WeaponTables& weapons, DesignInputs& in) {
    in.Name = cls;
    in.EnemyClass = k.f.ReadString("Data", "EnemyClassName", cls);
    in.MisClass = k.f.ReadString("Data", "MisidentifiedClassName", cls);
    in.PicName = k.f.ReadString("Data", "PictureName", "");
    in.Displacement = ranges::Displacement.clamp(k.integer("Data", "Displacement", 10000));
    in.Range = k.list("Data", "Range", 1, listsize::Range);
    in.BeltCoverage = k.list("Data", "BeltCoverage", 0, listsize::BeltCoverage);
    in.Freeboard = k.list("Data", "Freeboard", 1, listsize::Freeboard);
    in.Speed = ranges::Speed.clamp(k.integer("Data", "Speed", 18));
    in.Type = DesignTypeIndex(k.f.ReadString("Data", "ShipType", "XX"));
    in.Nation = k.list("Data", "Nation", -1, listsize::Nation);

    in.TorpCal = ranges::TorpCal.clamp(k.integer("Torpedoes", "Calibre", 18));
    const std::string designation = k.f.ReadString("Torpedoes", "Designation", "X");
    const auto items = TorpedoTypeItems(weapons);
    for (size_t i = 0; i < items.size(); ++i)
        if (platform::utf8Left(items[i], 1) == designation) in.TorpType = static_cast<int>(i);
}

void readArmourAndEquipment(const FileKeys& k, DesignInputs& in) {
    in.B = k.list("Armor", "B", 0, listsize::Armour);
    in.BE = k.list("Armor", "BE", 0, listsize::Armour);
    in.D = k.list("Armor", "D", 0, listsize::Armour);
    in.DE = k.list("Armor", "DE", 0, listsize::Armour);
    in.CT = k.list("Armor", "CT", 0, listsize::Armour);
    in.T = k.list("Armor", "T", 0, listsize::Armour);
    in.TT = k.list("Armor", "TT", 0, listsize::Armour);
    in.SEC = k.list("Armor", "SEC", 0, listsize::Armour);
    in.ProtectedCruiser = k.f.ReadBool("Armor", "PC", false);
    in.Accomodation = k.list("Data", "Accomodation", 0, listsize::Accomodation);
    in.FireControl = k.list("Data", "Fire control", 0, listsize::FireControl);
}

void readGuns(const FileKeys& k, DesignInputs& in) {
    in.MainCal = ranges::MainCal.clamp(k.integer("Guns", "Main", 0));
    in.SecCal = ranges::SmallCal.clamp(k.integer("Guns", "Secondary", 0));
    in.TerCal = ranges::SmallCal.clamp(k.integer("Guns", "Tertiary", 0));
    in.MQ = ranges::Quality.clamp(k.integer("Guns", "MQ", 0));
    in.SQ = ranges::Quality.clamp(k.integer("Guns", "SQ", 0));
    in.TQ = ranges::Quality.clamp(k.integer("Guns", "TQ", 0));

    in.TPS = k.list("Data", "Torpedo defense", 0, listsize::TPS);
    in.Mines = ranges::Mines.clamp(k.integer("Data", "Mine capacity", 0));
    in.ObsoleteDate = ranges::ObsoleteDate.clamp(k.integer("Data", "Obsolete date", 90000));
    in.FuelType = k.list("Data", "Fuel type", 0, listsize::FuelType);

    in.Secondaries = ranges::SmallGuns.clamp(k.integer("Guns", "SecNo", 0));
    in.Tertiaries = ranges::SmallGuns.clamp(k.integer("Guns", "TerNo", 0));
    in.TerTF = k.list("Guns", "TerTF", 0, listsize::TurretFactor);
    in.SecTF = k.list("Guns", "SecTF", 0, listsize::TurretFactor);
    in.CrossDeck = k.f.ReadBool("Guns", "CDF", false);
}

std::vector<DesignItem> itemsOf(const std::vector<DesignSectionItem>& sections) {
    std::vector<DesignItem> items;
    for (const DesignSectionItem& s : sections) items.push_back({s.Count, s.Position});
    return items;
}

} // namespace

void ReadDesignFile(const DesignRecord& record, const WeaponTables& weapons, DesignDocument& document) {
    const FileKeys keys{record.Values};
    DesignInputs& in = document.Inputs;
    readData(keys, record.ClassName, weapons, in);
    readArmourAndEquipment(keys, in);
    readGuns(keys, in);
    document.Turrets = itemsOf(TurretSections(record, kReadTurretSections));
    document.Mounts = itemsOf(MountSections(record));
    for (int k = 0; k < 4; ++k) {
        in.FunnelPos[k] = Num(keys.integer("Funnels", "Funnel" + Num(k + 1) + "Pos", 0));
        in.FunnelOval[k] = record.Values.ReadBool("Funnels", "Funnel" + Num(k + 1) + "Oval", false);
    }
    document.Superstructure.emplace();
    ReadOutlines(record, *document.Superstructure, in.OutlineIsLine);
}

void ReadDesignFile(const DesignRecord& record, DesignInputs& in, TDesignShip& ship) {
    DesignDocument document;
    document.Inputs = std::move(in);
    ReadDesignFile(record, ship.Data().Weapons, document);
    in = std::move(document.Inputs);
    AppendItems(document, ship);
    ship.Superstructure = *document.Superstructure;
}

platform::Problems LoadDesignInto(const std::string& path, DesignInputs& in, TDesignShip& ship) {
    return LoadDesignInto(ReadDesignRecord(path), in, ship);
}

platform::Problems LoadDesignInto(const DesignRecord& record, DesignInputs& in, TDesignShip& ship) {
    ship.ClearTurrets();
    ship.ClearTorpedomount();
    for (auto& outline : ship.Superstructure)
        for (auto& point : outline) point = TOutlinePoint{};
    ReadDesignFile(record, in, ship);
    return ApplyInputs(in, ship);
}

std::string DesignSavePath(const std::string& programDir, const std::string& className) {
    return programDir + "Custom Files/" + className + ".sdf";
}

namespace {

bool IsReservedDeviceName(const std::string& name) {
    // Windows treats these as devices whatever the extension.
    std::string upper;
    for (char c : name) upper.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    while (!upper.empty() && (upper.back() == ' ' || upper.back() == '.')) upper.pop_back();
    if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL") return true;
    if (upper.size() == 4 && (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0))
        return upper[3] >= '1' && upper[3] <= '9';
    return false;
}

} // namespace

std::optional<std::string> ClassNameProblem(const std::string& name) {
    if (name.find_first_not_of(" \t\r\n\v\f") == std::string::npos) return std::string("Class must have a name!");
    if (name == "." || name == "..") return std::string("Class name may not be \".\" or \"..\"");
    for (char c : name) {
        if (std::string("/\\<>:\"|?*").find(c) != std::string::npos)
            return "Class name may not contain \"" + std::string(1, c) + "\"";
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return std::string("Class name may not contain control characters");
    }
    if (auto bad = platform::firstUnencodable(name))
        return "Class name contains a character that cannot be saved: " + *bad;
    // C1 controls pass the code page (its unassigned bytes) but are still
    // control characters.
    for (size_t i = 0; i + 1 < name.size(); ++i)
        if (static_cast<unsigned char>(name[i]) == 0xC2 && static_cast<unsigned char>(name[i + 1]) >= 0x80 &&
            static_cast<unsigned char>(name[i + 1]) <= 0x9F)
            return std::string("Class name may not contain control characters");
    if (IsReservedDeviceName(name)) return "Class name \"" + name + "\" is reserved by Windows";
    return std::nullopt;
}
