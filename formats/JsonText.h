#pragma once
// JSON texts read with their faults told in words: where the reading
// stopped and what it wanted there ("scenario.json line 3, column 7:
// expected a value"), never the parser's own codes. Every JSON file the
// programs read goes through ParseJson.
#include <nlohmann/json.hpp>

#include <optional>
#include <string>

// The JSON value of `text`; none when the text is no JSON, with `error`
// saying where and what: "<fileName> line L, column C: <what>". Lines and
// columns count from 1, columns in characters. An empty `fileName` leaves
// the name out ("line 3, column 7: expected a value").
std::optional<nlohmann::ordered_json> ParseJson(const std::string& text, const std::string& fileName,
                                                std::string& error);
