#include "base/RundAf.h"

#include <cmath>

int RundAf(double vaerdi)
{
    return static_cast<int>(std::nearbyint(vaerdi));
}
