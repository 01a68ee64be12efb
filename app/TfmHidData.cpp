#include "TfmHidData.h"

#include "Button.h"
#include "DialogControls.h"
#include "ListBox.h"

#include <QListWidget>

TfmHidData::TfmHidData(TComponent *AOwner) : TForm(AOwner, CreateNew)
{
    SetName("fmHidData");
    SetCaption("Hid Data");
    SetClientWidth(640);
    SetClientHeight(420);
    hbHidData = PlaceControl<TListBox>(this, "hbHidData", 0, 0, 640, 380);
    hbHidData->SetAnchors({akLeft, akTop, akRight, akBottom});
    // One row height for all lines: the list then never measures its rows.
    static_cast<QListWidget *>(hbHidData->Widget())->setUniformItemSizes(true);
    bnClear = PlaceControl<TButton>(this, "bnClear", 556, 388, 75, 25, "Clear");
    bnClear->SetAnchors({akRight, akBottom});
    bnClear->OnClick = [this](TObject *) { hbHidData->Items()->Clear(); };
}

void TfmHidData::AddLine(const std::string &Line)
{
    if (!Visible())
        return;
    TStrings *items = hbHidData->Items();
    if (items->Count() >= kMaxLines)
        items->Delete(0);
    items->Add(QString::fromStdString(Line));
    hbHidData->SetItemIndex(items->Count() - 1);
}

int TfmHidData::LineCount() const
{
    return hbHidData->Items()->Count();
}
