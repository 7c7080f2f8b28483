// sdftool list: one row per design with the figures a collection is sorted
// and searched by, as a table, JSON lines or CSV.
#include "sdftool/Commands.h"
#include "sdftool/DesignRun.h"

#include "formats/Csv.h"
#include "library/DesignLibrary.h"
#include "platform/Encoding.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <numeric>

namespace {

using Json = nlohmann::ordered_json;

Json jsonRow(const LibraryRow& row) {
    Json j = Json::object();
    for (int c = 0; c < kLibraryColumns; ++c) {
        const auto column = static_cast<LibraryColumn>(c);
        const std::string text = LibraryCellText(row, column);
        if (!LibraryColumnIsNumber(column)) {
            j[LibraryColumnName(column)] = text;
        } else if (text.empty()) {
            j[LibraryColumnName(column)] = nullptr;
        } else if (text.find('.') != std::string::npos) {
            j[LibraryColumnName(column)] = std::stod(text);
        } else {
            j[LibraryColumnName(column)] = std::stoll(text);
        }
    }
    return j;
}

std::string tableText(const std::vector<LibraryRow>& rows, const std::vector<std::size_t>& order) {
    std::vector<std::vector<std::string>> cells;
    std::vector<std::string> header;
    for (int c = 0; c < kLibraryColumns; ++c) header.push_back(LibraryColumnName(static_cast<LibraryColumn>(c)));
    cells.push_back(header);
    for (std::size_t i : order) {
        std::vector<std::string> line;
        for (int c = 0; c < kLibraryColumns; ++c)
            line.push_back(LibraryCellText(rows[i], static_cast<LibraryColumn>(c)));
        cells.push_back(std::move(line));
    }
    std::vector<size_t> widths(kLibraryColumns, 0);
    for (const auto& line : cells)
        for (int c = 0; c < kLibraryColumns; ++c) widths[c] = std::max(widths[c], platform::utf8Length(line[c]));
    std::string out;
    for (const auto& line : cells) {
        std::string text;
        for (int c = 0; c < kLibraryColumns; ++c) {
            const size_t fill = widths[c] - platform::utf8Length(line[c]);
            const bool right = LibraryColumnIsNumber(static_cast<LibraryColumn>(c));
            // The last column is not padded.
            if (c + 1 == kLibraryColumns) text += line[c];
            else text += right ? std::string(fill, ' ') + line[c] + "  " : line[c] + std::string(fill + 2, ' ');
        }
        out += text + "\n";
    }
    return out;
}

} // namespace

int runList(const Args& args) {
    VerbOptions options("list");
    bool json = false, csv = false;
    std::string sortKey;
    options.Flag("--json", json);
    options.Flag("--csv", csv);
    options.Text("--sort", sortKey);
    if (auto exit = options.Parse(args)) return *exit;
    if (options.Files.empty()) return options.UsageError("no design file or folder given");
    if (json && csv) return options.UsageError("--json and --csv exclude each other");
    const bool descending = !sortKey.empty() && sortKey[0] == '-';
    std::optional<LibraryColumn> sortColumn;
    if (!sortKey.empty()) {
        sortColumn = LibraryColumnFromName(descending ? sortKey.substr(1) : sortKey);
        if (!sortColumn) return options.UsageError("'" + sortKey + "' is not a column to sort by");
    }

    ProgramData data;
    const bool dataOk = LoadToolData(options.ProgramDir, data);
    if (!dataOk) std::fputs("sdftool list: the data tables could not be loaded; figures are not meaningful\n", stderr);

    const std::vector<std::string> files = CollectDesignFiles(options.Files, "list");
    std::vector<LibraryRow> rows;
    rows.reserve(files.size());
    bool allDesigns = true;
    for (const auto& file : files) {
        rows.push_back(BuildLibraryRow(file, data));
        if (!rows.back().IsDesign) {
            allDesigns = false;
            std::fprintf(stderr, "sdftool list: %s\n", rows.back().Status.c_str());
        }
    }
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    if (sortColumn) SortLibraryOrder(rows, order, *sortColumn, descending);

    std::string out;
    if (json) {
        for (std::size_t i : order) out += jsonRow(rows[i]).dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
    } else if (csv) {
        std::vector<std::string> header;
        for (int c = 0; c < kLibraryColumns; ++c) header.push_back(LibraryColumnName(static_cast<LibraryColumn>(c)));
        out += CsvLine(header) + "\n";
        for (std::size_t i : order) {
            std::vector<std::string> line;
            for (int c = 0; c < kLibraryColumns; ++c)
                line.push_back(LibraryCellText(rows[i], static_cast<LibraryColumn>(c)));
            out += CsvLine(line) + "\n";
        }
    } else {
        out = tableText(rows, order);
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return allDesigns && dataOk ? 0 : 1;
}
