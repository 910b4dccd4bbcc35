// The resource compiler's core: a Windows resource script (UTF-8) in, the C++ tables of its
// strings, dialog templates, icons, PNG images and DLGINIT data out. Used by the zrc build
// tool and its tests.
#ifndef PLATFORM_TOOLS_RESOURCESCRIPT_H
#define PLATFORM_TOOLS_RESOURCESCRIPT_H

#include <string>

/// Compiles `text` (the script named `file`, for messages) into C++ source that registers
/// the string table with the platform. Understood: "//" and "/* */" comments, preprocessor
/// lines ("#define NAME number" names ids; other "#" lines are skipped), STRINGTABLE blocks
/// (BEGIN/END or braces) with entries `id[,] "text"` where adjacent literals join, escapes
/// \n \t \r \a \\ \" \0 and "" for a quote; "id DIALOGEX" (or DIALOG) templates, "id ICON"
/// and "id PNG" files beside the script, "id DLGINIT" data; "#include "header"" for its
/// "#define"s. Other resource statements are skipped up to their closing END. On error
/// returns false with "file:line: error: why" in `error`.
bool CompileResourceScript(const std::string& text, const std::string& file, std::string& cpp,
                           std::string& error);

#endif
