// Multi-line texts the system writes: made with a height rule, placed, turned and
// rewritten through their wrapper.
#ifndef FRAMEWORK_UIS_MTEXT_H
#define FRAMEWORK_UIS_MTEXT_H

#include "db/ZcDbMText.h"
#include "mfc/CString.h"

/// The height rule: a given height > 0; else the previous text's height when > 0; else
/// DefaultTextHeight(). The chosen height is kept for the next text.
class UIS_MText {
public:
  virtual ~UIS_MText() = default;
  /// Makes the MText in model space, or rewrites the one held when it is in the drawing
  /// (a wrapper never appends its text twice); the add's status, also kept.
  int Create(const CString& contents, const ZcGePoint3d& location, double height);
  /// The same in the block record `owner`.
  int CreateInBlock(const CString& contents, const ZcGePoint3d& location, ZcDbObjectId owner,
                    double height);
  /// 374 without MText; a failure prints "UIS_MText::setRotation" and the status.
  int setRotation(double angle);
  /// 374 without MText or when it is already open for write; the set status.
  int setLocation(const ZcGePoint3d& p);
  /// 374 without MText; the close status.
  int setContents(const CString& text);
  ZcDbMText* MText() const { return m_mtext; }
  int Status() const { return m_status; }

private:
  int Make(const CString& contents, const ZcGePoint3d& location, ZcDbObjectId owner, double height,
           bool inModelSpace);
  double m_height = 0.0;
  ZcDbMText* m_mtext = nullptr;
  int m_status = 0;
};

#endif
