#include "TfmHidData.h"

#include "Button.h"
#include "DialogControls.h"
#include "ListBox.h"

#include <QListWidget>
#include <QTimer>

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
    // Selecting a row after rows went lays out every row again, so the newest
    // line is selected (and scrolled into view) once per turn of the event
    // loop, after a burst of frames, not once per line.
    if (!selectPending_) {
        selectPending_ = true;
        QTimer::singleShot(0, hbHidData->Widget(), [this] {
            selectPending_ = false;
            hbHidData->SetItemIndex(hbHidData->Items()->Count() - 1);
        });
    }
}

int TfmHidData::LineCount() const
{
    return hbHidData->Items()->Count();
}
