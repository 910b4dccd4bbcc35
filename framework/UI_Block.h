// The block wrapper: a block definition of the working drawing by name (defined from a
// drawing file when allowed and missing), its attribute definitions, entities and
// references.
#ifndef FRAMEWORK_UI_BLOCK_H
#define FRAMEWORK_UI_BLOCK_H

#include "db/ZcDbBlockTableRecord.h"
#include "framework/NameValueList.h"
#include "mfc/CString.h"

/// Holds the block record closed (null when the block does not exist).
class UI_Block {
public:
  UI_Block() = default;
  /// Looks the block up by name. When it is missing and `mayLoad`, the name is a drawing
  /// path: the block name becomes its file title, and a path with an extension whose block
  /// is still missing is defined from the file. A file that cannot be read prints
  /// "\nIt's not possible to load file: " + path + "\n" (and the status when it exists but
  /// fails); LoadStatus() tells what happened.
  UI_Block(const CString& nameOrPath, bool mayLoad);
  virtual ~UI_Block() = default;

  /// True when the working drawing has the block (then held).
  bool Find();
  /// A block reference's block (followed through nested references' records), or a block
  /// record itself; anything else holds nothing.
  void SetFromId(ZcDbObjectId id);
  CString GetName() const;
  /// Adds a record of the held name with origin (0,0,0): a refused name prints
  /// " invalid block name: " + name and the status; a failed add prints the status.
  int Create();
  /// Draws the entity first among the block's entities.
  int MoveEntityToBottom(ZcDbObjectId id);
  /// (tag, default text) of every attribute definition, in record order.
  int GetAttributeDefaults(NameValueList& values);
  /// (tag, text) of every constant attribute definition.
  int GetConstantAttributes(NameValueList& values);
  /// 171 when the block does not exist; its entities' ids in record order.
  int GetEntityIds(ZcDbObjectIdArray& ids);
  /// 379 when the block does not exist; the ids of its references.
  int GetReferenceIds(ZcDbObjectIdArray& ids);
  ZcDbBlockTableRecord* Record() const { return m_record; }
  int LoadStatus() const { return m_loadStatus; }

private:
  ZcDbBlockTableRecord* m_record = nullptr;
  CString m_name;
  int m_loadStatus = 0;
};

/// A UI_Block for "*Model_Space" of the working drawing.
UI_Block GetModelSpaceBlock();
/// Appends the names of the working drawing's blocks that are not layouts (model and
/// paper space are left out), in table order; the last record's close status.
int ListBlockNames(CStringArray& names);
/// For each id, the references of the block it names (a reference stands for its block);
/// the first failure ends the walk and is returned.
int CollectReferencesOfBlocks(const ZcDbObjectIdArray& ids, ZcDbObjectIdArray& references);

#endif
