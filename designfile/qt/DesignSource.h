#pragma once
// A window's read-only view of the design on the form: the document, the
// design as its file would be, and a signal after every change the form
// recomputes. Windows take one of these, never the form.
#include <QObject>

#include <optional>

#include "designfile/DesignDocument.h"
#include "tables/WeaponData.h"

class TDesignSource : public QObject {
    Q_OBJECT
public:
    // Both outlive the source.
    TDesignSource(const DesignDocument& document, const WeaponTables& weapons, QObject* parent = nullptr);

    const DesignDocument& Document() const { return document_; }
    // The design as its file would be read back, unsaved changes included;
    // none (after a message) when it cannot be written.
    std::optional<DesignRecord> Record() const;
    // The same, saying in `why` (not in a box) why the design cannot be
    // shown as it stands.
    std::optional<DesignRecord> Record(std::string& why) const;
    // Called by the form after it has recomputed.
    void Announce() { emit changed(); }

signals:
    void changed();

private:
    const DesignDocument& document_;
    const WeaponTables& weapons_;
};
