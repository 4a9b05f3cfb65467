#pragma once

namespace kelvo
{

// Clears a session's "calculation enabled" flag for its lifetime and restores the value it
// found on every exit: while a session fills its own lists, or a window fills its controls,
// nothing they touch runs a calculation or stores a record. Sessions hand one out over their
// own flag, so that nobody else reaches the flag itself.
class CalculationPause
{
  public:
    explicit CalculationPause(bool& enabled) : enabled_(enabled), previous_(enabled)
    {
        enabled_ = false;
    }
    ~CalculationPause() { enabled_ = previous_; }
    CalculationPause(const CalculationPause&) = delete;
    CalculationPause& operator=(const CalculationPause&) = delete;

  private:
    bool& enabled_;
    bool previous_;
};

} // namespace kelvo
