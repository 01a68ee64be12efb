#include "PresetListForm.h"

#include "Button.h"
#include "DialogControls.h"
#include "DialogHost.h"
#include "Label.h"
#include "TfmStoreName.h"
#include "ValueListEditor.h"
#include "VirtualKeys.h"

namespace {
constexpr int kNameSize = 14;
const QString kKeyIndent(5, QChar(' '));
const QString kNameIndent(2, QChar(' '));
} // namespace

TPresetListForm::TPresetListForm(TComponent *AOwner, DialogHost *Host, const char *FormName, int Rows,
                                 bool FactoryRow)
    : TForm(AOwner, CreateNew), host_(Host), storeMode_(FactoryRow ? 0 : 1)
{
    SetName(FormName);
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(330);
    SetClientHeight(480);

    lPresetSelect = PlaceControl<TLabel>(this, "lPresetSelect", 12, 10, 300, 16, "");
    vledPresetName = PlaceControl<TValueListEditor>(this, "vledPresetName", 12, 32, 306, 400);
    vledPresetName->SetTitleCaptions(" Number", "         Name");
    for (int r = 0; r < Rows; ++r) {
        const int user = FactoryRow ? r : r + 1;
        const QString key = user == 0 ? QStringLiteral("F00") : QStringLiteral("U%1").arg(user, 2, 10, QChar('0'));
        vledPresetName->InsertRow(kKeyIndent + key, kNameIndent + FitName("Default Preset"));
    }
    // The arrow keys move the highlight only; a click on a row, Enter or
    // Space opens the highlighted row (Space first highlights the row the
    // focus landed on, when none is).
    vledPresetName->OnMouseUp = [this](TObject *, TMouseButton Button, TShiftState, int X, int Y) {
        int col = -1, row = -1;
        vledPresetName->MouseToCell(X, Y, col, row);
        if (Button == mbLeft && row >= 1 && row == vledPresetName->Row())
            vledPresetNameSelectCell(row);
    };
    vledPresetName->OnKeyDown = [this](TObject *, Word &Key, TShiftState) {
        if ((Key == VK_RETURN || Key == VK_SPACE) && vledPresetName->Row() >= 1) {
            Key = 0;
            vledPresetNameSelectCell(vledPresetName->Row());
        }
    };

    bnCancel = PlaceControl<TButton>(this, "bnCancel", 243, 444, 75, 25, "Cancel");
    bnCancel->SetCancel(true);
    bnCancel->OnClick = [this](TObject *) { bnCancelClick(); };
}

QString TPresetListForm::FitName(const QString &name)
{
    return name.left(kNameSize).leftJustified(kNameSize, QChar(' '));
}

void TPresetListForm::SetPresetName(int row, const std::string &name)
{
    SetPresetName(row, QString::fromLatin1(name.data(), qsizetype(name.size())));
}

void TPresetListForm::SetPresetName(int row, const QString &name)
{
    if (row < 0 || row >= RowCount())
        return;
    vledPresetName->SetCell(1, row + 1, kNameIndent + FitName(name));
}

QString TPresetListForm::PresetName(int row) const
{
    return vledPresetName->Cell(1, row + 1).mid(kNameIndent.size());
}

int TPresetListForm::RowCount() const
{
    return vledPresetName->RowCount() - 1;
}

QString TPresetListForm::RowsText() const
{
    QString text;
    for (int r = 1; r <= RowCount(); ++r)
        text += vledPresetName->Cell(0, r) + '=' + vledPresetName->Cell(1, r) + QStringLiteral("\r\n");
    return text;
}

void TPresetListForm::FormShow(const char *CaptionSid)
{
    SetCaption(host_->Translate(CaptionSid));
    lPresetSelect->SetCaption(host_->Translate(CaptionSid));
    bnCancel->SetCaption(host_->Translate("SID_CANCEL"));
    vledPresetName->SetTitleCaptions(host_->Translate("SID_PST_NUM"), host_->Translate("SID_PST_NAME"));
}

void TPresetListForm::vledPresetNameSelectCell(int ARow)
{
    if (ARow < 1 || ARow > RowCount() || !nameDialog_)
        return;
    nameDialog_->SetPresetName(PresetName(ARow - 1));
    nameDialog_->SetPresetIndex(ARow - 1);
    nameDialog_->SetTitle(vledPresetName->Cell(0, ARow).trimmed() + QStringLiteral(" : "));
    nameDialog_->SetStoreMode(storeMode_);
    nameDialog_->Show();
}

void TPresetListForm::bnCancelClick()
{
    vledPresetName->SetFocus();
    Close();
}
