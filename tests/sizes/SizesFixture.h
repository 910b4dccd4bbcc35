// A fresh drawing for each sizes test, over one install folder the whole test program
// shares (a copy of the built install tree's Config and Templates, as the folder lookups
// cache it), and
// helpers to read layers and change a setting for one test.
#ifndef TESTS_SIZES_SIZESFIXTURE_H
#define TESTS_SIZES_SIZESFIXTURE_H

#include <filesystem>

#include "DrawingFixture.h"
#include "framework/Fastrelle_Settings.h"
#include "sizes/Fastrelle_Linetype.h"
#include "sizes/Fastrelle_Sizes_Sorters.h"
#include "support/TempFolder.h"

class SizesTest : public DrawingTest {
protected:
  static const TempFolder& Install() {
    static TempFolder folder;
    static bool copied = [] {
      for (const char* sub : {"Config", "Templates"})
        std::filesystem::copy(std::filesystem::path(FASTRELLE_INSTALL_DIR) / sub, folder.Native(sub),
                              std::filesystem::copy_options::recursive);
      return true;
    }();
    (void)copied;
    return folder;
  }

  void SetUp() override {
    DrawingTest::SetUp();
    zcedSetEnv(L"Fastrelle_Construction_Path", Install().Windows().c_str());
    headless::ClearFileFaults();
    Fastrelle_Linetype::ForgetSettings();
    Fastrelle_Sizes_Sorters::Clear();
  }
  void TearDown() override {
    headless::ClearFileFaults();
    Fastrelle_Linetype::ForgetSettings();
    Fastrelle_Sizes_Sorters::Clear();
    DrawingTest::TearDown();
  }

  /// The layer names of the drawing in table order, joined by blanks.
  static std::wstring LayerNames() {
    CStringArray names;
    ZcDbLayerTable* table = nullptr;
    zcdbHostApplicationServices()->workingDatabase()->getLayerTable(table, ZcDb::kForRead);
    std::wstring out;
    for (ZcDbObjectId id : table->recordIds()) {
      ZcDbLayerTableRecord* r = nullptr;
      zcdbOpenObject(r, id, ZcDb::kForRead);
      out += (out.empty() ? L"" : L" ") + r->name();
      r->close();
    }
    table->close();
    return out;
  }
  /// The layer's colour index; -1 when there is no such layer.
  int LayerColor(const wchar_t* name) {
    ZcDbLayerTable* table = nullptr;
    db_->getLayerTable(table, ZcDb::kForRead);
    ZcDbSymbolTableRecord* r = nullptr;
    int color = -1;
    if (table->getAt(name, r, ZcDb::kForRead) == Zcad::eOk) {
      color = static_cast<ZcDbLayerTableRecord*>(r)->color().colorIndex();
      r->close();
    }
    table->close();
    return color;
  }
  void SetLayerColor(const wchar_t* name, int color) {
    ZcDbLayerTable* table = nullptr;
    db_->getLayerTable(table, ZcDb::kForRead);
    ZcDbSymbolTableRecord* r = nullptr;
    table->getAt(name, r, ZcDb::kForWrite);
    ZcCmColor c;
    c.setColorIndex(color);
    static_cast<ZcDbLayerTableRecord*>(r)->setColor(c);
    r->close();
    table->close();
  }
};

/// A value of "Construction.ini" changed for the life of the object.
class SettingOverride {
public:
  SettingOverride(const wchar_t* key, const CString& value) : m_key(key), m_old(Fastrelle_Settings().GetString(key)) {
    Fastrelle_Settings().SetString(m_key, value);
  }
  ~SettingOverride() { Fastrelle_Settings().SetString(m_key, m_old); }

private:
  CString m_key, m_old;
};

#endif
