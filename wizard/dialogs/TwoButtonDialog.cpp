#include "dialogs/TwoButtonDialog.h"

#include "localisation/Functions.h"
#include "localisation/ResHandling.h"
#include "platform/TopMost.h"
#include "resources/resource_ids.h"

namespace TwoButtonDialog {

void Load(ui::Form& form, const FormParts::DialogControls& controls, int background, const Button& left,
          const Button& right, int16_t textId, bool onPageArea, bool topMost) {
    ui::Control& image1 = *controls.Image1;
    image1.SetStretch(true);
    image1.SetPicture(background);
    image1.Move(0, 0, form.ScaleWidth(), form.ScaleHeight());
    FormParts::SetVersion(*controls.Version, form.ScaleWidth());
    left.image->SetPicture(IDB_BUTTON);
    right.image->SetPicture(IDB_BUTTON);
    Functions::SetLabelText(*left.caption, ResHandling::GetLanguageString(left.textId), form);
    Functions::SetLabelText(*right.caption, ResHandling::GetLanguageString(right.textId), form);
    controls.Label->SetCaption(ResHandling::GetLanguageString(textId));
    image1.ZOrder(1);
    form.Show();
    if (onPageArea) FormParts::PlaceOnPageArea(form);
    controls.DefaultButton->SetFocus();
    if (topMost)
        TopMost::SetTopMost(form.Handle());
    else
        TopMost::LeaveTopMost(form.Handle());
}

void Show(ui::Form& form) {
    if (form.IsLoaded())
        form.Show();
    else
        form.Load();
}

}  // namespace TwoButtonDialog
