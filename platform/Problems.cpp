#include "platform/Problems.h"

namespace platform {

void Problems::Append(const Problems& other) {
    count_ += other.count_;
    if (keepTexts_) items_.insert(items_.end(), other.items_.begin(), other.items_.end());
}

void Report(const Problems& problems, Messages& sink) {
    for (const Problem& p : problems) {
        switch (p.Kind) {
        case MessageKind::Warning: sink.warning(p.Text); break;
        case MessageKind::Error: sink.error(p.Text); break;
        default: sink.notice(p.Text); break;
        }
    }
}

} // namespace platform
