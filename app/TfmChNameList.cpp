#include "TfmChNameList.h"

#include "Button.h"
#include "DialogControls.h"
#include "DialogHost.h"
#include "Edit.h"
#include "Label.h"
#include "TfmChannelName.h"

TfmChNameList::TfmChNameList(TComponent *AOwner, DialogHost *Host) : TForm(AOwner, CreateNew), host_(Host)
{
    SetName("fmChNameList");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(420);
    SetClientHeight(268);

    // Inputs in the left column, outputs in the right one.
    for (int ch = 0; ch < kChannels; ++ch) {
        const bool input = ch < 4;
        const int left = input ? 16 : 216;
        const int top = 16 + 26 * (input ? ch : ch - 4);
        const QString label = ChannelLabel(ch);
        const QByteArray editName = (input ? "edMatrixChNameIn" : "edMatrixChNameOut") + label.mid(input ? 2 : 3).toLatin1();
        const QByteArray labelName = (input ? "lbChNameListIn" : "lbChNameListOut") + label.mid(input ? 2 : 3).toLatin1();
        lbName[ch] = PlaceControl<TLabel>(this, labelName.constData(), left, top + 3, 40, 16, label);
        edName[ch] = PlaceControl<TEdit>(this, editName.constData(), left + 48, top, 130, 21, "");
        edName[ch]->SetMaxLength(8);
        edName[ch]->SetPrintableAsciiOnly(true);
    }
    // Below the last output's edit (top 198, 21 high).
    btnOK = PlaceControl<TButton>(this, "btnOK", 244, 231, 75, 25, "Set");
    btnOK->OnClick = [this](TObject *) { btnOKClick(); };
    btnCancel = PlaceControl<TButton>(this, "btnCancel", 329, 231, 75, 25, "Exit");
    btnCancel->SetCancel(true);
    btnCancel->OnClick = [this](TObject *) { Close(); };

    OnShow = [this](TObject *) { FormShow(); };
}

void TfmChNameList::FormShow()
{
    for (int ch = 0; ch < kChannels; ++ch)
        edName[ch]->SetText(StoredNameText(host_->GetChannelName(ch)));
    SetCaption(host_->Translate("SID_CH_NAME_LIST"));
    btnOK->SetCaption(host_->Translate("SID_SET"));
    btnCancel->SetCaption(host_->Translate("SID_EXIT"));
}

void TfmChNameList::btnOKClick()
{
    for (int ch = 0; ch < kChannels; ++ch) {
        const QString typed = edName[ch]->Text().left(8);
        if (typed == StoredNameText(host_->GetChannelName(ch)))
            continue;
        const std::string name = FixedBytes(typed, 8, '\0');
        edName[ch]->SetText(StoredNameText(name));
        host_->SetChannelName(ch, reinterpret_cast<const uint8_t *>(name.data()));
    }
    Close();
}
