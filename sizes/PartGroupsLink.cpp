// The registration point of the parts model's link for the size tools.
#include "sizes/PartGroupsLink.h"

namespace {
PartGroupsLink*& Registered() {
  static PartGroupsLink* link = nullptr;
  return link;
}
}  // namespace

void SetPartGroupsLink(PartGroupsLink* link) { Registered() = link; }

PartGroupsLink* GetPartGroupsLink() { return Registered(); }
