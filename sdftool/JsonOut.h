#pragma once
// Small JSON helpers shared by the sdftool verbs.
#include "platform/Messages.h"
#include "platform/Problems.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <string>
#include <vector>

namespace sdftool {

// The recorded messages in the order raised: [{"kind": ..., "text": ...}].
template <class Json = nlohmann::json>
Json messagesJson(const std::vector<platform::RecordedMessage>& messages) {
    Json out = Json::array();
    for (const auto& m : messages) out.push_back({{"kind", platform::messageKindName(m.kind)}, {"text", m.text}});
    return out;
}

// The same for the problems a rule gave.
template <class Json = nlohmann::json>
Json messagesJson(const platform::Problems& problems) {
    Json out = Json::array();
    for (const auto& p : problems) out.push_back({{"kind", platform::messageKindName(p.Kind)}, {"text", p.Text}});
    return out;
}

// A single-precision value as its shortest decimal form (0.3, not 0.30000001).
inline double singleJson(float value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(value));
    return std::strtod(buf, nullptr);
}

// Pretty-printed on standard output; a byte that is no valid UTF-8 is
// replaced rather than ending the run.
inline void printJson(const nlohmann::json& value) {
    std::string text = value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
    text.push_back('\n');
    std::fputs(text.c_str(), stdout);
}

} // namespace sdftool
