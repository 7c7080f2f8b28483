#include "combat/ShipLayer.h"

#include "combat/FightShip.h"
#include "designfile/DesignRecord.h"
#include "platform/Messages.h"

namespace {

struct SizeClass {
    const char* name;
    std::int32_t fontSize;
};

SizeClass sizeClassOf(const TFightingShip& ship) {
    switch (ship.ShipType) {
    case stDD:
    case stMS: return {"SmallShipPresenter", 200};
    case stCA:
    case stCL:
    case stAMC: return {"MediumShipPresenter", 300};
    default: return {"LargeShipPresenter", 400};
    }
}

} // namespace

namespace {

// Makes the ship on the ship layer, loads it with `load` and finishes it;
// none (after the message) when loading fails.
template <typename Load>
std::unique_ptr<TFightingShip> createOnLayer(const std::string& className, const std::string& source, TMap& globe,
                                             const TPreferences& preferences, platform::Messages& messages, Load load) {
    TMapLayer& layer = globe.LayerByName(kShipLayerName);
    auto ship = std::make_unique<TFightingShip>(&layer.Objects());
    if (!ship->Location) messages.notice("Error loading ship! " + source);
    if (!load(*ship)) {
        ship.reset();
        messages.notice("Unable to create ship " + className + " Filename: " + source);
        return nullptr;
    }
    ship->Name = className;
    AssignShipPresenters(*ship, globe, preferences, messages);
    ship->SetPosition(TGeoPoint{0, 0, 0});
    return ship;
}

} // namespace

std::unique_ptr<TFightingShip> CreateShipOnLayer(const std::string& fileName, const std::string& className, TMap& globe,
                                                 const TPreferences& preferences, platform::Messages& messages) {
    return createOnLayer(className, fileName, globe, preferences, messages,
                         [&](TFightingShip& ship) { return ship.LoadFromDesignFile(fileName, messages); });
}

std::unique_ptr<TFightingShip> CreateShipOnLayer(const DesignRecord& record, const std::string& className, TMap& globe,
                                                 const TPreferences& preferences, platform::Messages& messages) {
    return createOnLayer(className, record.ClassName + ".sdf", globe, preferences, messages,
                         [&](TFightingShip& ship) { return ship.LoadFromDesignRecord(record, messages); });
}

void AssignShipPresenters(TFightingShip& ship, TMap& globe, const TPreferences& preferences,
                          platform::Messages& messages) {
    if (ship.Location)
        ship.Location->Title = ship.ShipType == stLT ? ship.Name : ShipTypeCode(ship.ShipType) + " " + ship.Name;
    if (ship.SmokeTrail) ship.SmokeTrail->PresenterID = FindOrCreateLinePresenter(clBlack, "SmokePresenter", globe);
    if (ship.WakeLine) ship.WakeLine->PresenterID = FindOrCreateLinePresenter(clWhite, "WakePresenter", globe);
    AssignShipPresenter(ship, globe, preferences);
    if (ship.WakePolygon) AssignNewWakePresenter(*ship.WakePolygon, globe);
    ship.ResetTurretTraining(messages);
}

std::int32_t FindOrCreateLinePresenter(TColor colour, const std::string& name, TMap& globe) {
    TMapLayer& layer = globe.LayerByName(kShipLayerName);
    if (TPresenter* found = layer.FindPresenter(name)) return found->PresenterID;
    auto p = std::make_unique<TPolyPresenter>();
    p->Name = name;
    p->PolyPen.PenUnit = TGeoUnit::Meter;
    p->PolyPen.PenWidth = 6;
    p->PolyPen.PenColor = colour;
    p->PolyPen.PenStyle = psDot;
    return layer.AddPresenter(std::move(p))->PresenterID;
}

std::string ShipPresenterName(const TFightingShip& ship) {
    return std::string(sizeClassOf(ship).name) + std::to_string(ship.Nation);
}

void AssignShipPresenter(TFightingShip& ship, TMap& globe, const TPreferences& preferences) {
    TMapLayer& layer = globe.LayerByName(kShipLayerName);
    const SizeClass size = sizeClassOf(ship);
    const std::string name = ShipPresenterName(ship);
    TPresenter* presenter = layer.FindPresenter(name);
    if (!presenter) {
        auto p = std::make_unique<TPolygonPresenter>();
        p->Name = name;
        p->PolyPen.PenColor = clBlack;
        p->PolyPen.PenStyle = psSolid;
        p->PolyPen.PenWidth = 1;
        p->PolyBrush.BrushStyle = bsSolid;
        const bool inNationRange = ship.Nation >= 0 && ship.Nation <= MaxNation;
        const bool small = ship.ShipType == stDD || ship.ShipType == stMS;
        if (small && !preferences.ApplyToDD) p->PolyBrush.BrushColor = clGrey;
        else
            p->PolyBrush.BrushColor =
                inNationRange ? preferences.NationColor[static_cast<size_t>(ship.Nation)] : clGrey;
        p->TitleFont.FontUnit = TGeoUnit::Meter;
        p->TitleFont.FontSize = size.fontSize;
        p->TitleAlignment = taRight;
        p->TitleOffset = 100;
        presenter = layer.AddPresenter(std::move(p));
    }
    if (ship.Location) ship.Location->PresenterID = presenter->PresenterID;
    ship.ShipPresenterID = presenter->PresenterID;
}

void AssignNewWakePresenter(TGeoDataObject& object, TMap& globe) {
    TMapLayer& layer = globe.LayerByName(kShipLayerName);
    TPresenter* presenter = layer.FindPresenter("NewWake");
    if (!presenter) {
        auto p = std::make_unique<TPolygonPresenter>();
        p->Name = "NewWake";
        p->PolyPen.PenColor = clWhite;
        p->PolyPen.PenStyle = psDash;
        p->PolyPen.PenWidth = 1;
        p->PolyBrush.BrushStyle = bsSolid;
        p->PolyBrush.BrushColor = clWhite;
        presenter = layer.AddPresenter(std::move(p));
    }
    object.PresenterID = presenter->PresenterID;
}
