#include "designfile/DesignDocument.h"

#include "designfile/DesignFile.h"

#include <stdexcept>

namespace {

template <class Item>
std::vector<DesignItem> itemsOf(const std::vector<std::unique_ptr<Item>>& list, std::int32_t Item::*count) {
    std::vector<DesignItem> items;
    for (const auto& item : list) items.push_back({(*item).*count, item->Position});
    return items;
}

// Moves the elements of `list` into the order `order` gives.
template <class T>
void reorder(std::vector<T>& list, const std::vector<size_t>& order) {
    std::vector<T> moved;
    moved.reserve(list.size());
    for (size_t from : order) moved.push_back(std::move(list[from]));
    list = std::move(moved);
}

} // namespace

DesignDocument DocumentOf(const DesignInputs& inputs, const Tship& ship, const DesignOutlines* outlines) {
    DesignDocument document;
    document.Inputs = inputs;
    document.Turrets = itemsOf(ship.Turrets, &TTurret::Guns);
    document.Mounts = itemsOf(ship.TorpedoMounts, &TTorpedomount::Tubes);
    if (outlines) {
        document.Superstructure = outlines->Superstructure;
        document.Inputs.OutlineIsLine = outlines->IsLine;
    }
    return document;
}

void AppendItems(const DesignDocument& document, Tship& ship) {
    for (const DesignItem& item : document.Turrets) {
        auto turret = std::make_unique<TTurret>();
        turret->Guns = item.Count;
        turret->Position = item.Position;
        ship.Turrets.push_back(std::move(turret));
    }
    for (const DesignItem& item : document.Mounts) {
        auto mount = std::make_unique<TTorpedomount>();
        mount->Tubes = item.Count;
        mount->Position = item.Position;
        ship.TorpedoMounts.push_back(std::move(mount));
    }
}

platform::Problems ApplyDocument(const DesignDocument& document, TDesignShip& ship) {
    ship.ClearTurrets();
    ship.ClearTorpedomount();
    AppendItems(document, ship);
    // The design rules weigh every turret and mount.
    return ApplyInputs(document.Inputs, ship);
}

std::optional<DesignRecord> DesignDocumentRecord(const DesignDocument& document, const WeaponTables& weapons,
                                                 std::string* why) {
    try {
        return ParseDesignRecord(DesignFileLines(document, weapons), document.Inputs.Name);
    } catch (const std::exception& e) {
        if (why) *why = e.what();
        return std::nullopt;
    }
}

std::vector<size_t> TurretSaveOrder(const std::vector<TurretPosition>& positions) {
    std::vector<size_t> order(positions.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    for (int walk = 0; walk < 2; ++walk) {
        for (size_t i = 0; i < order.size(); ++i) {
            const TurretPosition p = positions[order[i]];
            if (p != 'B' && p != 'X') continue;
            const size_t moved = order[i];
            order.erase(order.begin() + static_cast<std::ptrdiff_t>(i));
            order.push_back(moved);
        }
    }
    return order;
}

void ReorderTurretsForSave(DesignDocument& document) {
    std::vector<TurretPosition> positions;
    for (const DesignItem& t : document.Turrets) positions.push_back(t.Position);
    reorder(document.Turrets, TurretSaveOrder(positions));
}

void ReorderTurretsForSave(TDesignShip& ship) {
    std::vector<TurretPosition> positions;
    for (const auto& t : ship.Turrets) positions.push_back(t->Position);
    reorder(ship.Turrets, TurretSaveOrder(positions));
}
