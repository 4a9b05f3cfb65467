#pragma once

#include <functional>

namespace kelvo
{

// What a long loop tells its caller while it runs, as a progress bar shows it: the position
// reached (`done`) and the bar's maximum (`total`). The caller opens its progress window before
// the loop and closes it when the operation returns.
using ProgressReport = std::function<void(int done, int total)>;

} // namespace kelvo
