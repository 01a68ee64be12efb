#include "TfmInformation.h"

#include "Button.h"
#include "Label.h"
#include "TfmMain.h"

#include <QWidget>

TfmInformation *fmInformation = nullptr;

TfmInformation::TfmInformation(TComponent *AOwner) : TForm(AOwner, CreateNew)
{
    fmInformation = this;
    SetName("fmInformation");
    SetBorderStyle(bsDialog);
    SetBorderIcons({});
    SetPosition(poScreenCenter);
    SetClientWidth(265);
    SetClientHeight(174);
    WindowWidget()->setWindowModality(Qt::ApplicationModal);

    lbMessage = new TLabel(this);
    lbMessage->SetName("lbMessage");
    lbMessage->SetParent(this);
    lbMessage->SetAutoSize(false);
    lbMessage->SetAlignment(taCenter);
    lbMessage->SetWordWrap(true);
    lbMessage->SetTransparent(true);
    lbMessage->SetBounds(16, 40, 233, 60);
    lbMessage->SetCaption("You Must Connect First !!");

    btnOK = new TButton(this);
    btnOK->SetName("btnOK");
    btnOK->SetParent(this);
    btnOK->SetBounds(95, 128, 75, 25);
    btnOK->SetCaption("OK");
    btnOK->SetDefault(true);
    btnOK->SetCancel(true);
    btnOK->OnClick = [this](TObject *) { Close(); };

    OnShow = [this](TObject *) { FormShow(); };
    OnHide = [this](TObject *) {
        auto closed = std::move(closed_);
        closed_ = nullptr;
        if (closed)
            closed();
    };
}

void TfmInformation::FormShow()
{
    if (!fmMain)
        return;
    SetCaption(fmMain->TranslateQ("SID_INFO_TITLE"));
    btnOK->SetCaption(fmMain->TranslateQ("SID_EXIT_OK"));
}

void TfmInformation::ShowMessage(const QString &Text, std::function<void()> Closed)
{
    // A message shown over another takes its place; the earlier caller goes on.
    if (Visible()) {
        auto earlier = std::move(closed_);
        closed_ = nullptr;
        if (earlier)
            earlier();
    }
    lbMessage->SetCaption(Text);
    closed_ = std::move(Closed);
    Show();
}
