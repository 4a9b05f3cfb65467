#pragma once

#include <stdexcept>

namespace kelvo::workbook
{

// Why a workbook cannot be read, in the user's words; the caller names the file.
class Unreadable : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

} // namespace kelvo::workbook
