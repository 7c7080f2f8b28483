#include "explore/DominanceIndex.h"

#include <algorithm>

namespace {

// Small leaves: a leaf is scanned row by row, a node is tested as a whole.
constexpr std::uint32_t kLeafRows = 16;
// Depth of a tree whose every split leaves a quarter of the rows on each
// side, for 2^32 rows, with room to spare.
constexpr size_t kStackDepth = 128;

// No value of a is above b's.
bool AllAtMost(const double* a, const double* b, size_t m) {
    for (size_t k = 0; k < m; ++k)
        if (a[k] > b[k]) return false;
    return true;
}

} // namespace

bool Beats(const double* a, const double* b, size_t m) {
    bool better = false;
    for (size_t k = 0; k < m; ++k) {
        if (a[k] < b[k]) return false;
        better = better || a[k] > b[k];
    }
    return better;
}

void DominanceIndex::Clear() {
    nodes_.clear();
    bounds_.clear();
    rows_.clear();
    ids_.clear();
}

void DominanceIndex::Build(const double* values, std::vector<std::uint32_t> ids) {
    Clear();
    ids_ = std::move(ids);
    if (ids_.empty()) return;
    nodes_.reserve(2 * ids_.size() / kLeafRows + 2);
    bounds_.reserve(nodes_.capacity() * 2 * m_);
    scale_.assign(m_, 0.0);
    BuildNode(0, static_cast<std::uint32_t>(ids_.size()), values);
    rows_.resize(ids_.size() * m_);
    for (size_t at = 0; at < ids_.size(); ++at)
        std::copy_n(values + static_cast<size_t>(ids_[at]) * m_, m_, &rows_[at * m_]);
}

// The objective along which the node's rows spread most, against the whole
// set's spread (tons and inches must not outweigh each other); m_ when the
// rows are all equal.
size_t DominanceIndex::SplitAxis(std::uint32_t node) const {
    size_t axis = m_;
    double widest = 0;
    for (size_t k = 0; k < m_; ++k) {
        const double spread = Greatest(node)[k] - Least(node)[k];
        const double relative = scale_[k] > 0 ? spread / scale_[k] : spread;
        if (spread > 0 && relative > widest) widest = relative, axis = k;
    }
    return axis;
}

// Halves the rows at the median along the axis, with rows equal to it all
// on one side where that leaves each side a quarter at least: a question
// then goes down one side, not into both.
std::uint32_t DominanceIndex::Split(std::uint32_t begin, std::uint32_t end, size_t axis, const double* values) {
    auto at = [&](std::uint32_t id) { return values[static_cast<size_t>(id) * m_ + axis]; };
    const auto first = ids_.begin() + begin, last = ids_.begin() + end;
    const std::uint32_t middle = begin + (end - begin) / 2;
    std::nth_element(first, ids_.begin() + middle, last,
                     [&](std::uint32_t a, std::uint32_t b) { return at(a) < at(b); });
    const double pivot = at(ids_[middle]);
    auto cut = std::partition(first, last, [&](std::uint32_t id) { return at(id) < pivot; });
    if (cut == first) cut = std::partition(first, last, [&](std::uint32_t id) { return at(id) <= pivot; });
    const auto low = static_cast<std::uint32_t>(cut - first);
    if (low >= (end - begin) / 4 && end - begin - low >= (end - begin) / 4) return begin + low;
    std::nth_element(first, ids_.begin() + middle, last,
                     [&](std::uint32_t a, std::uint32_t b) { return at(a) < at(b); });
    return middle;
}

std::uint32_t DominanceIndex::BuildNode(std::uint32_t begin, std::uint32_t end, const double* values) {
    const auto node = static_cast<std::uint32_t>(nodes_.size());
    nodes_.push_back({begin, end, 0, 0});
    bounds_.resize(bounds_.size() + 2 * m_);
    double* least = &bounds_[size_t{node} * 2 * m_];
    double* greatest = least + m_;
    std::copy_n(values + static_cast<size_t>(ids_[begin]) * m_, m_, least);
    std::copy_n(least, m_, greatest);
    for (std::uint32_t at = begin + 1; at < end; ++at) {
        const double* row = values + static_cast<size_t>(ids_[at]) * m_;
        for (size_t k = 0; k < m_; ++k)
            least[k] = std::min(least[k], row[k]), greatest[k] = std::max(greatest[k], row[k]);
    }
    if (end - begin <= kLeafRows) return node;
    if (node == 0)
        for (size_t k = 0; k < m_; ++k) scale_[k] = greatest[k] - least[k];
    const size_t axis = SplitAxis(node);
    if (axis == m_) return node; // equal rows: one leaf, however many
    const std::uint32_t middle = Split(begin, end, axis, values);
    const std::uint32_t low = BuildNode(begin, middle, values);
    const std::uint32_t high = BuildNode(middle, end, values);
    nodes_[node].Low = low, nodes_[node].High = high;
    return node;
}

const double* DominanceIndex::BeatenBy(const double* c) const {
    if (nodes_.empty()) return nullptr;
    std::uint32_t stack[kStackDepth];
    size_t depth = 0;
    stack[depth++] = 0;
    while (depth > 0) {
        const std::uint32_t node = stack[--depth];
        if (!AllAtMost(c, Greatest(node), m_)) continue; // no row reaches c everywhere
        const Node& n = nodes_[node];
        if (Beats(Least(node), c, m_)) return Row(n.Begin); // every row beats c
        if (n.High == 0) {
            for (std::uint32_t at = n.Begin; at < n.End; ++at)
                if (Beats(Row(at), c, m_)) return Row(at);
            continue;
        }
        // The lower half first: the rows nearest above c beat it most often.
        stack[depth++] = n.High;
        stack[depth++] = n.Low;
    }
    return nullptr;
}

void DominanceIndex::CollectBeatenBy(const double* c, std::vector<std::uint32_t>& out) const {
    if (nodes_.empty()) return;
    std::uint32_t stack[kStackDepth];
    size_t depth = 0;
    stack[depth++] = 0;
    while (depth > 0) {
        const std::uint32_t node = stack[--depth];
        if (!AllAtMost(Least(node), c, m_)) continue; // no row lies under c everywhere
        const Node& n = nodes_[node];
        if (Beats(c, Greatest(node), m_)) {
            out.insert(out.end(), ids_.begin() + n.Begin, ids_.begin() + n.End);
            continue;
        }
        if (n.High == 0) {
            for (std::uint32_t at = n.Begin; at < n.End; ++at)
                if (Beats(c, Row(at), m_)) out.push_back(ids_[at]);
            continue;
        }
        stack[depth++] = n.High;
        stack[depth++] = n.Low;
    }
}
