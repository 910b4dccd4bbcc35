// The host's selection sets and the editor services that find entities in the drawing:
// selections by mode, window, pick and filter; the pick-first set; single picks; object
// snaps; and boundaries traced around a point. Used by the system's selection helpers.
#ifndef PLATFORM_ED_SELECTIONSETS_H
#define PLATFORM_ED_SELECTIONSETS_H

#include <cstdint>

#include "db/ZcArray.h"
#include "ed/ResultBuffer.h"
#include "ge/ZcGePoint3d.h"

using ZcDbVoidPtrArray = ZcArray<void*>;

/// Makes a selection set of top-level entities that pass `filter` (null: all; see the
/// editor's filter rules: implicit AND, -4 "<OR"/"<AND"/"<NOT"/"<XOR" groups, texts as
/// case-insensitive wildcards). `mode` (a leading "_" is ignored):
///   "X"          every entity of model and paper space, layers on or off;
///   "I"          the pick-first set;
///   "C" / "W"    the visible entities whose path crosses / lies wholly in the box of the
///                corners `pt1` and `pt2` (ads_point, user coordinates, any order);
///   "L"          the last entity drawn in model space that is not erased;
///   ":S"         one selection step from the user (a pick or a window), then done;
///   null or ""   selection steps from the user until Enter.
/// The user's steps come from the input queue at the prompt "Select objects: ": a point
/// picks the entity under the pick box (a point that picks nothing starts a window whose
/// opposite corner is asked: to the right a window, to the left a crossing), "W" or "C"
/// then two corners, "ALL", "L" (last), Enter to finish, "@cancel" or an exhausted queue to
/// cancel. With "PICKSTYLE" bit 1 set, a picked member of a selectable group brings the
/// whole group. RTNORM with a new set in `ss` (free it with zcedSSFree); RTERROR when
/// nothing was selected or the mode is unknown; RTCAN when the user cancelled.
int zcedSSGet(const wchar_t* mode, const void* pt1, const void* pt2, const resbuf* filter, ads_name ss);
/// The number of entities in a set. RTNORM; RTERROR for a name that is no live set.
int zcedSSLength(const ads_name ss, std::int32_t* length);
/// The entity at `index`. RTNORM; RTERROR for a bad set or index.
int zcedSSName(const ads_name ss, std::int32_t index, ads_name entity);
/// How the entity at `index` was selected, as a new list (free it with zcutRelRb): RTSHORT
/// the method (0 by mode, 1 pick, 2 window, 3 crossing), RTENAME the entity, then for a
/// pick the picked point and for a window its two corners, each a 5009 (RT3DPOINT) item in
/// world coordinates. RTNORM; RTERROR for a bad set or index.
int zcedSSNameX(resbuf** info, const ads_name ss, std::int32_t index);
/// Both null: a new empty set in `result`. `entity` only: a new set holding it. Both: the
/// entity is added to `ss` (once) and `result` names `ss`. RTNORM; RTERROR for a name that
/// is no live entity or set.
int zcedSSAdd(const ads_name entity, const ads_name ss, ads_name result);
/// Frees a set. RTNORM; RTERROR for a name that is no live set.
int zcedSSFree(const ads_name ss);
/// The pick-first set: `pickSet` (may be null) receives a list of one RTPICKS item naming a
/// new set that holds it, or null when there is none; the caller frees the set and the
/// list. Grips are not kept, so `gripSet` (may be null) receives null. RTNORM.
int zcedSSGetFirst(resbuf** gripSet, resbuf** pickSet);
/// Makes the entities of `pickSet` the pick-first set (a copy: the caller still frees its
/// set); a null set empties it. RTNORM; RTERROR for a name that is no live set.
int zcedSSSetFirst(const ads_name pickSet, const ads_name unused);

/// Asks for one entity pick at `prompt` (default "Select object: "), with the keywords of
/// zcedInitGet. RTNORM with the entity and the picked point (user coordinates); RTKWORD for
/// a keyword (zcedGetInput gives it); RTERROR when the pick found nothing (a message says
/// so); RTNONE for Enter; RTCAN on cancel.
int zcedEntSel(const wchar_t* prompt, ads_name entity, ads_point point);

/// Snaps a point (user coordinates) to the visible geometry within the aperture box
/// ("APERTURE" pixels at the current zoom) around it. `modes`: snap names separated by
/// commas, each with or without "_": "end" (ends and polyline vertices), "mid" (middles of
/// lines, arcs and polyline segments), "cen" (centres of arcs and circles), "nea" (the
/// nearest point of a path), "non" (none). Of all candidates the one nearest the point
/// wins. RTNORM with `result`; RTERROR when nothing lies within the aperture or a mode is
/// unknown.
int zcedOsnap(const ads_point point, const wchar_t* modes, ads_point result);

/// Traces the closed boundary around `seed` (world coordinates) through the visible curves
/// of model space, with the islands inside it when `detectIslands`. Each loop is a new
/// entity that is not in the drawing, owned by the caller: a closed ZcDbPolyline when its
/// edges are lines and arcs, else a ZcDbRegion with the exact edges (lines, arcs, elliptic
/// arcs, splines). eOk;
/// eNoInputFiles when no boundary encloses the seed; eInvalidInput when the drawing has no
/// curves.
Zcad::ErrorStatus zcedTraceBoundary(const ZcGePoint3d& seed, bool detectIslands, ZcDbVoidPtrArray& result);

#endif
