#pragma once
// What the explore core's own files share: how an explored input reaches the
// design's inputs, how figures are compared and shown, and the turret list
// cut to a variant's count. Not for use outside explore/.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "explore/Explore.h"
#include "shipdata/Turrets.h"

namespace explore_detail {

// Keeps the first n turrets of a list, parking the rest in order so a later
// variant can take them back without copying.
class TurretCut {
public:
    void Keep(std::vector<std::unique_ptr<TTurret>>& list, size_t n) {
        while (list.size() > n) {
            parked_.push_back(std::move(list.back()));
            list.pop_back();
        }
        while (list.size() < n && !parked_.empty()) {
            list.push_back(std::move(parked_.back()));
            parked_.pop_back();
        }
    }

private:
    std::vector<std::unique_ptr<TTurret>> parked_;
};

// The field of an armour input, or none for the others.
int* ArmourField(DesignInputs& in, ExploreInput input);
// Puts one stored value into the inputs; main turrets go to `turrets`.
void SetValue(DesignInputs& in, ExploreInput input, std::int32_t v, int& turrets);
// 1234567 as "1,234,567".
std::string Grouped(std::uint64_t n);
// Objective values as compared: every one maximised.
inline double Sense(const ExploreObjective& o, double v) { return o.Minimise() ? -v : v; }

} // namespace explore_detail
