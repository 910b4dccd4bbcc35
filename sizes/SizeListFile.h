// Size-list files on disk: a size list read from a file the user chose, or the drawing's
// size list saved to one, in the format its extension names. The file part of the size
// rules dialog's import and export; the dialog asks for the path.
#ifndef SIZES_SIZELISTFILE_H
#define SIZES_SIZELISTFILE_H

#include <vector>

#include "sizes/Fastrelle_Size.h"

/// Appends the sizes of the file at `path` (format by extension, MakeSizesInterpreter).
/// Every line left out or changed is printed as "<path>, wiersz <n>: <why>". False, with
/// a message naming the file, when it is missing (string 42003), cannot be read, has an
/// extension of no format, or gives no size (string 40101); nothing is appended then.
bool LoadSizeList(const CString& path, std::vector<Fastrelle_Size>& sizes);

/// Writes the sizes to the file at `path` in its extension's format, replacing the file
/// whole or not at all (WriteTextLinesSafely). A size the format cannot hold is left out
/// and printed. False, with a message naming the file, for an extension of no format or a
/// failed write; the old file is then as it was.
bool SaveSizeList(const CString& path, const std::vector<Fastrelle_Size>& sizes);

#endif
