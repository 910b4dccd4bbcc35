// Layer helpers: finding, listing, creating layers, their colours and on/off states, and
// linetypes loaded on demand. Sizes are layer triples, so the size model runs on these.
#ifndef FRAMEWORK_LAYERS_H
#define FRAMEWORK_LAYERS_H

#include <map>
#include <vector>

#include "db/ZcDbSymbolTable.h"
#include "mfc/CString.h"

class ZcDbDatabase;

/// The layer record of `name` (read and closed again) of `db` (the working database when
/// null); null when there is none.
ZcDbLayerTableRecord* FindLayer(const CString& name, ZcDbDatabase* db = nullptr);
/// Appends every layer's name in table order.
void GetLayerNames(CStringArray& names, ZcDbDatabase* db = nullptr);
/// The record's name (reopened by its id); empty when it does not open.
CString GetLayerRecordName(ZcDbLayerTableRecord* record);
/// A new layer (not frozen, hidden or locked): 26 when the name exists, the name's refusal
/// (nothing added), the table's open failure, 506 when no record can be made, the add's
/// failure (nothing left behind). `record` is the new record, closed.
int CreateLayer(const CString& name, ZcDbLayerTableRecord*& record);
/// Gives the layer a palette colour (opened for write when not); the close status.
int SetLayerColorIndex(ZcDbLayerTableRecord* record, unsigned short index);
/// Every layer record of the working drawing, closed, in table order.
std::vector<ZcDbLayerTableRecord*> GetLayerRecords();
/// Layer name -> on (not off).
std::map<CString, bool> GetLayersOnState(const std::vector<ZcDbLayerTableRecord*>& records);
/// Turns each named layer on (true) or off (false).
void SetLayersOnState(std::map<CString, bool> states);

/// A linetype of the working drawing by name, loaded from a linetype file when missing.
class UIS_Linetype {
public:
  /// Finds `name`; when missing loads it from `file` (a failure prints
  /// "UIS_Linetype::UIS_Linetype" and the status) and finds it again.
  UIS_Linetype(const CString& name, const CString& file);
  virtual ~UIS_Linetype() = default;
  /// The record of `name` (read, closed, kept); the table's close status.
  int Find(const CString& name);
  ZcDbLinetypeTableRecord* Record() const { return m_record; }

private:
  ZcDbLinetypeTableRecord* m_record = nullptr;
};

#endif
