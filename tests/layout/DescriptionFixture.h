// The layout tests that read the install folder (Plot.ini, the description templates):
// the built install tree as the install folder, and helpers to read a label's texts and
// to list what model space holds.
#ifndef TESTS_LAYOUT_DESCRIPTIONFIXTURE_H
#define TESTS_LAYOUT_DESCRIPTIONFIXTURE_H

#include <stdlib.h>

#include <filesystem>

#include "LayoutFixture.h"
#include "framework/BlockReference.h"
#include "framework/Folders.h"
#include "framework/Plot_Settings.h"
#include "framework/UI_Block.h"

class DescriptionTest : public LayoutTest {
protected:
  /// One copy of the built install tree, with a per-user folder beside it, for the whole
  /// program: the install and per-user folders are cached at their first reading, so every
  /// test reading them, and every test loading the modules, uses this one (removed at exit).
  struct ProgramFolders {
    std::filesystem::path root;
    ProgramFolders() {
      char pattern[] = "/tmp/fastrelle-layout-XXXXXX";
      root = mkdtemp(pattern);
      std::filesystem::copy(FASTRELLE_INSTALL_DIR, root / "install", std::filesystem::copy_options::recursive);
      std::filesystem::create_directories(root / "appdata");
    }
    ~ProgramFolders() {
      std::error_code ec;
      std::filesystem::remove_all(root, ec);
    }
  };
  static const ProgramFolders& Folders() {
    static const ProgramFolders folders;
    return folders;
  }
  static std::filesystem::path ProgramInstall() { return Folders().root / "install"; }

  void SetUp() override {
    LayoutTest::SetUp();
    zcedSetEnv(L"Fastrelle_Construction_Path", headless::FromUtf8(ProgramInstall().string()).c_str());
    GetInstallPath();  // cached now: the program's copy, whichever test comes first
  }

  /// Loads the modules from the program's install copy, its per-user folder beside it.
  bool StartFromProgramInstall() {
    headless::SetMachineRegistryValue(kInstallKey, L"Path", headless::FromUtf8(ProgramInstall().string()));
    headless::SetAppDataFolder(headless::FromUtf8((Folders().root / "appdata").string()));
    std::wstring main = headless::FromUtf8((ProgramInstall() / "Module_Fastrelle.zrx").string());
    return Linker()->loadModule(main.c_str(), true, false);
  }
  void TearDown() override {
    Plot_Settings().SetString(L"FormDescriptionDefaultSize", L"1.000000");
    Plot_Settings().SetString(L"FormDescriptionDefaultName", L"Templates\\FormDescription.dwg");
    LayoutTest::TearDown();
  }
  static CString Attribute(ZcDbObjectId refId, const wchar_t* tag) {
    ZcDbBlockReference* ref = nullptr;
    if (zcdbOpenObject(ref, refId, ZcDb::kForRead) != Zcad::eOk) return L"<none>";
    ref->close();
    CString text;
    GetAttributeValue(ref, tag, text);
    return text;
  }
  /// Model space's references of the block `name`.
  static ZcDbObjectIdArray ReferencesOf(const wchar_t* name) {
    ZcDbObjectIdArray ids;
    UI_Block(name, false).GetReferenceIds(ids);
    return ids;
  }
  /// A piece block named by its key: a w × h rectangle and its region, tagged "Form" and,
  /// unless empty, with the material.
  ZcDbObjectId KeyedPiece(const wchar_t* key, double w, double h, const wchar_t* material = L"") {
    ZcDbObjectId block = PieceBlock(key, {Rectangle(w, h)});
    if (*material) Tagged(block, kLayoutApplication).AddTag(CString(L"material=") + material);
    return block;
  }
  /// A piece block named by its key from the curves (taken) and their region.
  ZcDbObjectId KeyedPieceOf(const wchar_t* key, std::vector<ZcDbEntity*> curves) { return PieceBlock(key, curves); }
};

#endif
