#pragma once
// The tests' own: a recorder installed as the calling thread's sink for the
// lifetime of the object, for code that shows boxes through the program's
// sink. The program installs its sink once, at start-up.
#include "platform/Messages.h"

namespace platform {

class ScopedRecordingMessages : public RecordingMessages {
public:
    ScopedRecordingMessages() : previous_(&messages()) { setMessages(this); }
    ~ScopedRecordingMessages() override { setMessages(previous_); }
    ScopedRecordingMessages(const ScopedRecordingMessages&) = delete;
    ScopedRecordingMessages& operator=(const ScopedRecordingMessages&) = delete;

private:
    Messages* previous_;
};

} // namespace platform
