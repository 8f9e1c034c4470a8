#pragma once
#include "ports/Desktop.h"

namespace qpa::win32 {

// The display kept on through the thread's execution state.
class ExecutionState final : public DisplayKeeper {
  public:
    void keepAwake(bool awake) override;
};

}  // namespace qpa::win32
