#include "startup_state.h"

namespace pecunor::platform {

namespace {
int requestedState = showNormal;
}

int startupShowState() { return requestedState; }

void setStartupShowStateForTesting(int state) { requestedState = state; }

}  // namespace pecunor::platform
