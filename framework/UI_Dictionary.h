// A named sub-dictionary of the drawing's named-objects dictionary, made when missing.
// Part records and layout data live in such dictionaries.
#ifndef FRAMEWORK_UI_DICTIONARY_H
#define FRAMEWORK_UI_DICTIONARY_H

#include "db/ZcDbDictionary.h"
#include "mfc/CString.h"

class ZcDbDatabase;

/// Holds the entry closed. An entry of that name that is not a dictionary is left alone
/// and the wrapper holds nothing (Dictionary() is null).
class UI_Dictionary {
public:
  /// `db` null means the working database; without one the command line says so.
  UI_Dictionary(const CString& name, ZcDbDatabase* db = nullptr);
  virtual ~UI_Dictionary() = default;
  ZcDbDictionary* Dictionary() const { return m_dictionary; }
  ZcDbDatabase* Database() const { return m_database; }

private:
  bool CheckDatabase();
  ZcDbDictionary* m_dictionary = nullptr;
  ZcDbDatabase* m_database = nullptr;
};

#endif
