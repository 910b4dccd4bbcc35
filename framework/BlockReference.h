// Block references and their attributes: names, moves, attribute texts by tag, inserting a
// block with attributes made from its definitions. Grade points, symbols, descriptions and
// layout pieces go through these. A reference is passed as a pointer held closed; each
// function opens it by its id.
#ifndef FRAMEWORK_BLOCKREFERENCE_H
#define FRAMEWORK_BLOCKREFERENCE_H

#include "db/ZcDbBlockReference.h"
#include "framework/NameValueList.h"
#include "mfc/CString.h"

/// The object as a block reference, or null.
ZcDbBlockReference* CastToBlockReference(ZcDbObject* obj);
/// The name of the reference's block; empty for null.
CString GetBlockReferenceName(ZcDbBlockReference* ref);
/// Moves the reference (and its attributes) so that its position is `point`.
int MoveBlockReferenceTo(ZcDbBlockReference* ref, const ZcGePoint3d& point);
/// Sets the text of every attribute whose tag is a name of `values`; 0.
int SetAttributeValues(ZcDbBlockReference* ref, const NameValueList& values);
/// The text of the first attribute of `tag` (upper-cased, case-blind): 0 set, 22 no such
/// attribute, else the failure.
int SetAttributeValue(ZcDbBlockReference* ref, const CString& tag, const CString& text);
/// Appends (tag, text) of every attribute, in order.
int GetAttributeValues(ZcDbBlockReference* ref, NameValueList& values);
/// The text of the attribute of `tag`, else of the block's constant definition of it;
/// 374 for a null reference, 22 when neither has the tag.
int GetAttributeValue(ZcDbBlockReference* ref, const CString& tag, CString& text);
/// InsertBlockInto model space with a uniform scale.
int InsertBlock(const CString& blockName, const ZcGePoint3d& point, double scale, double rotation,
                ZcDbObjectId* newId = nullptr);
/// A reference to `blockName` of the working drawing with attributes from its definitions,
/// into the block named like the record `owner` (model space for a null owner; 3 when the
/// drawing has no such block). The lookup's or the add's failure is returned (a reference
/// that was not added is deleted); `newId` receives the new reference's id.
int InsertBlockInto(const CString& blockName, const ZcGePoint3d& point, const ZcGeScale3d& scale,
                    double rotation, ZcDbObjectId owner, ZcDbObjectId* newId = nullptr);
/// Appends to the reference (resident, open for write) one attribute per attribute
/// definition of `record`, placed by the reference's transform, with the definition's
/// default text, style, colour, visibility and multi-line text.
int AddAttributesFromDefinitions(ZcDbBlockReference* ref, ZcDbObjectId record);
/// 374 for null; erases the reference.
int EraseBlockReference(ZcDbBlockReference* ref);
int SetBlockReferenceRotation(ZcDbBlockReference* ref, double angle);
/// The attachment point of a multi-line attribute for a text alignment.
///   (horizontal 4 "middle", vertical 0 "base line") => 21
int AttachmentOfAlignment(int horizontalMode, int verticalMode);

#endif
