// Text styles by name, the current style and the default text height new texts take.
#ifndef FRAMEWORK_ZWTEXTSTYLE_H
#define FRAMEWORK_ZWTEXTSTYLE_H

#include "db/ZcDbSymbolTable.h"
#include "mfc/CString.h"

class ZWTextStyle {
public:
  virtual ~ZWTextStyle() = default;
  /// The id of the style `name`: the table's open failure, 33 when missing, else the
  /// table's close status.
  int FindByName(const CString& name);
  /// 600 for an invalid id; the open failure; 20 when the object is no text style; 0.
  int Open();
  ZcDbObjectId Id() const { return m_id; }
  ZcDbTextStyleTableRecord* Record() const { return m_record; }
  int Status() const { return m_status; }

private:
  int m_status = 0;
  ZcDbTextStyleTableRecord* m_record = nullptr;
  ZcDbObjectId m_id;
};

/// The current text style (the drawing's TEXTSTYLE setting); null without a drawing.
ZcDbObjectId CurrentTextStyleId();
/// The fixed height of the current style; when it has none (or cannot be read), the
/// drawing's TEXTSIZE setting.
double DefaultTextHeight();

#endif
