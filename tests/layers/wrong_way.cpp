// Compiled with core's include path only: a layer above must not be found.
#include "commands/commands.h"
