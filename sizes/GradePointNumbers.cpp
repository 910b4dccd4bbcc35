// GradePointNumbers: the open gathering of grade-point numbers, one per module.
#include "sizes/GradePointNumbers.h"

namespace {
GradePointNumbers*& Open() {
  static GradePointNumbers* open = nullptr;
  return open;
}
}  // namespace

GradePointNumbers::GradePointNumbers() {
  if (Open()) return;
  Open() = this;
  m_outermost = true;
}

GradePointNumbers::~GradePointNumbers() {
  if (m_outermost) Open() = nullptr;
}

bool GradePointNumbers::Recall(ZcDbObjectId id, int& number) {
  if (!Open()) return false;
  auto found = Open()->m_numbers.find(id);
  if (found == Open()->m_numbers.end()) return false;
  number = found->second;
  return true;
}

void GradePointNumbers::Remember(ZcDbObjectId id, int number) {
  if (Open()) Open()->m_numbers[id] = number;
}

void GradePointNumbers::Forget(ZcDbObjectId id) {
  if (Open()) Open()->m_numbers.erase(id);
}
