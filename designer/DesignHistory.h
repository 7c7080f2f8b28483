#pragma once
// Undo and redo of the design on the form, and whether it differs from the
// last save or load. Every step stores the whole document before and after,
// with what the plan view showed of it, so undoing restores every input and
// every computed figure.
#include <QObject>
#include <QUndoStack>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "designfile/DesignDocument.h"
#include "shipdata/Ship.h"

// What "Update ship graphic" took from the form into the displayed ship.
struct ShownDesign {
    std::vector<std::pair<std::int32_t, TurretPosition>> Turrets; // Guns, Position
    std::array<std::int32_t, 3> Calibres{};
    std::int32_t SecNo = 0, SecTF = 0, Displacement = 0;
    bool CrossDeck = false;
    std::string TypeCode;
    bool operator==(const ShownDesign&) const = default;
};

// What the plan editor holds of a design: the file its displayed ship was
// built from (empty: none), what "Update ship graphic" put on it since, and
// the funnels and outlines edited on it.
struct PlanSnapshot {
    std::string DisplayPath;
    std::optional<ShownDesign> Shown;
    std::array<TFunnel, 5> Funnels{};
    std::array<TOutline, 4> Superstructure{};
    std::array<bool, 4> IsLine{};
    bool operator==(const PlanSnapshot&) const = default;
};

struct DesignSnapshot {
    DesignDocument Document;
    PlanSnapshot Plan;
    bool operator==(const DesignSnapshot&) const = default;
};

class TDesignHistory : public QObject {
    Q_OBJECT
public:
    using Take = std::function<DesignSnapshot()>;
    using Restore = std::function<void(const DesignSnapshot&)>;
    TDesignHistory(Take take, Restore restore, QObject* parent = nullptr);

    QUndoStack& Stack() { return stack_; }
    // Starts over from the design on screen: no steps, nothing unsaved.
    void Reset();
    // After a committed edit: one step named `name` when the design changed.
    void Commit(const QString& name);
    // The design on screen is now what was saved or loaded.
    void MarkSaved();
    // The design on screen was never saved (a recovered copy).
    void MarkUnsaved();
    // The design on screen differs from the last save or load.
    bool Modified() const;
    bool Restoring() const { return restoring_; }
    // While held, edits commit nothing: a load or a restore that sets many
    // controls becomes the one step committed after it.
    void Hold(bool held) { held_ = held; }

signals:
    void modifiedChanged();

private:
    friend class TDesignStep;
    void apply(const DesignSnapshot& state);

    Take take_;
    Restore restore_;
    QUndoStack stack_;
    DesignSnapshot committed_;
    DesignSnapshot saved_;
    bool restoring_ = false;
    bool held_ = false;
};
