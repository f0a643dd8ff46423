#include "search/optionboxes.h"

TOptionBoxes::TOptionBoxes(TMainWindowView& View) : FView(View) {}

void TOptionBoxes::CheckBox1Click() {
  if (FView.Checked(TMainCheckBox::CheckBox1)) {
    FView.SetChecked(TMainCheckBox::CheckBox2, false);
  }
}

void TOptionBoxes::CheckBox2Click() {
  if (FView.Checked(TMainCheckBox::CheckBox2)) {
    FView.SetChecked(TMainCheckBox::CheckBox1, false);
  }
}
