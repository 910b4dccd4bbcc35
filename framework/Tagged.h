// A drawing object marked by string tags in the XData of a registered application; the
// layout's drawing items derive from it.
#ifndef FRAMEWORK_TAGGED_H
#define FRAMEWORK_TAGGED_H

#include "db/ZcDbObject.h"
#include "mfc/CString.h"

/// The tags are 1000 items after the application's 1001 item, in the order they were
/// added: (1001 app) (1000 tag) (1000 tag) ...
class Tagged {
public:
  Tagged(ZcDbObjectId id, const CString& app) : m_id(id), m_app(app) {}
  virtual ~Tagged() = default;

  /// Appends a tag (registering the application first when the object has no XData of
  /// it); 600 for an invalid id; the write's status (printed when it fails).
  int AddTag(const CString& text);
  /// True when an item's value text equals `text` ignoring case (Polish collation).
  bool HasTag(const CString& text) const;
  /// Appends each item's value text that contains `text` (case-sensitive).
  void FindTags(const CString& text, CStringArray& found) const;

protected:
  ZcDbObjectId m_id;
  CString m_app;
};

#endif
