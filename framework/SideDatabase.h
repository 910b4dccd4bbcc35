// A drawing read beside the current one (a model drawing of the layout), with a log
// channel that is switched off.
#ifndef FRAMEWORK_SIDEDATABASE_H
#define FRAMEWORK_SIDEDATABASE_H

#include "db/ZcDbDatabase.h"
#include "framework/Printer.h"

class SideDatabase : public FilePrinter {
public:
  explicit SideDatabase(const CString& path) : m_path(path) {}
  /// Logs "close: " + path and deletes the database when one is open.
  ~SideDatabase() override;
  SideDatabase(const SideDatabase&) = delete;
  SideDatabase& operator=(const SideDatabase&) = delete;

  /// Reads the drawing into a new side database (deleting one read before): the read's
  /// status; a database that could not be read is deleted ("failed to open: " logged).
  int Open();
  ZcDbDatabase* Database() const { return m_database; }
  int Status() const { return m_status; }
  /// Why the last Open failed, as the reader said it (the line of a malformed file); empty
  /// after a success.
  const CString& ReadError() const { return m_readError; }
  /// The references in the side drawing's model space whose block is `blockName` (any
  /// case), in order; empty without a database.
  ZcDbObjectIdArray GetBlockReferences(const CString& blockName);

private:
  CString m_path;
  ZcDbDatabase* m_database = nullptr;
  int m_status = 374;
  CString m_readError;
};

#endif
