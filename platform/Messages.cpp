#include "platform/Messages.h"

#include <cstdio>

namespace platform {

namespace {

class StderrMessages : public Messages {
public:
    void notice(const std::string& text) override { print("Notice", text); }
    void warning(const std::string& text) override { print("Warning", text); }
    void error(const std::string& text) override { print("Error", text); }
    bool confirm(const std::string& text, bool) override {
        print("Question", text);
        return true;
    }
    SaveChoice askSave(const std::string& text) override {
        print("Question", text);
        return SaveChoice::Cancel;
    }

private:
    static void print(const char* kind, const std::string& text) {
        std::fprintf(stderr, "[%s] %s\n", kind, text.c_str());
    }
};

StderrMessages defaultSink;
// Each thread has its own sink, so a worker can count the messages of its
// own recomputes; the main thread sees what it always did.
thread_local Messages* current = &defaultSink;

} // namespace

const char* messageKindName(MessageKind kind) {
    switch (kind) {
    case MessageKind::Notice: return "notice";
    case MessageKind::Warning: return "warning";
    case MessageKind::Error: return "error";
    case MessageKind::Confirm: return "confirm";
    case MessageKind::SaveQuestion: return "question";
    }
    return "notice";
}

Messages& messages() { return *current; }

void setMessages(Messages* sink) { current = sink ? sink : &defaultSink; }

void RecordingMessages::notice(const std::string& text) { recorded.push_back({MessageKind::Notice, text}); }
void RecordingMessages::warning(const std::string& text) { recorded.push_back({MessageKind::Warning, text}); }
void RecordingMessages::error(const std::string& text) { recorded.push_back({MessageKind::Error, text}); }
bool RecordingMessages::confirm(const std::string& text, bool) {
    recorded.push_back({MessageKind::Confirm, text});
    if (answers.empty()) return true;
    bool ok = answers.front();
    answers.pop_front();
    return ok;
}

SaveChoice RecordingMessages::askSave(const std::string& text) {
    recorded.push_back({MessageKind::SaveQuestion, text});
    if (saveAnswers.empty()) return SaveChoice::Cancel;
    const SaveChoice choice = saveAnswers.front();
    saveAnswers.pop_front();
    return choice;
}

std::vector<std::string> RecordingMessages::texts() const {
    std::vector<std::string> out;
    out.reserve(recorded.size());
    for (const auto& m : recorded) out.push_back(m.text);
    return out;
}

} // namespace platform
