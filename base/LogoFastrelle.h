// The About dialog's logo: a picture control that shows a PNG resource of the modules.
#ifndef BASE_LOGOFASTRELLE_H
#define BASE_LOGOFASTRELLE_H

#include "mfc/CMFCControls.h"

class LogoFastrelle : public CStatic {
public:
  /// Loads PNG resource `id` and shows it (STM_SETIMAGE, IMAGE_BITMAP); false when the
  /// resource is missing or is no PNG image, and the picture stays empty.
  virtual bool LoadPng(UINT id);

protected:
  CPngImage m_image;
};

#endif
