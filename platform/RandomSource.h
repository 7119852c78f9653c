#pragma once

namespace dunemark {

// The program's one random generator.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform single-precision value in [0, 1).
    virtual float Rnd() = 0;
    // Folds a clock reading into the generator's state.
    virtual void Randomize(double seed) = 0;
};

} // namespace dunemark
