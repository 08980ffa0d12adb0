// The three colour buttons: the standard colour dialog, preset with the
// swatch's colour. Nothing is applied here; the swatches reach the record
// and the system on Apply.
#include <windows.h>
#include <commdlg.h>

#include "form/form_main.h"
#include "resources/resource_ids.h"

namespace vornal {

void FormMain::PickShapeColour(int shapeId) {
  CHOOSECOLORA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = form_;
  dialog.rgbResult = ShapeColour(shapeId);
  dialog.lpCustColors = customColours_.data();
  dialog.Flags = CC_RGBINIT;
  if (ChooseColorA(&dialog)) SetShapeColour(shapeId, dialog.rgbResult);
}

void FormMain::ButtonDeskTextClick() { PickShapeColour(IDC_Shape1); }
void FormMain::ButtonMDIFormsClick() { PickShapeColour(IDC_Shape2); }
void FormMain::ButtonDesktopClick() { PickShapeColour(IDC_Shape3); }

}  // namespace vornal
