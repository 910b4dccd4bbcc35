// Reading XData: a reader over one application's items of one object, the value texts of
// its items and handles stored in them. Tags, layer line kinds and layouts read through it.
#ifndef FRAMEWORK_XDATA_H
#define FRAMEWORK_XDATA_H

#include "db/ZcDbObject.h"
#include "mfc/CString.h"

/// The XData list of one application read from one object, and a current item. The list
/// is the reader's and is freed with it.
class XDataReader {
public:
  XDataReader() = default;
  ~XDataReader();
  XDataReader(const XDataReader&) = delete;
  XDataReader& operator=(const XDataReader&) = delete;

  /// Replaces the list (the reader frees it); the current item is its head.
  void Reset(resbuf* head);
  resbuf* Head() const { return m_head; }
  resbuf* Current() const { return m_current; }
  void SetCurrent(resbuf* item) { m_current = item; }

private:
  resbuf* m_head = nullptr;
  resbuf* m_current = nullptr;
};

/// An object id holder (base of things that point at one drawing object).
class ObjectId {
public:
  explicit ObjectId(ZcDbObjectId id = ZcDbObjectId()) : m_id(id) {}
  virtual ~ObjectId() = default;
  ZcDbObjectId Id() const { return m_id; }

protected:
  ZcDbObjectId m_id;
};

/// Reads the XData of `app` from the object: 51 when it has none, the open failure, or 0.
int GetXData(XDataReader& reader, ZcDbObjectId id, const CString& app);
/// The text of the current item: strings (1000-1003, 1005) as they are, reals and points
/// (1010-1042) by their first real as "%0.6f", 1070 as "%i"; other codes an empty text.
///   1040 2.5 => "2.500000"; 1070 -3 => "-3"
CString XDataValueToText(const XDataReader& reader);
/// The object whose handle the current item's text is; the null id for empty text and for
/// a handle that names no object.
ZcDbObjectId IdFromHandle(const XDataReader& reader);

#endif
