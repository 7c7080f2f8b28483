// The explorer's --vary and --objective values: one per line, each read as
// both. A range taken must be searchable as given (its values within the
// input's limits, in order, one per step), a grid of the ranges taken
// sized without overflow, and an objective keep its text.
#include "FuzzSupport.h"

#include "designfile/DesignCheck.h"
#include "explore/Explore.h"

#include <cmath>

namespace {

void checkRange(const ExploreRange& r) {
    const ExploreInputInfo& info = InfoOf(r.Input);
    FUZZ_CHECK(!RangeProblem(r, 1000));
    const std::vector<std::int32_t> values = RangeValues(r);
    FUZZ_CHECK(!values.empty());
    const double max = r.Input == ExploreInput::MainTurrets ? 1000 : info.Max;
    for (size_t i = 0; i < values.size(); ++i) {
        const double shown = DisplayValue(r.Input, values[i]);
        FUZZ_CHECK(shown >= info.Min && shown <= max);
        if (i > 0) FUZZ_CHECK(values[i] > values[i - 1]);
    }
    FUZZ_CHECK(std::fabs(DisplayValue(r.Input, values.front()) - r.From) < 1e-9);
}

void checkObjective(const ExploreObjective& o, std::string_view line) {
    FUZZ_CHECK(o.Text == line);
    if (o.Kind == ObjectiveKind::Immune || o.Kind == ObjectiveKind::BeltSafe)
        FUZZ_CHECK(o.Calibre >= kSmallestCalibre && o.Calibre <= kLargestCalibre);
    if (o.Kind == ObjectiveKind::Hits) FUZZ_CHECK(!o.File.empty() && o.Range >= 0 && o.Range <= 100000);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::beginRun();
    std::vector<ExploreRange> ranges;
    std::string_view all = fuzz::asText(data, size);
    while (!all.empty()) {
        const size_t end = all.find('\n');
        const std::string line(all.substr(0, end));
        all.remove_prefix(end == std::string_view::npos ? all.size() : end + 1);
        std::string why;
        if (const auto range = ParseVary(line, ranges, &why)) {
            checkRange(*range);
            ranges.push_back(*range);
        } else {
            FUZZ_CHECK(!why.empty());
        }
        why.clear();
        if (const auto objective = ParseObjective(line, &why)) checkObjective(*objective, line);
        else FUZZ_CHECK(!why.empty());
    }
    // Sized without overflow, refused above the limit.
    const std::uint64_t grid = GridSize(ranges);
    FUZZ_CHECK(GridProblem(ranges).has_value() == (grid > kMaxExploreVariants));
    return 0;
}
