#pragma once
// Every text the program shows in a message box goes through this interface,
// so core code stays free of the GUI and tests can assert the exact texts.
#include <deque>
#include <string>
#include <vector>

namespace platform {

enum class MessageKind {
    Notice,       // plain box with OK: notices and errors
    Warning,      // warning box with OK: design warnings
    Error,        // error box with OK: failures caught around a whole sequence
    Confirm,      // OK/Cancel question; the caller acts on OK only
    SaveQuestion, // Save/Discard/Cancel question before unsaved work would be lost
};

// The answer to "Save changes to <class>?".
enum class SaveChoice { Save, Discard, Cancel };

const char* messageKindName(MessageKind kind);

class Messages {
public:
    virtual ~Messages() = default;
    virtual void notice(const std::string& text) = 0;
    virtual void warning(const std::string& text) = 0;
    virtual void error(const std::string& text) = 0;
    // warningIcon: the question is shown in a warning box (OK/Cancel).
    virtual bool confirm(const std::string& text, bool warningIcon = false) = 0;
    // Save, Discard or Cancel.
    virtual SaveChoice askSave(const std::string& text) = 0;
};

// The sink of the calling thread. Defaults, on every thread, to one that
// writes to standard error and answers every question with OK.
Messages& messages();
// Installs a sink for the calling thread (not owned); nullptr restores the default.
void setMessages(Messages* sink);

struct RecordedMessage {
    MessageKind kind;
    std::string text;
    bool operator==(const RecordedMessage&) const = default;
};

// Keeps every message in order and answers confirmations from a queue
// (OK when the queue is empty). Used by tests and by sdftool.
class RecordingMessages : public Messages {
public:
    void notice(const std::string& text) override;
    void warning(const std::string& text) override;
    void error(const std::string& text) override;
    bool confirm(const std::string& text, bool warningIcon = false) override;
    // Answered from saveAnswers; Cancel when the queue is empty, so a test
    // that did not expect the question loses nothing.
    SaveChoice askSave(const std::string& text) override;

    void answerNext(bool ok) { answers.push_back(ok); }
    std::vector<std::string> texts() const;
    void clear() { recorded.clear(); }

    std::vector<RecordedMessage> recorded;
    std::deque<bool> answers;
    std::deque<SaveChoice> saveAnswers;
};

// Says nothing and keeps nothing (questions: OK, and Cancel to saving): for
// work whose messages no one reads, such as the explorer's figures of
// millions of variants.
class QuietMessages : public Messages {
public:
    void notice(const std::string&) override {}
    void warning(const std::string&) override {}
    void error(const std::string&) override {}
    bool confirm(const std::string&, bool) override { return true; }
    SaveChoice askSave(const std::string&) override { return SaveChoice::Cancel; }
};

} // namespace platform
