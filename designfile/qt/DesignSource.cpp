#include "designfile/qt/DesignSource.h"

#include "platform/Messages.h"

TDesignSource::TDesignSource(const DesignDocument& document, const WeaponTables& weapons, QObject* parent)
    : QObject(parent), document_(document), weapons_(weapons) {}

std::optional<DesignRecord> TDesignSource::Record() const {
    std::string why;
    auto record = DesignDocumentRecord(document_, weapons_, &why);
    if (!record) platform::messages().notice("The design cannot be shown as it stands: " + why);
    return record;
}
