#pragma once

#include <stdexcept>

namespace kelvo::cli
{

// Bad input on the command line: reported as one line on stderr with exit status 2.
class CommandError : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

} // namespace kelvo::cli
