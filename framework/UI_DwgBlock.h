// A drawing file read beside the current drawing and inserted into it as a block named
// after the file's title. Symbols (grade points, notches) and layout pieces come so.
#ifndef FRAMEWORK_UI_DWGBLOCK_H
#define FRAMEWORK_UI_DWGBLOCK_H

#include "db/ZcDbDatabase.h"
#include "mfc/CString.h"

/// Owns the side database it read (deleted with the object). Status 374 until defined.
class UI_DwgBlock {
public:
  explicit UI_DwgBlock(ZcDbDatabase* target = nullptr);
  ~UI_DwgBlock();
  UI_DwgBlock(const UI_DwgBlock&) = delete;
  UI_DwgBlock& operator=(const UI_DwgBlock&) = delete;

  /// Defines the block `FileTitle(path)` from the drawing: 0 at once when the target has
  /// it; ".dwg" is added to a path without extension; 76 when the file is missing; the
  /// read's or the insert's failure otherwise. Definitions invisible in the file stay
  /// invisible in the block. The status is kept.
  int Define(const CString& path);
  int Status() const { return m_status; }
  CString BlockName() const { return m_blockName; }
  ZcDbObjectId SideModelSpaceId() const { return m_sideModelSpace; }

  /// "C:\a\b\Part.dwg" => "Part"; "x/y.z.dwg" => "y.z"
  static CString FileTitle(const CString& path);
  /// The text after the last "." of the file name; empty when none.
  static CString Extension(const CString& path);

private:
  int m_status = 374;
  ZcDbDatabase* m_side = nullptr;
  ZcDbDatabase* m_target = nullptr;
  CString m_path, m_blockName;
  ZcDbObjectId m_sideModelSpace;
};

#endif
