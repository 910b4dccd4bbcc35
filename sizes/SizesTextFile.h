// The text files a user hands the sizes code (size lists, ordering lists): read whatever
// their encoding, and written whole or not at all. Used by the size-list files and the
// ordering lists, and by their fuzz targets through DecodeTextLines.
#ifndef SIZES_SIZESTEXTFILE_H
#define SIZES_SIZESTEXTFILE_H

#include <string>

#include "mfc/CString.h"

/// Splits a text file's bytes into lines. The encoding: a byte-order mark decides (FF FE
/// UTF-16LE, FE FF UTF-16BE, EF BB BF UTF-8); without one, bytes with no zero byte are
/// UTF-8, or Windows-1250 when they are not valid UTF-8, and bytes with a zero byte are
/// UTF-16LE. Lines end at "\n", "\r\n" or "\r"; a last line without its end counts, an
/// empty text has no line.
///   "a\r\nb" => "a", "b";  "a\n" => "a";  "" => (none)
void DecodeTextLines(const std::string& bytes, CStringArray& lines);

/// Reads the file's lines (DecodeTextLines): 0; 76 when it is missing; 72 when it cannot be
/// read to its end or is larger than 16 MB (no size or ordering list is). Nothing is
/// appended on failure.
int ReadTextLines(const CString& path, CStringArray& lines);

/// Replaces the file by the lines (UTF-16LE with a byte-order mark, CRLF), safely: the
/// lines go to a temporary file beside it, every write and the close are checked, and
/// only then does it take the old file's place. False when anything failed: the old file
/// is then as it was and no temporary file is left.
bool WriteTextLinesSafely(const CString& path, const CStringArray& lines);

#endif
