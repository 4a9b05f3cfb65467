#pragma once

#include <cfenv>

namespace kelvo
{

// Watches the floating-point fault flags over a stretch of unchecked arithmetic: clears them
// when made and tells afterwards whether a division by zero, an overflow or an invalid
// operation happened since. A non-finite figure always raises one of them on its way, so a
// clean watch means that a checked run would have ended without a fault. Nothing else in the
// program reads the flags.
class FaultFlagWatch
{
  public:
    // Clearing costs far more than looking, and the flags are clear after every clean watch.
    FaultFlagWatch()
    {
        if (std::fetestexcept(kWatched) != 0)
            std::feclearexcept(kWatched);
    }
    FaultFlagWatch(const FaultFlagWatch&) = delete;
    FaultFlagWatch& operator=(const FaultFlagWatch&) = delete;

    [[nodiscard]] bool faultRaised() const { return std::fetestexcept(kWatched) != 0; }

  private:
    static constexpr int kWatched = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;
};

} // namespace kelvo
