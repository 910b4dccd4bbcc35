// One attribute of a block reference, by id: its tag read and its text written.
#ifndef FRAMEWORK_UI_ATTRIBUTE_REF_H
#define FRAMEWORK_UI_ATTRIBUTE_REF_H

#include "db/ZcDbText.h"
#include "mfc/CString.h"

/// Holds the attribute open only inside each operation.
class UI_Attribute_Ref {
public:
  explicit UI_Attribute_Ref(ZcDbObjectId id) : m_id(id) {}
  virtual ~UI_Attribute_Ref() = default;

  /// Opens the attribute in `mode`: 16 for an invalid id; an open failure is printed with
  /// "UI_Attribute_Ref::open" and returned; an object that is no attribute is closed again,
  /// printed, and gives 34.
  int open(int mode);
  /// Sets the text (the contents of a multi-line attribute's text): the open failure, else
  /// the first failing status, else the close status.
  int setText(const CString& text);
  /// The tag; empty when the attribute does not open.
  CString getTag();
  int close();
  ZcDbAttribute* Attribute() const { return m_attribute; }

private:
  ZcDbObjectId m_id;
  ZcDbAttribute* m_attribute = nullptr;
};

#endif
