#pragma once

#include <cstdint>

namespace tirta {

/// The program's pseudo-random sequence: a 24-bit linear congruential generator that always starts
/// from the same state, so every run draws the same numbers in the same order. It is never seeded
/// from the clock.
class PseudoRandom
{
public:
    /// The next value in [0, 1).
    double next();

    /// The generator the whole program draws from.
    static PseudoRandom& shared();

private:
    std::uint32_t m_state = 0x50000;
};

} // namespace tirta
