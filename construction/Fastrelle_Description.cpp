// Descriptions: substitution of their variables and insertion of their block.
#include "construction/Fastrelle_Description.h"

#include "db/ZcDbDatabase.h"
#include "framework/BlockReference.h"
#include "framework/UI_Block.h"

namespace {
const int kBlockNotDefined = 379;
}  // namespace

Fastrelle_Description::Fastrelle_Description(const CString& blockName, const NameValueList& attributes, double scale)
    : m_blockName(blockName), m_attributes(attributes), m_scale(scale),
      m_vars(std::make_unique<Fastrelle_Desc_Vars>()) {}

void Fastrelle_Description::Evaluate() {
  NameValueList evaluated;
  for (const NameValue& pair : m_attributes) evaluated.Add(pair.name, m_vars->Substitute(pair.value));
  m_attributes = evaluated;
}

int Fastrelle_Description::Insert(const ZcGePoint3d& point, ZcDbObjectId owner) {
  Evaluate();
  UI_Block block(m_blockName, true);
  if (!block.Record()) return kBlockNotDefined;
  if (owner.isNull()) {
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    if (db) owner = db->currentSpaceId();
  }
  ZcDbObjectId id;
  int status = InsertBlockInto(block.GetName(), point, ZcGeScale3d(m_scale, m_scale, m_scale), 0.0, owner, &id);
  if (status != 0) return status;
  m_referenceId = id;
  ZcDbBlockReference* ref = nullptr;
  if (zcdbOpenObject(ref, id, ZcDb::kForRead) != Zcad::eOk) return 0;
  ref->close();  // the helpers take the reference closed and open it themselves
  return SetAttributeValues(ref, m_attributes);
}
