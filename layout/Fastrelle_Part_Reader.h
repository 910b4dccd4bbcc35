// Reads part records out of a model drawing on the disk (not the open drawing): what the
// layout items need of a part (its type and quantity). Used when a layout's content is
// loaded and by the warehouse.
#ifndef LAYOUT_FASTRELLE_PART_READER_H
#define LAYOUT_FASTRELLE_PART_READER_H

#include <memory>

#include "mfc/CString.h"

class Fastrelle_Part;
class ZcDbDatabase;

/// One model drawing, read once at the first Read and kept until the reader dies, so that
/// a layout naming many parts of one model reads that model once.
class Fastrelle_Part_Reader {
public:
  explicit Fastrelle_Part_Reader(const CString& modelPath);
  ~Fastrelle_Part_Reader();
  Fastrelle_Part_Reader(const Fastrelle_Part_Reader&) = delete;
  Fastrelle_Part_Reader& operator=(const Fastrelle_Part_Reader&) = delete;

  /// Reads the record of the part `name` (letter case aside) into `part` (name, type and
  /// quantity; a part without record is type 0, quantity 1): 0. When the drawing cannot
  /// be read, the read's status (76 missing, 72 unreadable, 63 malformed; the same status
  /// again at every later call, without reading again) and `part` is untouched.
  int Read(const CString& name, Fastrelle_Part& part);
  /// The status of reading the drawing: 0 once read, -1 before the first Read.
  int Status() const { return m_status; }
  /// Why the drawing could not be read (the reader's words, naming the line of a malformed
  /// file); "" when it was read.
  const CString& Error() const { return m_error; }
  const CString& GetPath() const { return m_path; }

private:
  CString m_path;
  std::unique_ptr<ZcDbDatabase> m_db;
  int m_status = -1;
  CString m_error;
};

#endif
