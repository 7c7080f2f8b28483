#pragma once
// Rows of objective values (each turned so that more is better) in a k-d
// tree whose nodes know the least and the greatest value of their rows on
// every objective. A question "does any row beat this one?" passes over a
// node that cannot hold such a row and settles at once a node whose every
// row does, so a variant meets a few dozen rows of a front of thousands.
#include <cstddef>
#include <cstdint>
#include <vector>

// True when a is at least b on every one of m values and above it on one.
bool Beats(const double* a, const double* b, size_t m);

class DominanceIndex {
public:
    explicit DominanceIndex(size_t objectives) : m_(objectives) {}

    // Indexes the rows `ids` of values (m values per id, row id at
    // values[id * m]); the rows are copied, values may change afterwards.
    void Build(const double* values, std::vector<std::uint32_t> ids);
    void Clear();
    size_t Size() const { return ids_.size(); }

    // An indexed row that beats c, or none.
    const double* BeatenBy(const double* c) const;
    bool Beaten(const double* c) const { return BeatenBy(c) != nullptr; }
    // Appends to `out` the id of every indexed row that c beats.
    void CollectBeatenBy(const double* c, std::vector<std::uint32_t>& out) const;

private:
    struct Node {
        std::uint32_t Begin, End; // rows [Begin, End) in leaf order
        std::uint32_t Low, High;  // children; High == 0 for a leaf
    };

    std::uint32_t BuildNode(std::uint32_t begin, std::uint32_t end, const double* values);
    size_t SplitAxis(std::uint32_t node) const;
    std::uint32_t Split(std::uint32_t begin, std::uint32_t end, size_t axis, const double* values);
    const double* Least(std::uint32_t node) const { return &bounds_[size_t{node} * 2 * m_]; }
    const double* Greatest(std::uint32_t node) const { return &bounds_[(size_t{node} * 2 + 1) * m_]; }
    const double* Row(std::uint32_t at) const { return &rows_[size_t{at} * m_]; }

    size_t m_;
    std::vector<Node> nodes_;
    std::vector<double> bounds_; // per node: m least values, then m greatest
    std::vector<double> rows_;   // the rows in leaf order
    std::vector<std::uint32_t> ids_;
    std::vector<double> scale_; // the whole set's spread on each objective
};
