// Filled in by the work on this subsystem.
#include "harness.h"
