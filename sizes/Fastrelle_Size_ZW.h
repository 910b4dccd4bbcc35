// A size bound to its three layers: seam line, cut line and extra elements. Renaming it,
// making it the base size or colouring it acts on those layers; it also erases what lies
// on them and deletes them. Used by the size list, the size tools and the parts model.
#ifndef SIZES_FASTRELLE_SIZE_ZW_H
#define SIZES_FASTRELLE_SIZE_ZW_H

#include "db/ZcDbObjectId.h"
#include "sizes/Fastrelle_Linetype.h"
#include "sizes/Fastrelle_Size.h"

class ZcDbDatabase;

/// Layers of a size (markers: SizeLayerNames.h):
///   seam  = name, "^" first for the base size   38    ^40
///   cut   = seam + "'"                           38'   ^40'
///   tech  = seam + "~"                           38~   ^40~
class Fastrelle_Size_ZW : public Fastrelle_Size {
public:
  /// No name, the default colour, not base; kinds unbound.
  Fastrelle_Size_ZW() = default;
  /// The size's name, colour and flag, then OpenLayers.
  explicit Fastrelle_Size_ZW(const Fastrelle_Size& size);
  /// The size of the entity's layer (name, flag, the layer's colour), then OpenLayers; an
  /// id that does not open leaves the default size, unbound.
  explicit Fastrelle_Size_ZW(ZcDbObjectId entity);

  /// The three layers' colour (the size's own colour field stays).
  void SetColor(int color) override;
  /// The flag, then each kind renames its layer (a refused rename is printed).
  void SetBase(bool base) override;
  /// The name, then each kind gives its layer the new name (a refused rename is printed).
  /// A name failing the size-name check is printed with the reason and changes nothing.
  void SetName(const CString& name) override;

  /// Binds seam, cut and extra elements to their layers, renaming none: 374 when one of
  /// the layers is missing (the others are bound all the same), else 0.
  int OpenLayers();
  /// Erases every entity of the drawing that lies on the three layers (whatever their
  /// names hold: "38.5" never matches "38-5"). 0, or the first erase failure.
  int EraseEntities();
  /// EraseEntities, then deletes the layers: a missing one is skipped; one that is "0",
  /// current or still in use (a block definition's entity lies on it) stays and is
  /// reported by name. 0, or the first failure.
  int DeleteLayers();

  Fastrelle_Linetype& Seam() { return m_seam; }
  Fastrelle_Linetype& Cut() { return m_cut; }
  Fastrelle_Linetype& Tech() { return m_tech; }

private:
  friend Fastrelle_Size_ZW SizeFromLayerName(const CString& layerName, ZcDbDatabase* db);

  Linetype_Seam m_seam;
  Linetype_Cut m_cut;
  Linetype_Tech m_tech;
};

/// The size a layer name stands for in `db` (the working drawing when null): name without
/// markers, base flag, the layer's colour when it exists there (else the default); bound.
Fastrelle_Size_ZW SizeFromLayerName(const CString& layerName, ZcDbDatabase* db = nullptr);

#endif
