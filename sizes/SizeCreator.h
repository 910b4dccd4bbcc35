// Making the sizes of a list in the drawing: what the size rules dialog's import does with
// the sizes of a size-list file.
#ifndef SIZES_SIZECREATOR_H
#define SIZES_SIZECREATOR_H

#include <vector>

#include "sizes/Fastrelle_Size.h"

class SizeCreator {
public:
  virtual ~SizeCreator() = default;
  /// Each size the drawing lacks (names compared case aside; the drawing's sizes loaded
  /// once) gets its layers (EnsureSizeLayers) as a plain size, so that a drawing never
  /// gains a second base size; a failure prints "SizeCreator::Create" and its status, and
  /// the next size is taken. A name listed twice is made once. Then, when the drawing has
  /// no base size and the list named one the drawing now has, that size becomes the base.
  /// Returns 0; the vector is emptied.
  virtual int Create(std::vector<Fastrelle_Size>& sizes);
};

#endif
