// The field splitters of the tab-separated tables. GetTabField must agree
// with the plain walk over the TABs for every field number; the design-rule
// table splitter must simply survive anything.
#include "FuzzSupport.h"

#include "shipdata/Tables.h"
#include "tables/WeaponData.h"

namespace {

// Field n (1-based); beyond the last field, the last one.
std::string plainWalk(const std::string& line, int n) {
    for (size_t start = 0, i = 1;; ++i) {
        const size_t tab = line.find('\t', start);
        if (tab == std::string::npos) return line.substr(start);
        if (i == static_cast<size_t>(n) || tab + 1 == line.size()) return line.substr(start, tab - start);
        start = tab + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::beginRun();
    if (size == 0) return 0;
    // The first byte picks the field number, from -8 to 247.
    const int n = static_cast<int>(data[0]) - 8;
    const std::string line(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::string field = GetTabField(line, n);
    if (n >= 1) FUZZ_CHECK(field == plainWalk(line, n));
    for (int k = 1; k <= 40; ++k) (void)GetTabField(line, k);

    const std::vector<std::string> fields = SplitTableLine(line);
    size_t tabs = 0;
    for (char c : line) tabs += c == '\t';
    FUZZ_CHECK(fields.size() <= tabs + 1);
    return 0;
}
