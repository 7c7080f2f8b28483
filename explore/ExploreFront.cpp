#include "explore/ExploreFront.h"

#include <algorithm>
#include <cmath>
#include <limits>

ExploreFront::ExploreFront(size_t objectives, size_t block)
    : m_(objectives), block_(std::max<size_t>(block, 1)), main_(objectives), recent_(objectives) {}

void ExploreFront::Offer(const double* values, const Member& member) {
    // A figure that could not be worked out counts as the worst there is;
    // compared as it is, it would be neither better nor worse than any.
    for (size_t k = 0; k < m_; ++k)
        waitingValues_.push_back(std::isnan(values[k]) ? -std::numeric_limits<double>::infinity() : values[k]);
    waiting_.push_back(member);
    if (waiting_.size() >= block_) Flush();
}

void ExploreFront::Absorb(const ExploreFront& other) {
    for (size_t i = 0; i < other.Size(); ++i) Offer(other.ValuesAt(i), other.At(i));
}

void ExploreFront::Settle() {
    Flush();
    if (goneCount_ > 0 || !recentIds_.empty()) Reindex();
}

void ExploreFront::Flush() {
    if (waiting_.empty()) return;
    const std::vector<std::uint32_t> newcomers = BlockSurvivors();
    if (!newcomers.empty()) Admit(newcomers);
    waiting_.clear();
    waitingValues_.clear();
}

// The waiting offers no member beats, and of those the ones no other
// waiting offer beats.
std::vector<std::uint32_t> ExploreFront::BlockSurvivors() const {
    std::vector<std::uint32_t> open;
    const double* last = nullptr; // what beat the last offer often beats the next
    for (std::uint32_t i = 0; i < waiting_.size(); ++i) {
        const double* c = &waitingValues_[i * m_];
        if (last && Beats(last, c, m_)) continue;
        last = main_.BeatenBy(c);
        if (!last) last = recent_.BeatenBy(c);
        if (!last) open.push_back(i);
    }
    if (open.size() <= 1) return open;
    DominanceIndex block(m_);
    block.Build(waitingValues_.data(), open);
    std::vector<std::uint32_t> kept;
    for (std::uint32_t i : open)
        if (!block.Beaten(&waitingValues_[i * m_])) kept.push_back(i);
    return kept;
}

void ExploreFront::Admit(const std::vector<std::uint32_t>& newcomers) {
    std::vector<std::uint32_t> beaten;
    for (std::uint32_t i : newcomers) {
        main_.CollectBeatenBy(&waitingValues_[i * m_], beaten);
        recent_.CollectBeatenBy(&waitingValues_[i * m_], beaten);
    }
    for (std::uint32_t id : beaten) Remove(id);
    for (std::uint32_t i : newcomers) {
        recentIds_.push_back(static_cast<std::uint32_t>(members_.size()));
        members_.push_back(waiting_[i]);
        values_.insert(values_.end(), &waitingValues_[i * m_], &waitingValues_[(i + 1) * m_]);
        gone_.push_back(0);
    }
    // A member that has left still beats whatever it beat (what beat it
    // beats that too), so the indexes may keep it until they are rebuilt.
    const size_t live = members_.size() - goneCount_;
    if (recentIds_.size() * 4 > live || goneCount_ > live) {
        Reindex();
        return;
    }
    std::erase_if(recentIds_, [&](std::uint32_t id) { return gone_[id] != 0; });
    recent_.Build(values_.data(), recentIds_);
}

void ExploreFront::Remove(std::uint32_t id) {
    if (gone_[id]) return;
    gone_[id] = 1;
    ++goneCount_;
}

// Drops the members that have left and indexes the rest in one tree.
void ExploreFront::Reindex() {
    size_t kept = 0;
    for (size_t id = 0; id < members_.size(); ++id) {
        if (gone_[id]) continue;
        if (kept != id) {
            members_[kept] = members_[id];
            std::copy_n(&values_[id * m_], m_, &values_[kept * m_]);
        }
        ++kept;
    }
    members_.resize(kept);
    values_.resize(kept * m_);
    gone_.assign(kept, 0);
    goneCount_ = 0;
    recentIds_.clear();
    recent_.Clear();
    std::vector<std::uint32_t> all(kept);
    for (std::uint32_t id = 0; id < kept; ++id) all[id] = id;
    main_.Build(values_.data(), std::move(all));
}
