#include "pseudorandom.h"

namespace tirta {

double PseudoRandom::next()
{
    constexpr std::uint32_t kMultiplier = 1140671485u;
    constexpr std::uint32_t kIncrement = 12820163u;
    constexpr std::uint32_t kModulus = 1u << 24;
    m_state = (m_state * kMultiplier + kIncrement) % kModulus;
    return static_cast<double>(m_state) / kModulus;
}

PseudoRandom& PseudoRandom::shared()
{
    static PseudoRandom generator;
    return generator;
}

} // namespace tirta
