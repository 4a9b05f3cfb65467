#pragma once

#include "core/app/application_state.h"

namespace kelvo
{

// Clears the calculation guard for its lifetime and restores the previous value on every
// exit, also when an exception leaves the scope: while a window fills its lists, nothing it
// touches runs a calculation.
class CalculationPause
{
  public:
    explicit CalculationPause(ApplicationState& state)
        : flag_(state.refrigerant.calculationEnabled), previous_(flag_)
    {
        flag_ = false;
    }
    ~CalculationPause() { flag_ = previous_; }
    CalculationPause(const CalculationPause&) = delete;
    CalculationPause& operator=(const CalculationPause&) = delete;

  private:
    bool& flag_;
    bool previous_;
};

} // namespace kelvo
