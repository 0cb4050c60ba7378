#include "astro/fRiseSet.h"

namespace astro {} // namespace astro
