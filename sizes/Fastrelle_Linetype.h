// The line kinds of a size: seam line, cut line and extra elements, each one layer of the
// size's triple. A kind names its layer, takes its linetype and scale from "Lines.ini",
// and keeps them on the layer as XData. Used by the size model and the parts' layers.
#ifndef SIZES_FASTRELLE_LINETYPE_H
#define SIZES_FASTRELLE_LINETYPE_H

#include "db/ZcDbObjectId.h"
#include "mfc/CString.h"

/// One line kind of one size, bound to its layer by id once found or made.
///
/// Layer XData of the application "Fastrelle_Linetype", in this order:
///   (1001 "Fastrelle_Linetype") (1040 linetype scale; 1e-7 or less is written 1.0)
///   (1005 handle of the linetype record)
/// Any other run of items after the application's is "only the application item" (51).
///
/// "Lines.ini" (install folder, "Config\Lines.ini"): one section per kind, "SeamLine",
/// "CutLine", "TechLine" (any case, the first of the name serves), with the keys
/// "LineType" (name), "LineTypePath" (a linetype file, relative to the install folder or
/// full) and "LineTypeScale". Its sections are read once and shared by every kind until
/// the module is unloaded; a missing file is reported at each use and read again then.
///
/// Statuses: 0; 374 layer missing or kind not valid; 51 XData without its items; 3 a kind
/// without owner name; host statuses otherwise.
class Fastrelle_Linetype {
public:
  /// A kind of the size `owner`, section `section`; scale 1.0, unbound, not base.
  Fastrelle_Linetype(const CString& owner, const CString& section);
  /// Binds to the existing layer and reads its XData: 374 without layer or XData, 51 when
  /// the XData holds no scale and handle, else 0 (a handle naming nothing leaves the
  /// linetype null).
  virtual int Load();
  /// Applies the kind's "Lines.ini" section: 0 when then valid, else 374.
  virtual int Configure();
  virtual ~Fastrelle_Linetype() = default;
  /// The owner name, "^" first for the base size: "38", "^40".
  virtual CString GetLayerName() const;
  /// Both the linetype and the layer are known.
  virtual bool IsValid() const;
  virtual bool IsBase() const { return m_base; }
  /// Sets the base flag and renames the kind's existing layer between its plain and "^"
  /// form. A refused rename (name taken, invalid, layer "0") is printed and the flag
  /// stays, so kind and layer agree: the rename's status. A missing layer is no error.
  virtual int SetBase(bool base);
  /// Gives the kind's existing layer the palette colour; a missing layer changes nothing.
  virtual int SetColorIndex(int index);

  /// Gives the existing layer the name for `owner` (rules of SetBase).
  int SetOwnerName(const CString& owner);
  /// Binds the kind to the layer of (owner, base) without renaming any layer: 374 when
  /// there is none; 0 for a layer without XData (linetype and scale unchanged); 51 as Load.
  int SetOwnerAndLoad(const CString& owner, bool base);
  /// Makes the layer when missing (not frozen, off or locked), configures the kind and
  /// writes the XData: WriteXData's status; 3 and nothing made without owner name.
  int Create();
  /// Writes the XData on the layer: 374 when not valid; a host failure is printed.
  int WriteXData();

  /// Kind tests of a layer name, case aside: not empty, not "DEFPOINTS", and for cut and
  /// tech ending with their suffix. A seam test that looks at no suffix: test cut and tech
  /// first.
  static bool IsSeamLayerName(const CString& name);
  static bool IsCutLayerName(const CString& name);
  static bool IsTechLayerName(const CString& name);
  /// Forgets the shared "Lines.ini" sections (module unload), so the next use reads again.
  static void ForgetSettings();

  const CString& GetOwnerName() const { return m_owner; }
  double GetScale() const { return m_scale; }
  ZcDbObjectId GetLinetypeId() const { return m_linetype; }
  ZcDbObjectId GetLayerId() const { return m_layer; }

protected:
  /// Renames the existing layer `from` to `to` (nothing when they match case aside).
  int RenameLayer(const CString& from, const CString& to);
  /// Takes owner and flag and renames the layer to match; a refused rename keeps both.
  int Rename(const CString& owner, bool base);
  /// Reads the layer's XData into scale and linetype: 374 none, 51 no items, 0.
  int ReadXData();

  CString m_owner;
  double m_scale = 1.0;
  ZcDbObjectId m_linetype;
  ZcDbObjectId m_layer;
  bool m_base = false;
  CString m_section;
};

/// The seam line: the layer named as the size.
class Linetype_Seam : public Fastrelle_Linetype {
public:
  explicit Linetype_Seam(const CString& owner = CString()) : Fastrelle_Linetype(owner, L"SeamLine") {}
};

/// The cut line: the seam layer's name + "'".
class Linetype_Cut : public Fastrelle_Linetype {
public:
  explicit Linetype_Cut(const CString& owner = CString()) : Fastrelle_Linetype(owner, L"CutLine") {}
  CString GetLayerName() const override;
};

/// The extra (technical) elements: the seam layer's name + "~".
class Linetype_Tech : public Fastrelle_Linetype {
public:
  explicit Linetype_Tech(const CString& owner = CString()) : Fastrelle_Linetype(owner, L"TechLine") {}
  CString GetLayerName() const override;
};

#endif
