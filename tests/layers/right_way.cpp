// Compiled with core's include path only: core's own headers are found.
#include "core/geometry.h"
