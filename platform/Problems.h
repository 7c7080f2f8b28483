#pragma once
// What a rule found wrong, handed back as a value: the caller decides
// whether each problem becomes a message box, a line of output, an entry in
// a list or only a count.
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Messages.h"

namespace platform {

struct Problem {
    MessageKind Kind = MessageKind::Notice; // Notice, Warning or Error: the box it is shown in
    std::string Text;
    std::string Key; // the design file key concerned ("Speed", "CDF"), or empty
    bool operator==(const Problem&) const = default;
};

// The problems of one piece of work, in the order they were found. A list
// made with Keep::Count only counts them, so a search over millions of
// variants builds no text and allocates nothing.
class Problems {
public:
    enum class Keep { Texts, Count };

    Problems() = default;
    explicit Problems(Keep keep) : keepTexts_(keep == Keep::Texts) {}

    void Add(MessageKind kind, std::string_view key, std::string_view text) {
        ++count_;
        if (keepTexts_) items_.push_back({kind, std::string(text), std::string(key)});
    }
    // A text made only when the list keeps texts.
    template <std::invocable MakeText>
    void Add(MessageKind kind, std::string_view key, MakeText&& makeText) {
        ++count_;
        if (keepTexts_) items_.push_back({kind, std::string(makeText()), std::string(key)});
    }
    void Append(const Problems& other);

    // Counted problems, kept or not.
    std::size_t Count() const { return count_; }
    bool Empty() const { return count_ == 0; }
    // The kept problems (none in a list that only counts).
    const std::vector<Problem>& Items() const { return items_; }
    std::vector<Problem>::const_iterator begin() const { return items_.begin(); }
    std::vector<Problem>::const_iterator end() const { return items_.end(); }

private:
    bool keepTexts_ = true;
    std::size_t count_ = 0;
    std::vector<Problem> items_;
};

// Shows each kept problem in the box of its kind, in order.
void Report(const Problems& problems, Messages& sink);

} // namespace platform
