// The registration point of the parts rebuild.
#include "sizes/RebuildPartsInAllSizes.h"

namespace {
RebuildPartsFunction& Registered() {
  static RebuildPartsFunction function = nullptr;
  return function;
}
}  // namespace

void SetRebuildPartsFunction(RebuildPartsFunction function) { Registered() = function; }

int RebuildPartsInAllSizes() { return Registered() ? Registered()() : 0; }
