// A description: a title block from a template drawing whose attribute texts carry
// variable tokens, filled in and inserted as one block reference. Used by the part
// description dialog and, through its subclasses, by part sets and layout labels.
#ifndef CONSTRUCTION_FASTRELLE_DESCRIPTION_H
#define CONSTRUCTION_FASTRELLE_DESCRIPTION_H

#include <memory>

#include "construction/Fastrelle_Desc_Vars.h"
#include "db/ZcDbObjectId.h"
#include "framework/NameValueList.h"
#include "ge/ZcGePoint3d.h"

/// Built for one insertion: the block (a block name, or the path of a template drawing
/// whose file title names the block), the (tag, text) pairs of its attributes, a uniform
/// scale (1.0 until set), the variables it owns and, once inserted, the reference.
class Fastrelle_Description {
public:
  Fastrelle_Description(const CString& blockName, const NameValueList& attributes, double scale = 1.0);
  virtual ~Fastrelle_Description() = default;
  Fastrelle_Description(const Fastrelle_Description&) = delete;
  Fastrelle_Description& operator=(const Fastrelle_Description&) = delete;

  /// Substitutes the variables into the attribute texts, in place.
  virtual void Evaluate();
  /// Evaluates, defines the block from its drawing when the working drawing lacks it (a
  /// drawing that cannot be read prints its path and status), then inserts a reference at
  /// `point` with the scale and rotation 0 into the block record `owner` (the current space
  /// when null) and writes the texts into the attributes of their tags. 0; 379 when the
  /// block is not defined (nothing inserted); else the host's status.
  int Insert(const ZcGePoint3d& point, ZcDbObjectId owner = ZcDbObjectId());

  Fastrelle_Desc_Vars& Variables() { return *m_vars; }
  const NameValueList& Attributes() const { return m_attributes; }
  const CString& BlockName() const { return m_blockName; }
  double Scale() const { return m_scale; }
  ZcDbObjectId ReferenceId() const { return m_referenceId; }

protected:
  CString m_blockName;
  NameValueList m_attributes;
  double m_scale = 1.0;
  std::unique_ptr<Fastrelle_Desc_Vars> m_vars;
  ZcDbObjectId m_referenceId;
};

#endif
