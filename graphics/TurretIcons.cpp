#include "graphics/TurretIcons.h"

#include "combat/FightShip.h"
#include "combat/ShipGeometry.h"
#include "combat/ShipTypes.h"
#include "map/Geodesy.h"
#include "platform/Messages.h"
#include "platform/Round.h"

namespace {

struct Vertex {
    std::int16_t A; // degrees from the training
    std::int16_t k; // tenths of the icon size
};
using Shape = std::array<Vertex, 20>;

constexpr Shape kTwinA{{{270, 10}, {290, 10}, {310, 10}, {327, 10}, {349, 22}, {351, 22}, {338, 10},
                        {22, 10},  {9, 22},   {11, 22},  {33, 10},  {50, 10},  {70, 10},  {90, 10},
                        {120, 10}, {150, 10}, {170, 10}, {190, 10}, {210, 10}, {240, 10}}};
constexpr Shape kTwinB{{{280, 9},  {280, 9},  {310, 11}, {329, 10}, {350, 26}, {352, 26}, {338, 10},
                        {338, 10}, {22, 10},  {8, 26},   {10, 26},  {31, 10},  {50, 11},  {80, 9},
                        {80, 9},   {146, 15}, {164, 15}, {164, 15}, {196, 15}, {214, 15}}};
constexpr Shape kTwinC{{{280, 10}, {290, 10}, {310, 10}, {327, 10}, {349, 25}, {351, 25}, {335, 10},
                        {0, 10},   {25, 10},  {9, 25},   {11, 25},  {33, 10},  {50, 10},  {70, 10},
                        {80, 10},  {139, 15}, {160, 14}, {180, 14}, {200, 14}, {221, 15}}};
constexpr Shape kTwinD{{{270, 10}, {290, 10}, {310, 10}, {325, 10}, {348, 25}, {350, 25}, {333, 10},
                        {27, 10},  {10, 25},  {12, 25},  {35, 10},  {50, 10},  {70, 10},  {90, 10},
                        {150, 15}, {170, 14}, {175, 14}, {185, 14}, {190, 14}, {210, 15}}};
constexpr Shape kTriple{{{270, 11}, {290, 11}, {310, 11}, {322, 11}, {346, 25}, {348, 25}, {330, 10},
                         {356, 9},  {359, 24}, {1, 24},   {4, 9},    {30, 10},  {12, 25},  {14, 25},
                         {38, 11},  {50, 11},  {70, 11},  {90, 11},  {150, 15}, {210, 15}}};
constexpr Shape kQuadruple{{{222, 14}, {280, 11}, {316, 11}, {343, 25}, {344, 25}, {317, 11}, {344, 10},
                            {353, 24}, {354, 24}, {347, 10}, {13, 10},  {6, 24},   {7, 24},   {16, 10},
                            {43, 11},  {16, 25},  {17, 25},  {44, 11},  {80, 11},  {138, 14}}};
constexpr Shape kSingleArmoured{{{270, 8}, {290, 8},  {310, 8}, {322, 8}, {322, 8},  {322, 8}, {330, 8},
                                 {356, 8}, {359, 24}, {1, 24},  {4, 8},   {30, 8},   {38, 8},  {38, 8},
                                 {38, 8},  {50, 8},   {70, 8},  {90, 8},  {140, 12}, {220, 12}}};
constexpr Shape kSingleOpen{{{187, 4}, {220, 4},  {240, 4}, {270, 4}, {290, 4}, {320, 4}, {350, 4},
                             {354, 4}, {359, 20}, {1, 20},  {6, 4},   {30, 4},  {50, 4},  {70, 4},
                             {90, 4},  {120, 4},  {150, 4}, {173, 4}, {176, 8}, {184, 8}}};
constexpr Shape kCasemate{{{330, 4}, {330, 4},  {330, 4}, {330, 4}, {330, 4}, {330, 4}, {330, 4},
                           {355, 4}, {359, 24}, {1, 24},  {5, 4},   {30, 4},  {30, 4},  {30, 4},
                           {30, 4},  {30, 4},   {30, 4},  {30, 4},  {30, 4},  {30, 4}}};

Shape shapeVertices(TTurretShape shape, std::int32_t calibre) {
    switch (shape) {
    case TTurretShape::TwinA: return kTwinA;
    case TTurretShape::TwinB: return kTwinB;
    case TTurretShape::TwinC: return kTwinC;
    case TTurretShape::TwinD: return kTwinD;
    case TTurretShape::Triple: return kTriple;
    case TTurretShape::Quadruple: return kQuadruple;
    case TTurretShape::SingleArmoured: {
        Shape s = kSingleArmoured;
        // Heavier single guns get a squarer back.
        if (calibre >= 7) {
            s[18] = {150, 12};
            s[19] = {210, 12};
        }
        return s;
    }
    case TTurretShape::SingleOpen: return kSingleOpen;
    case TTurretShape::Casemate: return kCasemate;
    }
    return kCasemate;
}

// Training of a secondary mount: at its side's target when it can bear,
// else its position's facing turned by the heading.
std::int32_t secondaryTraining(const TFightingShip& ship, const TTurret& mount, bool port,
                               platform::Messages& messages) {
    const TFightingShip* target = port ? ship.SecondaryTargetPort : ship.SecondaryTargetStarboard;
    if (target && TurretCanBear(mount, GetBearingToShip(ship, target, messages), ship.CrossDeckFire, messages))
        return GetTrueBearingToShip(ship, target, messages);
    return NormalizeBearing(TurretPositionBearing(mount, messages), ship.Heading);
}

} // namespace

std::int32_t TurretIconSize(std::int32_t calibre) {
    // Calibres come from files; keep the arithmetic far from overflow.
    const std::int64_t c = calibre < -1000 ? -1000 : (calibre > 1000 ? 1000 : calibre);
    return static_cast<std::int32_t>((2 * (c + 1)) / 3 + 1 + c / 10);
}

std::optional<TTurretShape> ChooseTurretShape(const TFightingShip& ship, std::int32_t guns, std::int32_t calibre,
                                              bool armoured) {
    switch (guns) {
    case 2:
        if (ship.ShipType == stB && ship.Nation != 3 && ship.Nation != 8) return TTurretShape::TwinA;
        if (ship.Nation == 0) return calibre >= 14 ? TTurretShape::TwinB : TTurretShape::TwinC;
        return TTurretShape::TwinD;
    case 3: return TTurretShape::Triple;
    case 4: return TTurretShape::Quadruple;
    case 1: return armoured ? TTurretShape::SingleArmoured : TTurretShape::SingleOpen;
    case 0: return TTurretShape::Casemate;
    default: return std::nullopt;
    }
}

TPointList BuildTurretIcon(const TFightingShip& ship, std::int32_t guns, std::int32_t bearing, std::int32_t calibre,
                           bool armoured, const TGeoPoint& centre, platform::Messages& messages) {
    const auto shape = ChooseTurretShape(ship, guns, calibre, armoured);
    if (!shape) {
        messages.notice("Warning! " + std::to_string(guns) + " guns not legal!");
        return {};
    }
    const std::int32_t S = TurretIconSize(calibre);
    TPointList points;
    points.reserve(20);
    for (const Vertex& v : shapeVertices(*shape, calibre)) {
        const std::int32_t yards = (v.k * S) / 10; // whole yards, as the icon's table gives them
        points.push_back(PointAtBearing(centre, NormalizeBearing(bearing, v.A), yards));
    }
    return points;
}

std::vector<TurretPosition> SecondaryMountLetters(std::int32_t m, bool port) {
    if (m >= 7 && m <= 30) m = 7;
    switch (m) {
    case 1: return port ? std::vector<TurretPosition>{'H'} : std::vector<TurretPosition>{'I'};
    case 2: return port ? std::vector<TurretPosition>{'F', 'J'} : std::vector<TurretPosition>{'G', 'K'};
    case 3: return port ? std::vector<TurretPosition>{'F', 'H', 'J'} : std::vector<TurretPosition>{'G', 'I', 'K'};
    case 4:
        return port ? std::vector<TurretPosition>{'D', 'F', 'J', 'S'} : std::vector<TurretPosition>{'E', 'G', 'K', 'T'};
    case 5:
        return port ? std::vector<TurretPosition>{'D', 'F', 'H', 'J', 'S'}
                    : std::vector<TurretPosition>{'E', 'G', 'I', 'K', 'T'};
    case 6:
        return port ? std::vector<TurretPosition>{'D', 'F', '5', '7', 'J', 'S'}
                    : std::vector<TurretPosition>{'E', 'G', '6', '8', 'K', 'T'};
    case 7:
        return port ? std::vector<TurretPosition>{'D', 'F', '5', 'H', '7', 'J', 'S'}
                    : std::vector<TurretPosition>{'E', 'G', '6', 'I', '8', 'K', 'T'};
    default: return {};
    }
}

bool SecondariesShown(const TFightingShip& ship) {
    const bool capital = ship.ShipType == stBB || ship.ShipType == stBC;
    return !(ship.BatteryCalibre[2] < 5 && capital && !ship.ShowSecondary);
}

std::vector<TSecondaryMountIcon> SecondaryMountIcons(const TFightingShip& ship, platform::Messages& messages) {
    std::vector<TSecondaryMountIcon> icons;
    if (!SecondariesShown(ship)) return icons;
    const std::int32_t g = ship.SecTF;
    const std::int32_t m = platform::Div(platform::Div(ship.SecNo, g > 1 ? g : 1), 2);
    for (bool port : {true, false}) {
        for (TurretPosition p : SecondaryMountLetters(m, port)) {
            if (g != 0 && ship.HasTurretAt(p)) continue;
            TTurret mount;
            mount.Guns = g;
            mount.Position = p;
            const TGeoPoint centre = TurretPositionOffset(ship, p, g != 0, 2);
            TSecondaryMountIcon icon;
            icon.Letter = p;
            icon.Port = port;
            icon.Points = BuildTurretIcon(ship, g, secondaryTraining(ship, mount, port, messages),
                                          ship.BatteryCalibre[2], ship.ArmorSEC > 0, centre, messages);
            icons.push_back(std::move(icon));
        }
    }
    return icons;
}

std::vector<TPointList> MainTurretIcons(const TFightingShip& ship, platform::Messages& messages) {
    std::vector<TPointList> icons;
    for (const auto& turret : ship.Turrets) {
        const TGeoPoint centre = TurretPositionOffset(ship, turret->Position, turret->Guns != 0, 1);
        const TFightingTurret* ft = TFightingShip::AsFighting(turret.get());
        const std::int32_t training = ft ? ft->Training : TurretPositionBearing(*turret, messages);
        icons.push_back(BuildTurretIcon(ship, turret->Guns, NormalizeBearing(training, ship.Heading),
                                        ship.BatteryCalibre[1], ship.ArmorT > 0, centre, messages));
    }
    return icons;
}
