// The resource compiler's part for resources other than strings: DIALOGEX and DIALOG
// templates, ICON and PNG files, DLGINIT data. Each is parsed after its "id KIND" and
// written as C++ tables for the platform's ResourceImage.
#ifndef PLATFORM_TOOLS_DIALOGSCRIPT_H
#define PLATFORM_TOOLS_DIALOGSCRIPT_H

#include <string>
#include <vector>

#include "tools/ResourceLexer.h"

namespace zrc {

/// What the resources compiled so far add to the generated source.
struct CompiledResources {
  std::string definitions;               // arrays the entries below point to
  std::vector<std::string> dialogs;      // DialogTemplate initialisers
  std::vector<std::string> binaries;     // BinaryResource initialisers
  std::vector<std::string> inits;        // DialogInitData initialisers
  std::vector<long> dialogIds, binaryIds;
};

/// True for the kinds CompileResource takes.
bool IsCompiledKind(const std::string& word);
/// Parses resource `id` of `kind` (the lexer stands after the kind word) and appends it.
/// Errors throw with "file:line: error: why".
void CompileResource(Lexer& lex, long id, const std::string& kind, int line, CompiledResources& out);

}  // namespace zrc

#endif
