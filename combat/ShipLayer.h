#pragma once
// Fighting ships on the map's ship layer and the presenters of their objects.
#include <cstdint>
#include <memory>
#include <string>

#include "map/MapModel.h"
#include "nations/Preferences.h"
#include "platform/Messages.h"

class TFightingShip;
struct DesignRecord;

// Creates a fighting ship on the "ShipLayer" of the map, loads it from the
// design file and gives its objects their presenters (nation colours from
// the preferences); none (after the message) when the file cannot be loaded.
// Every message of the loading goes to `messages`.
std::unique_ptr<TFightingShip> CreateShipOnLayer(const std::string& fileName, const std::string& className, TMap& globe,
                                                 const TPreferences& preferences, platform::Messages& messages);
// The same for a design already parsed; the failure message names the class.
std::unique_ptr<TFightingShip> CreateShipOnLayer(const DesignRecord& record, const std::string& className, TMap& globe,
                                                 const TPreferences& preferences, platform::Messages& messages);
void AssignShipPresenters(TFightingShip& ship, TMap& globe, const TPreferences& preferences,
                          platform::Messages& messages);
std::int32_t FindOrCreateLinePresenter(TColor colour, const std::string& name, TMap& globe);
void AssignShipPresenter(TFightingShip& ship, TMap& globe, const TPreferences& preferences);
void AssignNewWakePresenter(TGeoDataObject& object, TMap& globe);
// Name of the presenter a ship's location object gets, e.g. "LargeShipPresenter3".
std::string ShipPresenterName(const TFightingShip& ship);
