#include "core/catalogue/catalogue.h"

namespace kelvo
{

void initRefrigerantNames(RefrigerantNames& names)
{
    names = {kAllRefrigerants, "R404A", "R407C", "R22", "R134a"};
}

} // namespace kelvo
