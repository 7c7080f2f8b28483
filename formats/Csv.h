#pragma once
// Comma-separated values, as spreadsheets read and write them: fields with a
// comma, quote or line break quoted, quotes doubled.
#include <string>
#include <string_view>
#include <vector>

// One record, without the line break.
std::string CsvLine(const std::vector<std::string>& fields);
// The records of a CSV text (quoted fields may hold line breaks).
std::vector<std::vector<std::string>> ParseCsv(std::string_view text);
