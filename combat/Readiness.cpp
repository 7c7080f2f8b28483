#include "combat/Readiness.h"

#include "combat/Damage.h"
#include "combat/FightShip.h"
#include "designfile/DesignRecord.h"
#include "platform/Round.h"

int DesignRangeClass(const DesignRecord& record) {
    const std::int32_t range = record.Values.ReadInteger("Data", "Range", 1);
    return range >= 0 && range <= 3 ? range : 1;
}

std::int32_t EnduranceMiles(int rangeClass) {
    static constexpr std::int32_t kMiles[] = {3000, 5000, 7000, 9000};
    return kMiles[rangeClass >= 0 && rangeClass <= 3 ? rangeClass : 1];
}

std::int32_t RoundsPerGun(std::int32_t calibre) {
    if (calibre >= 11) return 100;
    if (calibre >= 9) return 120;
    if (calibre >= 6) return 150;
    if (calibre >= 4) return 200;
    return 250;
}

void MakeReadyForBattle(TFightingShip& ship, int rangeClass) {
    // GetRemainingRange(speed) is Fuel x speed / factor(speed), so this much
    // fuel steams the range setting's miles at cruising speed.
    const std::int64_t factor = GetFuelConsumptionFactor(ship, kCruisingSpeed);
    ship.OriginalFuel =
        platform::Clamp32(static_cast<std::int64_t>(EnduranceMiles(rangeClass)) * factor / kCruisingSpeed);
    ship.Fuel = ship.OriginalFuel;
    auto rounds = [](std::int64_t guns, std::int32_t calibre) {
        return platform::Clamp32((guns > 0 ? guns : 0) * RoundsPerGun(calibre));
    };
    ship.RoundsCarriedMain = rounds(ship.CountGuns(false), ship.BatteryCalibre[1]);
    ship.RoundsCarriedSecondary = rounds(ship.SecNo, ship.BatteryCalibre[2]);
    ship.RoundsCarriedTertiary = rounds(ship.TerNo, ship.BatteryCalibre[3]);
}
