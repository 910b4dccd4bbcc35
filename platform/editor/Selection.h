// One selection as the editor builds it, and the selection steps shared by zcedSSGet and
// the host's own commands that ask for objects ("MOVE", "ERASE", ...). Private to the
// editor.
#ifndef PLATFORM_EDITOR_SELECTION_H
#define PLATFORM_EDITOR_SELECTION_H

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "db/ZcDbObjectId.h"
#include "ed/ResultBuffer.h"
#include "editor/Prompter.h"
#include "ge/ZcGePoint3d.h"

namespace editor {

struct Selection {
  struct Member {
    ZcDbObjectId id;
    int method = 0;                  // 0 by mode, 1 pick, 2 window, 3 crossing
    std::vector<ZcGePoint3d> points;  // the pick point or the window's corners (world)
  };
  std::vector<Member> members;
  bool Has(ZcDbObjectId id) const;
  /// Adds a member not yet held; false when it is held already.
  bool Add(const Member& member);
};

/// What a filter of kinds and layers only said of each kind and layer met so far: its answer
/// depends on nothing else. Kept for one filter over one selection step, which renames no
/// layer and frees no entity. The kind is the DXF name's text by its address: a class's
/// constant, or the entity's own text for one of no class of ours; two addresses of the
/// same text are only judged twice.
using HeaderVerdicts = std::map<std::pair<const char*, ZcDbObjectId>, bool>;

/// True when the entity passes the filter (null passes everything); `verdicts`, when given,
/// keeps and reuses the answers of a kind-and-layer filter.
bool Passes(ZcDbObjectId id, const resbuf* filter, HeaderVerdicts* verdicts = nullptr);
/// Adds a member that passes the filter and, under "PICKSTYLE" bit 1, the other members
/// of its selectable groups.
void AddWithGroups(Selection& selection, const Selection::Member& member, const resbuf* filter,
                   HeaderVerdicts* verdicts = nullptr);
/// Adds the visible entities in (or, `crossing`, crossing) the box of two user-coordinate
/// corners; the number added.
int WindowStep(Selection& selection, const ZcGePoint3d& corner1, const ZcGePoint3d& corner2, bool crossing,
               const resbuf* filter);

/// Where the steps get their answers: the prompter (editor::Ask) or a host command's line.
using Asker = std::function<int(const Request&, Answer&)>;
/// The user's selection steps at "Select objects: " (see zcedSSGet): until Enter, or with
/// `single` until one step found something. RTNORM, or RTCAN when the user cancelled.
int SelectSteps(Selection& selection, bool single, const resbuf* filter, const Asker& ask);

void ResetSelections();

}  // namespace editor

#endif
