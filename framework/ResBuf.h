// Building the host's result-buffer lists: command items for the driven host commands and
// filters for selections. Also carries the system variables that the save-and-set guards
// (framework/ZWVariable.h) saved around one host command. Used on the stack of one
// operation.
#ifndef FRAMEWORK_RESBUF_H
#define FRAMEWORK_RESBUF_H

#include "ed/ResultBuffer.h"
#include "ge/ZcGePoint3d.h"
#include "mfc/CString.h"

/// A result-buffer list owned by this object: items are appended at the tail and the
/// whole list is released when the object dies.
class ResBuf {
public:
  ResBuf() = default;
  ResBuf(const ResBuf&) = delete;
  ResBuf& operator=(const ResBuf&) = delete;

  /// A 3-D point item (RTPOINT, three coordinates).
  virtual void AddPoint(const ZcGePoint3d& point);
  /// A text item (RTSTR).
  virtual void AddString(const CString& text);
  virtual void AddReal(double value);
  virtual void AddShort(short value);
  /// An item of any code whose value is a text (a filter's 0, 2 or 8, a -4 marker); the
  /// text is copied. A code whose value is not a text is refused (false, nothing added),
  /// as its node could not hold the copy.
  virtual bool Add(int code, const CString& text);
  virtual ~ResBuf();

  /// Filter markers: items of code -4 with "<OR", "OR>", "<NOT", "NOT>", "<AND", "AND>".
  virtual void BeginOr() { Add(-4, L"<OR"); }
  virtual void EndOr() { Add(-4, L"OR>"); }
  virtual void BeginNot() { Add(-4, L"<NOT"); }
  virtual void EndNot() { Add(-4, L"NOT>"); }
  virtual void BeginAnd() { Add(-4, L"<AND"); }
  virtual void EndAnd() { Add(-4, L"AND>"); }

  /// The head of the list (null while empty), for the host's calls.
  resbuf* Head() const { return m_head; }
  /// The text of the first item when it is a text; the empty text otherwise.
  CString FirstText() const;

  /// A system variable saved by a save-and-set guard; `saved` is false until it was read.
  struct Saved {
    short value = 0;
    bool saved = false;
  };
  Saved m_cmdecho, m_filedia, m_pickstyle, m_osmode;

protected:
  /// Appends a node (taking ownership); false when `rb` is null.
  bool Append(resbuf* rb);

  resbuf* m_head = nullptr;
  resbuf* m_tail = nullptr;
};

/// A selection filter: AddString appends an entity-type item (0, text).
class FilterBuffer : public ResBuf {
public:
  void AddString(const CString& type) override { Add(0, type); }
};

#endif
