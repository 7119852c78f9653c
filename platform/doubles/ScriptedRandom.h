#pragma once

#include "platform/RandomSource.h"

#include <deque>
#include <vector>

namespace dunemark {

// Hands out scripted draws in order, then `fallback` once the script has run out (0 by default:
// no chance event, the lowest price). Records every clock reading folded in.
class ScriptedRandom final : public RandomSource {
public:
    float Rnd() override {
        ++draws;
        if (script.empty())
            return fallback;
        const float value = script.front();
        script.pop_front();
        return value;
    }

    void Randomize(double seed) override { seeds.push_back(seed); }

    // A draw that wins a chance of one in n.
    static float Wins(int n) { return 1.5f / static_cast<float>(n); }

    std::deque<float> script;
    float fallback = 0.0f;
    int draws = 0;
    std::vector<double> seeds;
};

} // namespace dunemark
