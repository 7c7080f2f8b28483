#pragma once
// The explorer's non-dominated set: of every scored variant offered, those
// no other beats (at least as good on every objective and better on one).
// Variants with equal scores are all kept.
//
// Offers wait in a block. A full block is first checked against the front
// through its index, which drops nearly all of it; the few left are sorted
// out among themselves, the members they beat leave, and they join a small
// index of recent members that is folded into the main one when it has
// grown by a quarter. So a front of thousands costs a variant a few dozen
// comparisons, not one per member.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "explore/DominanceIndex.h"

class ExploreFront {
public:
    struct Member {
        std::uint64_t Index;
        std::int32_t TotalWeight, Displacement;
    };

    // objectives: values per variant, each turned so that more is better.
    // block: offers gathered before they are checked.
    explicit ExploreFront(size_t objectives, size_t block = 4096);

    void Offer(const double* values, const Member& member);
    // Offers every member of another, settled front.
    void Absorb(const ExploreFront& other);
    // Checks the waiting offers; afterwards Size, At and ValuesAt give the
    // front, until the next offer.
    void Settle();

    size_t Size() const { return members_.size(); }
    const Member& At(size_t i) const { return members_[i]; }
    const double* ValuesAt(size_t i) const { return &values_[i * m_]; }

private:
    void Flush();
    std::vector<std::uint32_t> BlockSurvivors() const;
    void Admit(const std::vector<std::uint32_t>& newcomers);
    void Remove(std::uint32_t id);
    void Reindex();

    size_t m_, block_;
    // Offers not yet checked.
    std::vector<double> waitingValues_;
    std::vector<Member> waiting_;
    // The members, by id; a member beaten later is marked gone and dropped
    // at the next Reindex.
    std::vector<double> values_;
    std::vector<Member> members_;
    std::vector<char> gone_;
    size_t goneCount_ = 0;
    DominanceIndex main_, recent_;
    std::vector<std::uint32_t> recentIds_;
};
