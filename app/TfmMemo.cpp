#include "TfmMemo.h"

#include "Button.h"
#include "DialogControls.h"
#include "Memo.h"

TfmMemo::TfmMemo(TComponent *AOwner) : TForm(AOwner, CreateNew)
{
    SetName("fmMemo");
    SetCaption("Message List");
    SetClientWidth(480);
    SetClientHeight(360);
    Memo = PlaceControl<TMemo>(this, "Memo", 0, 0, 480, 320);
    Memo->SetAnchors({akLeft, akTop, akRight, akBottom});
    Memo->SetScrollBars(ssVertical);
    Memo->Lines()->Add("Memo");
    bnClearMemo = PlaceControl<TButton>(this, "bnClearMemo", 396, 328, 75, 25, "Clear");
    bnClearMemo->SetAnchors({akRight, akBottom});
    bnClearMemo->OnClick = [this](TObject *) { Memo->Clear(); };
}
