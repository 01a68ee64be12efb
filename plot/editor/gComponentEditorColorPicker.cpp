#include "gComponentEditorColorPicker.h"

#include "gColorDialog.h"
#include "gComponentEditorButton.h"
#include "gCustomEditorForm.h"

TgComponentEditorColorPicker::TgComponentEditorColorPicker(TComponent *AOwner)
    : TCustomControl(AOwner), FButton(new TgComponentEditorButton(this))
{
    SetControlStyle({csOpaque, csClickEvents, csDoubleClicks, csCaptureMouse});
    SetColor(clRed);
    FButton->SetParent(this);
    FButton->SetCaption(QStringLiteral("..."));
    FButton->Font()->SetStyle({fsBold});
    FButton->OnClick = [this](TObject *) { ShowColorDialog(); };
    SetBounds(0, 0, 47, 21);
}

void TgComponentEditorColorPicker::Resize()
{
    TCustomControl::Resize();
    FButton->SetBounds(Width() - 21, 0, 21, Height());
}

void TgComponentEditorColorPicker::ColorChanged()
{
    TCustomControl::ColorChanged();
    Invalidate();
}

void TgComponentEditorColorPicker::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    Invalidate();
}

void TgComponentEditorColorPicker::Paint()
{
    TCanvas *c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(ClientRect());
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetColor(clBlack);
    c->Brush()->SetColor(Enabled() ? Color() : clBtnFace);
    c->Rectangle(0, 0, Width() - FButton->Width() - 1, Height());
}

void TgComponentEditorColorPicker::DblClick()
{
    TCustomControl::DblClick();
    ShowColorDialog();
}

void TgComponentEditorColorPicker::ShowColorDialog()
{
    TgColorDialog dialog(this);
    dialog.SetColor(Color());
    if (!dialog.Execute())
        return;
    SetColor(dialog.Color());
    PickerTookValue(this, aliveToken_, OnChange);
}

void TgComponentEditorColorPicker::Disable()
{
    SetEnabled(false);
    FButton->SetEnabled(false);
}

void TgComponentEditorColorPicker::Enable()
{
    SetEnabled(true);
    FButton->SetEnabled(true);
}
