#pragma once

#include <locale.h>

namespace kelvo
{

// The spreadsheet libraries read and write numbers with the process locale, so under a locale
// with a decimal comma "5578.55" would read as 5578 or be written as "5578,55". They run with
// the "C" locale on this thread only, and the caller's locale comes back afterwards.
class ClassicLocaleOnThisThread
{
  public:
    ClassicLocaleOnThisThread()
        : classic_(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr))),
          previous_(classic_ ? uselocale(classic_) : static_cast<locale_t>(nullptr))
    {
    }
    ~ClassicLocaleOnThisThread()
    {
        if (classic_) {
            uselocale(previous_);
            freelocale(classic_);
        }
    }
    ClassicLocaleOnThisThread(const ClassicLocaleOnThisThread&) = delete;
    ClassicLocaleOnThisThread& operator=(const ClassicLocaleOnThisThread&) = delete;

  private:
    locale_t classic_;
    locale_t previous_;
};

} // namespace kelvo
