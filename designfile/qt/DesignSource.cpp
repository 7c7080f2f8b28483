#include "designfile/qt/DesignSource.h"

#include "platform/Messages.h"

TDesignSource::TDesignSource(const DesignDocument& document, const WeaponTables& weapons, QObject* parent)
    : QObject(parent), document_(document), weapons_(weapons) {}

std::optional<DesignRecord> TDesignSource::Record() const {
    std::string why;
    auto record = Record(why);
    if (!record) platform::messages().notice(why);
    return record;
}

std::optional<DesignRecord> TDesignSource::Record(std::string& why) const {
    std::string reason;
    auto record = DesignDocumentRecord(document_, weapons_, &reason);
    if (!record) why = "The design cannot be shown as it stands: " + reason;
    return record;
}
