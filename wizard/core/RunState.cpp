#include "core/RunState.h"

RunState Rs;

void ResetRunState() { Rs = RunState(); }
