// The part-description dialog (template 8005): picks a description template, its size and
// its attribute texts, and inserts the description at points the user gives, as many times
// as "Wstaw" is pressed. Run by PartDescription_cmd.
#ifndef CONSTRUCTION_PARTDESCRIPTION_DLG_H
#define CONSTRUCTION_PARTDESCRIPTION_DLG_H

#include "construction/Fastrelle_Description_Grid.h"
#include "ge/ZcGePoint3d.h"
#include "mfc/CZdUiDialog.h"

class PartDescription_dlg : public CZdUiDialog {
  DECLARE_DYNAMIC(PartDescription_dlg)
public:
  enum { IDD = 8005 };
  PartDescription_dlg(CWnd* parent = nullptr) : CZdUiDialog(IDD, parent) {}

  /// The template and size remembered for the module's lifetime: read at first use from
  /// "PartDescriptionDefaultName" (resolved against the install folder) and
  /// "PartDescriptionDefaultSize" (not above 0: 1.0), kept when the dialog closes.
  static CString& RememberedTemplate();
  static double& RememberedSize();

protected:
  /// Caption, "Zamknij" and "Wstaw" buttons; rows "Szablon", "Wielkość", "Opis"; the name
  /// column 30 % of the grid; the default template, then the remembered one and size.
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  /// "Wstaw": hides for a point; a point inserts the description (a failure prints the
  /// template and its status); the dialog stays open either way.
  void OnOK() override;
  /// Remembers the template and size, then closes.
  void OnCancel() override;
  void OnHelp();
  /// The size row's value when above 0, else 1.0.
  double ChosenSize() const;
  /// Inserts the grid's description into the part at the point; 0 or the failure's status.
  virtual int InsertDescription(const ZcGePoint3d& point);
  DECLARE_MESSAGE_MAP()

  Fastrelle_Description_Grid m_grid;
};

#endif
