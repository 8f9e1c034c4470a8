#include "platform/win32/ExecutionState.h"

#include <windows.h>

namespace qpa::win32 {

void ExecutionState::keepAwake(bool awake) {
    ::SetThreadExecutionState(awake ? ES_CONTINUOUS | ES_DISPLAY_REQUIRED : ES_CONTINUOUS);
}

}  // namespace qpa::win32
