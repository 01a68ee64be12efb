#include "gFontDialogForm.h"

#include "Button.h"
#include "Color.h"
#include "GroupBox.h"
#include "gComponentEditorColorPicker.h"
#include "gComponentEditorListBox.h"

#include <QFontDialog>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QPalette>

#include <algorithm>
#include <iterator>

namespace {

// The colours a font could take by name, in the order users know them; each
// is listed by its name without the "cl".
const TColor kStandardColors[] = {
    clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple,  clTeal, clGray,
    clSilver, clRed,   clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite,
};

constexpr int kStandardCount = int(std::size(kStandardColors));

// The gap between the parts of the colour column, its width, the list's
// line height (also the room of the column's caption), the colour field's
// height, the buttons' size.
constexpr int kGap = 8, kColorWidth = 120, kLineHeight = 16, kFieldHeight = 21;
constexpr int kButtonWidth = 75, kButtonHeight = 25;

// The lightest grey level that reads on white.
constexpr int kLightest = 160;

// A control of the window: owned by it, named, inside Parent; for a plain
// windowed control Widget is the widget it shows.
template <class T, class... Widget>
T *Place(TComponent *Owner, TWinControl *Parent, const char *Name, Widget... W)
{
    auto *c = new T(Owner, W...);
    c->SetName(QString::fromLatin1(Name));
    c->SetParent(Parent);
    return c;
}

} // namespace

TgFontDialogForm::TgFontDialogForm(TComponent *AOwner) : TgCustomEditorForm(AOwner)
{
    SetName(QStringLiteral("FontDialogForm"));
    SetCaption(QStringLiteral("Font"));
    SetBorderStyle(bsDialog);
    SetBorderIcons(TBorderIcons{biSystemMenu});
    SetPosition(poScreenCenter);

    // Qt's dialog as a part of this window: no window or buttons of its
    // own, never the desktop's native one (that cannot be embedded).
    FFontDialog = new QFontDialog;
    FFontDialog->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    FFontDialog->setWindowFlags(Qt::Widget);
    FFontDialog->setSizeGripEnabled(false);
    FontPanel = Place<TWinControl>(this, this, "FontPanel", FFontDialog);
    // A stop of the window's Tab walk that leads into the dialog's own chain.
    FontPanel->SetTabStop(true);
    for (QWidget *w = FFontDialog->nextInFocusChain(); w != FFontDialog && FFontDialog->isAncestorOf(w);
         w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus) {
            FFontDialog->setFocusProxy(w);
            break;
        }
    // Its sample line is the one edit inside a group box.
    for (QGroupBox *group : FFontDialog->findChildren<QGroupBox *>())
        if (auto *edit = group->findChild<QLineEdit *>())
            FSample = edit;

    ColorGroupBox = Place<TGroupBox>(this, this, "ColorGroupBox");
    ColorGroupBox->SetCaption(QStringLiteral("Color"));
    ColorListBox = Place<TgComponentEditorListBox>(this, ColorGroupBox, "ColorListBox");
    ColorListBox->SetDragMode(dmManual);
    ColorListBox->SetItemHeight(kLineHeight);
    for (TColor c : kStandardColors)
        ColorListBox->Items()->Add(ColorToString(c).mid(2));
    ColorListBox->OnGetData = [](TObject *, int Index, bool &, TColor &AColor, QString &) {
        if (Index >= 0 && Index < kStandardCount)
            AColor = kStandardColors[Index];
    };
    ColorListBox->OnClick = [this](TObject *) {
        const int i = ColorListBox->ItemIndex();
        if (i < 0 || i >= kStandardCount)
            return;
        FColor = kStandardColors[i];
        ShowColor();
    };
    ColorPicker = Place<TgComponentEditorColorPicker>(this, ColorGroupBox, "ColorPicker");
    ColorPicker->OnChange = [this](TObject *) {
        FColor = ColorPicker->Color();
        ShowColor();
    };
    OkButton = Place<TButton>(this, this, "OkButton");
    OkButton->SetCaption(QStringLiteral("OK"));
    OkButton->SetModalResult(mrOk);
    OkButton->SetDefault(true);
    CancelButton = Place<TButton>(this, this, "CancelButton");
    CancelButton->SetCaption(QStringLiteral("Cancel"));
    CancelButton->SetModalResult(mrCancel);
    CancelButton->SetCancel(true);

    // The font dialog at its own size, in the window's font; the colour
    // column beside it within the same margins, as high as it or as the
    // list of every colour needs; the buttons below at the right.
    const QSize font = FFontDialog->sizeHint();
    const QMargins m = FFontDialog->layout() ? FFontDialog->layout()->contentsMargins() : QMargins(8, 8, 8, 8);
    FontPanel->SetBounds(0, 0, font.width(), font.height());
    const int inner = kColorWidth - 2 * kGap, listTop = kGap + kLineHeight;
    const int listHeight = kStandardCount * kLineHeight + 4;
    ColorListBox->SetBounds(kGap, listTop, inner, listHeight);
    ColorPicker->SetBounds(kGap, listTop + listHeight + kGap, inner, kFieldHeight);
    const int column = std::max(font.height() - m.top() - m.bottom(), ColorPicker->Top() + kFieldHeight + kGap);
    ColorGroupBox->SetBounds(font.width(), m.top(), kColorWidth, column);
    const int right = font.width() + kColorWidth, buttonsTop = m.top() + column + kGap;
    OkButton->SetBounds(right - 2 * kButtonWidth - 6, buttonsTop, kButtonWidth, kButtonHeight);
    CancelButton->SetBounds(right - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight);
    SetClientWidth(right + m.right());
    SetClientHeight(buttonsTop + kButtonHeight + m.bottom());
    ShowColor();
}

QFont TgFontDialogForm::ChosenFont() const
{
    return FFontDialog->currentFont();
}

void TgFontDialogForm::SetChosenFont(const QFont &Value)
{
    FFontDialog->setCurrentFont(Value);
}

void TgFontDialogForm::SetChosenColor(TColor Value)
{
    FColor = Value;
    ShowColor();
}

void TgFontDialogForm::ShowColor()
{
    const TColor rgb = ColorToRGB(FColor);
    const auto *at = std::find(std::begin(kStandardColors), std::end(kStandardColors), rgb);
    ColorListBox->SetItemIndex(at == std::end(kStandardColors) ? -1 : int(at - std::begin(kStandardColors)));
    ColorPicker->SetColor(FColor);
    if (FSample) {
        // A colour too light to read on the sample's white (the plots' white
        // texts) shows on black, as on a plot.
        const QColor text = ToQColor(FColor);
        QPalette palette = FFontDialog->palette();
        palette.setColor(QPalette::Text, text);
        if (qGray(text.rgb()) > kLightest)
            palette.setColor(QPalette::Base, Qt::black);
        FSample->setPalette(palette);
    }
}
