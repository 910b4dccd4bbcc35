// The resource compiler's part for VERSIONINFO: the fixed version statements become a
// VS_FIXEDFILEINFO placed in the module's own ELF section, where GetFileVersionInfoW finds it
// in the file on disk; the StringFileInfo and VarFileInfo blocks are parsed and skipped.
#ifndef PLATFORM_TOOLS_VERSIONSCRIPT_H
#define PLATFORM_TOOLS_VERSIONSCRIPT_H

#include <string>

#include "tools/ResourceLexer.h"

namespace zrc {

/// Parses a VERSIONINFO resource (the lexer stands after the word VERSIONINFO) and returns
/// the C++ definition of its record. Understood: FILEVERSION and PRODUCTVERSION a,b,c,d
/// (each number 0-65535), FILEFLAGSMASK, FILEFLAGS, FILEOS, FILETYPE, FILESUBTYPE (numbers,
/// defined names or the usual VS_/VOS_/VFT_ names, joined by "|"), then one block of BLOCK
/// and VALUE statements. Errors throw with "file:line: error: why".
std::string CompileVersionInfo(Lexer& lex, int line);

}  // namespace zrc

#endif
