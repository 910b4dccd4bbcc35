// The part records of a drawing: entries of its named-objects dictionary's "Fastrelle"
// dictionary, keyed by part name, each an empty Xrecord whose XData holds the part's type
// and quantity. The part drawer and the part list read and write them here.
#ifndef CONSTRUCTION_PARTRECORDS_H
#define CONSTRUCTION_PARTRECORDS_H

#include <vector>

#include "mfc/CString.h"

class ZcDbDatabase;

/// The record keys of `db` (null: the working drawing) in dictionary order; none when the
/// drawing has no "Fastrelle" dictionary (nothing is made).
std::vector<CString> PartRecordNames(ZcDbDatabase* db);
/// The stored key of the record of `name`, case aside; "" when there is none.
CString FindPartRecordKey(ZcDbDatabase* db, const CString& name);
/// Reads (1001 "FastrellePart") (1000 name) (type) (quantity), type and quantity from 1070
/// or 1071 items as 16-bit values (low 16 bits, sign-extended). False when there is no
/// record, or an item is missing or of another code (what was read before stays); true
/// for a record without XData or with the application item alone (values untouched).
bool ReadPartRecord(ZcDbDatabase* db, const CString& name, int& type, int& quantity);
/// Writes the record, making the dictionary and the entry when missing: 0 or the failure.
int WritePartRecord(ZcDbDatabase* db, const CString& name, int type, int quantity);
/// Erases every record whose key is `name`, case aside.
void DeletePartRecords(ZcDbDatabase* db, const CString& name);

#endif
