// The DXF filer: what an object writes its fields into and reads them back from, group
// code by group code. The drawing-file reader and writer, and the entity data lists of the
// editor (zcdbEntGet), drive it; each object class describes its own DXF layout beside
// its dxfOutFields/dxfInFields.
#ifndef PLATFORM_DB_ZCDBDXFFILER_H
#define PLATFORM_DB_ZCDBDXFFILER_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint2d.h"
#include "ge/ZcGePoint3d.h"
#include "ge/ZcGeVector3d.h"

class ZcDbDatabase;

/// One group of a DXF record: the code, its value as it stands in the file, and the line
/// of the file the code stood on (0 for groups made in memory).
struct ZcDbDxfPair {
  // The value first: so the pair takes 24 bytes, not 32, which counts when a large file's
  // millions of groups are held at once.
  std::string_view value;
  int code = 0;
  int line = 0;
  ZcDbDxfPair() = default;
  ZcDbDxfPair(int code, std::string_view value, int line = 0) : value(value), code(code), line(line) {}
};

/// Writing: each call appends one group (points append three). Reading: the object's groups
/// in file order, walked segment by segment (a segment starts after a 100 subclass marker).
/// A value that does not convert sets the filer's error (first one wins) naming the line,
/// and gives 0 / empty, so a reader can finish its loop and the caller reports the error.
/// Writing a number that is not finite sets the error too (the text could not be read back).
class ZcDbDxfFiler {
public:
  /// A writer that appends to `out` (DXF text, one item per line).
  explicit ZcDbDxfFiler(std::string& out);
  /// A reader over `pairs` (kept by reference), resolving handles in `db`.
  ZcDbDxfFiler(const std::vector<ZcDbDxfPair>& pairs, ZcDbDatabase* db)
      : ZcDbDxfFiler(pairs.data(), pairs.size(), db) {}
  /// A reader over `count` groups from `pairs` (kept by reference).
  ZcDbDxfFiler(const ZcDbDxfPair* pairs, std::size_t count, ZcDbDatabase* db);

  bool isReading() const { return out_ == nullptr; }

  // --- Writing -----------------------------------------------------------------------------
  void writeString(int code, const wchar_t* text);
  /// The whole text, NUL characters included ("^@").
  void writeString(int code, const std::wstring& text);
  /// Writes ASCII text as it stands (subclass markers, type names).
  void writeRaw(int code, std::string_view text);
  void writeInt(int code, long long value);
  void writeDouble(int code, double value);
  /// code, code+10, code+20.
  void writePoint3d(int code, const ZcGePoint3d& p);
  void writeVector3d(int code, const ZcGeVector3d& v);
  /// code, code+10.
  void writePoint2d(int code, const ZcGePoint2d& p);
  /// The object's handle as hex; "0" for a null or foreign id.
  void writeObjectId(int code, ZcDbObjectId id);
  void writeHandle(int code, std::uint64_t handle);

  // --- Reading -----------------------------------------------------------------------------
  /// Positions after the "100 `marker`" group; when the record has no such marker the walk
  /// starts at its beginning (files without subclass markers). Returns whether it was found.
  bool seekMarker(const char* marker);
  /// The next group of the segment; false at the next 100 marker, at the XData (1001) or at
  /// the end of the record.
  bool next(ZcDbDxfPair& pair);
  /// The next group, whatever it is; false at the end of the record.
  bool nextAny(ZcDbDxfPair& pair);
  void rewind() { pos_ = 0; }

  std::wstring toString(const ZcDbDxfPair& p);
  double toDouble(const ZcDbDxfPair& p);
  long long toInt(const ZcDbDxfPair& p);
  /// The object with the handle; the null id for "0", for an unknown handle or bad text.
  ZcDbObjectId toObjectId(const ZcDbDxfPair& p);
  std::uint64_t toHandle(const ZcDbDxfPair& p);
  /// Reads the y and z groups following an x group (code+10, code+20) at the cursor;
  /// missing ones give 0.
  ZcGePoint3d toPoint3d(const ZcDbDxfPair& x);
  ZcGeVector3d toVector3d(const ZcDbDxfPair& x) { return toPoint3d(x).asVector(); }

  bool hasError() const { return !error_.empty(); }
  const std::wstring& error() const { return error_; }
  int errorLine() const { return errorLine_; }
  void setError(int line, const std::wstring& message);
  ZcDbDatabase* database() const { return db_; }

  /// DXF text of a wide string in the Windows-1250 code page (the files' $DWGCODEPAGE):
  /// control characters as "^" + char+64, a literal "^" as "^ ", a character the code
  /// page lacks as "\U+XXXX" (surrogate pairs beyond the BMP).
  static void encodeText(std::wstring_view text, std::string& out);
  /// The inverse of encodeText for a file of `codePage` (1250, 1252, 65001 for UTF-8, or
  /// another Windows code page that knowsCodePage). A malformed UTF-8 sequence is U+FFFD in
  /// a UTF-8 file and its bytes' 1252 characters in a 1252 one, never the character an
  /// overlong form would spell; a byte another code page does not define is U+FFFD.
  static std::wstring decodeText(std::string_view text, int codePage = 1250);
  /// True for a code page decodeText reads: 1250, 1252, 65001, or a Windows code page the
  /// text conversion library has a converter for.
  static bool knowsCodePage(int codePage);
  /// A value as an error message quotes it: decoded, cut to its first 80 characters with
  /// "..." after the cut, so that a huge line never fills the message.
  static std::wstring excerpt(std::string_view text, int codePage = 1250);
  /// `message` with each quoted part ("...") longer than 80 characters cut as excerpt cuts
  /// it; the filer's and the reader's errors pass through it, whatever they quote.
  static std::wstring shortenQuotes(const std::wstring& message);

private:
  std::string* out_ = nullptr;
  const ZcDbDxfPair* pairs_ = nullptr;
  std::size_t count_ = 0;
  ZcDbDatabase* db_ = nullptr;
  std::size_t pos_ = 0;
  std::wstring error_;
  int errorLine_ = 0;
};

#endif
