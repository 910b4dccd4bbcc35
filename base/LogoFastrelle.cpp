// The About dialog's logo.
#include "base/LogoFastrelle.h"

bool LogoFastrelle::LoadPng(UINT id) {
  if (!m_image.Load(id)) return false;
  SetBitmap(m_image);
  return true;
}
