#include "MyPEQType8.h"

#include "Edit.h"
#include "PeqValueEntry.h"
#include "SharedConstants.h"
#include "SkButton.h"
#include "SkComboBox.h"
#include "SkLabel.h"
#include "UpDown.h"
#include "VirtualKeys.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

#include <algorithm>

namespace {

// BandColours entry i colours the number of row i; the entries repeat the
// same 14 colours, so later rows wrap round them.
TColor BandColour(int Row)
{
    const RgbColour &c = BandColours[Row % 14];
    return RGB(c.r, c.g, c.b);
}

// The spinner ranges of the three cells: frequency, Q, gain.
const int SpinMin[3] = {kPeqFreqPosMin, kPeqQPosMin, kPeqGainPosMin};
const int SpinMax[3] = {kPeqFreqPosMax, kPeqQPosMax, kPeqGainPosMax};

// Tells a table that its widget has come on screen (itself or a parent shown).
class ShownWatch : public QObject {
public:
    ShownWatch(QObject *Parent, std::function<void()> Shown) : QObject(Parent), shown_(std::move(Shown)) {}
    bool eventFilter(QObject *, QEvent *Event) override
    {
        if (Event->type() == QEvent::Show)
            shown_();
        return false;
    }

private:
    std::function<void()> shown_;
};

} // namespace

const std::array<QString, 10> &PeqDefaultCaptions()
{
    static const std::array<QString, 10> captions = {
        QStringLiteral(" Peak       "), QStringLiteral(" Low Shelf  "), QStringLiteral(" High Shelf "),
        QStringLiteral(" HPF -6dB   "), QStringLiteral(" HPF -12dB  "), QStringLiteral(" LPF -6dB   "),
        QStringLiteral(" LPF -12dB  "), QStringLiteral(" Allpass 1  "), QStringLiteral(" Allpass 2  "),
        QStringLiteral("   BYPASS   "),
    };
    return captions;
}

TMyPEQType8::TMyPEQType8(TComponent *AOwner) : TSkGroupBox(AOwner)
{
    // The defaults are loaded once, here: a language chosen before the table
    // is first shown stays.
    captions_ = PeqDefaultCaptions();
    for (int i = 0; i < MaxRows; ++i) {
        rows_[i].freqText = QString::number(i);
        rows_[i].qText = QText(0);
        rows_[i].gainText = QStringLiteral("0dB");
    }
    Widget()->installEventFilter(new ShownWatch(Widget(), [this] { Relayout(); }));
    for (TSkLabel *&title : titles_) {
        title = new TSkLabel(this);
        title->SetVisible(false);
    }
    constructing_ = true; // the rows are laid out when first needed
    SetBounds(Left(), Top(), 490, 420);
    constructing_ = false;
    SetCaption(QString());
}

TMyPEQType8::~TMyPEQType8() = default;

TMyPEQType8::BandRow &TMyPEQType8::EnsureRow(int Row)
{
    if (!Built(Row))
        BuildRow(Row);
    return rows_[Row];
}

TMyPEQType8::BandRow &TMyPEQType8::LaidRow(int Row)
{
    Relayout(true);
    const bool made = Built(Row);
    BandRow &r = EnsureRow(Row);
    if (!made && Row >= channelNumber_)
        HideRow(r);
    return r;
}

void TMyPEQType8::HideRow(BandRow &R)
{
    for (TControl *c : std::initializer_list<TControl *>{R.number, R.freq, R.q, R.gain, R.type, R.bypass}) {
        c->SetVisible(false);
        c->SetTop(10000);
    }
    for (TUpDown *s : R.spinners)
        if (s) {
            s->SetVisible(false);
            s->SetTop(10000);
        }
}

int TMyPEQType8::MadeRows() const
{
    return int(std::count_if(rows_.begin(), rows_.end(), [](const BandRow &r) { return r.number != nullptr; }));
}

void TMyPEQType8::BuildRow(int I)
{
    BandRow &r = rows_[I];
    r.number = new TSkLabel(this);
    r.number->SetParent(this);
    r.number->SetTransparent(true);
    r.number->SetAlignment(taCenter);
    r.number->Font()->SetSize(12);
    r.number->Font()->SetColor(BandColour(I));
    r.number->SetCaption(QString::number(I + 1));
    r.number->SetAutoSize(false);
    auto makeEdit = [&](const QString &text, auto keyDown, auto exitHandler) {
        auto *e = new TEdit(this);
        e->SetParent(this);
        e->SetAlignment(taCenter);
        e->SetBiDiMode(bdLeftToRight);
        // At most 7 typed characters; texts set by the table may be longer.
        e->OnKeyPress = [e](TObject *, QChar &k) {
            if (k.unicode() >= 32 && e->Text().size() >= 7 && e->SelLength() == 0)
                k = QChar();
        };
        e->SetTag(I);
        e->SetText(text);
        e->OnKeyDown = [this, keyDown](TObject *s, Word &k, TShiftState sh) { (this->*keyDown)(s, k, sh); };
        e->OnExit = [this, exitHandler](TObject *s) { (this->*exitHandler)(s); };
        e->OnMouseDown = [this](TObject *s, TMouseButton b, TShiftState sh, int x, int y) { EditMouseDown(s, b, sh, x, y); };
        return e;
    };
    r.freq = makeEdit(r.freqText, &TMyPEQType8::FrequencyKeyDown, &TMyPEQType8::FrequencyExit);
    r.q = makeEdit(r.qText, &TMyPEQType8::QfactorKeyDown, &TMyPEQType8::QfactorExit);
    r.gain = makeEdit(r.gainText, &TMyPEQType8::GainKeyDown, &TMyPEQType8::GainExit);
    // The first row made tells the values' colour of every row: its parent's.
    if (MadeRows() == 1)
        normalFontColor_ = r.freq->Font()->Color();
    r.type = new TSkComboBox(this, csDropDownList);
    r.type->SetParent(this);
    r.type->SetTag(I);
    r.type->OnChange = [this](TObject *s) { PeqTypeChange(s); };
    r.type->OnMouseWheel = [this](TObject *s, TShiftState sh, int d, TPoint p, bool &h) { PeqTypeMouseWheel(s, sh, d, p, h); };
    FillTypeList(I);
    r.type->SetItemIndex(r.typeIndex);
    r.bypass = new TSkButton(this);
    r.bypass->SetParent(this);
    r.bypass->SetThemeAware(false);
    r.bypass->SetTag(I);
    r.bypass->SetCaption(captions_[9]);
    r.bypass->OnClick = [this](TObject *s) { ByPassClick(s); };
    if (editBackColor_ != 0) {
        for (TEdit *e : {r.freq, r.q, r.gain})
            e->SetColor(editBackColor_);
        r.type->SetColor(editBackColor_);
    }
    if (r.bypassColour)
        r.bypass->SetColor(*r.bypassColour);
    else if (bypassBackColor_ != 0)
        r.bypass->SetColor(bypassBackColor_);
    if (r.valueColour)
        for (TEdit *e : {r.freq, r.q, r.gain})
            e->Font()->SetColor(*r.valueColour);
    if (updownVisable_)
        MakeSpinners();
    // In the window's focus chain (where the focus goes when the focused
    // control is hidden) the row follows the rows before it, as it would had
    // the table made every row when it was made.
    QWidget *previous = Widget();
    for (int i = I - 1; i >= 0; --i)
        if (Built(i)) {
            previous = rows_[i].bypass->Widget();
            break;
        }
    // Qt places a control after another only when that one takes the focus;
    // the table itself does not, but stands where its rows begin.
    const Qt::FocusPolicy tablePolicy = Widget()->focusPolicy();
    Widget()->setFocusPolicy(Qt::TabFocus);
    for (TWinControl *c : std::initializer_list<TWinControl *>{r.freq, r.q, r.gain, r.type, r.bypass}) {
        QWidget::setTabOrder(previous, c->Widget());
        previous = c->Widget();
    }
    Widget()->setFocusPolicy(tablePolicy);
}

void TMyPEQType8::FillTypeList(int Row)
{
    if (!Built(Row))
        return; // filled when made
    TSkComboBox *list = rows_[Row].type;
    const int selected = list->ItemIndex();
    TStrings *items = list->Items();
    bool same = items->Count() == 9;
    for (int t = 0; same && t < 9; ++t)
        same = items->Strings(t) == captions_[t];
    if (same)
        return;
    items->BeginUpdate();
    list->ClearItems();
    for (int t = 0; t < 9; ++t)
        list->Add(captions_[t]);
    items->EndUpdate();
    list->SetItemIndex(selected);
}

void TMyPEQType8::Paint()
{
    TSkGroupBox::Paint();
    Relayout();
}

void TMyPEQType8::Resize()
{
    TSkGroupBox::Resize();
    Relayout();
}

void TMyPEQType8::Relayout(bool Anyway)
{
    if (constructing_ || (Width() == laidWidth_ && Height() == laidHeight_ && Built(channelNumber_ - 1)))
        return;
    if (!Anyway && !Widget()->isVisible())
        return; // laid out when shown
    // A row's control that repaints as it is made paints this table too: the
    // layout under way is not begun again from there.
    if (laying_)
        return;
    laying_ = true;
    laidWidth_ = Width();
    laidHeight_ = Height();
    ++layoutCount_;
    PlaceRows();
    laying_ = false;
}

void TMyPEQType8::PlaceRows()
{
    const int titleH = titleVisable_ ? 13 : 0;
    const int colW = (Width() - 68) / 5;
    const int rowH = (Height() - topBottomSpace_ - titleH - 16) / channelNumber_;
    for (int i = 0; i < 6; ++i) {
        titles_[i]->SetVisible(titleVisable_);
        if (i == 0)
            titles_[i]->SetBounds(12, topBottomSpace_, 20, rowH);
        else
            titles_[i]->SetBounds(8 * i + (i - 1) * colW + 33, topBottomSpace_, colW - 15, rowH);
    }
    const int x0 = 12 + 20;
    const int editW = updownVisable_ ? colW - 20 : colW;
    for (int i = 0; i < MaxRows; ++i) {
        if (i >= channelNumber_ && !Built(i))
            continue;
        BandRow &r = EnsureRow(i);
        if (i >= channelNumber_) {
            HideRow(r);
            continue;
        }
        const int top = topBottomSpace_ + titleH + rowH * i + 8;
        r.number->SetBounds(12, top, 20, rowH);
        r.number->SetVisible(true);
        TEdit *edits[3] = {r.freq, r.q, r.gain};
        const int lefts[3] = {x0 + 8, x0 + colW + 16, x0 + 2 * colW + 24};
        for (int c = 0; c < 3; ++c) {
            edits[c]->SetBounds(lefts[c], top - 1, editW, edits[c]->Height());
            edits[c]->SetVisible(true);
            if (TUpDown *s = r.spinners[c]) {
                const TRect e = edits[c]->BoundsRect();
                s->SetBounds(e.Right - s->Width() + 20, e.Top + 1, s->Width(), e.Height() - 2);
                s->SetVisible(updownVisable_);
            }
        }
        r.type->SetBounds(x0 + 3 * colW + 32, top - 1, colW + 8, rowH);
        r.type->SetVisible(true);
        FillTypeList(i);
        r.bypass->SetBounds(x0 + 4 * colW + 46, top - 1, colW - 14, r.gain->Height());
        r.bypass->SetCaption(captions_[9]);
        r.bypass->SetVisible(true);
    }
}

void TMyPEQType8::Touch(int Row)
{
    previousIndex_ = nowIndex_;
    nowIndex_ = Row;
}

void TMyPEQType8::PaintRowColours(int Row, std::optional<TColor> Colour)
{
    if (Row < 0 || Row >= MaxRows)
        return;
    // A row that nothing has made stays unmade (the page's "no band"
    // selection points beyond the count); it takes the colour when made.
    if (!Built(Row)) {
        rows_[Row].valueColour = Colour;
        return;
    }
    for (TEdit *e : {rows_[Row].freq, rows_[Row].q, rows_[Row].gain})
        e->Font()->SetColor(Colour.value_or(normalFontColor_));
}

void TMyPEQType8::SetNowIndex(int Row)
{
    if (Row == -1) {
        PaintRowColours(nowIndex_, std::nullopt);
        return;
    }
    if (Row < 0 || Row >= MaxRows)
        return;
    if (Row != nowIndex_) {
        PaintRowColours(nowIndex_, std::nullopt);
        nowIndex_ = Row;
        PaintRowColours(Row, HighlightColor);
        return;
    }
    if (previousIndex_ == nowIndex_)
        return;
    PaintRowColours(previousIndex_, std::nullopt);
    previousIndex_ = nowIndex_;
    PaintRowColours(nowIndex_, HighlightColor);
}

void TMyPEQType8::SetEqTypeString(const QString &Text, int I)
{
    if (I >= 0 && I <= 8)
        captions_[I] = Text;
}

void TMyPEQType8::SetBypassString(const QString &Text)
{
    captions_[9] = Text;
}

void TMyPEQType8::ChangeLanguage()
{
    for (int i = 0; i < channelNumber_; ++i) {
        if (!Built(i))
            continue; // captioned when made
        FillTypeList(i);
        rows_[i].bypass->SetCaption(captions_[9]);
    }
}

void TMyPEQType8::Change()
{
    if (!OnChange)
        return;
    for (int i = 0; i < channelNumber_; ++i) {
        const TColor colour = rows_[i].bypassed ? BypassedColor : bypassBackColor_;
        if (Built(i))
            rows_[i].bypass->SetColor(colour);
        else
            rows_[i].bypassColour = colour;
    }
    OnChange(this);
}

// ---- values

double TMyPEQType8::GetFreqValue(int Row) const
{
    return RowOk(Row) ? FreqOfPosition(rows_[Row].freqPos) : 0;
}

double TMyPEQType8::GetQValue(int Row) const
{
    return RowOk(Row) ? QOfPosition(rows_[Row].qPos) : 0;
}

double TMyPEQType8::GetGainValue(int Row) const
{
    return RowOk(Row) ? GainOfPosition(rows_[Row].gainPos) : 0;
}

int TMyPEQType8::GetTypeValue(int Row) const
{
    if (!RowOk(Row))
        return -1;
    return Built(Row) ? rows_[Row].type->ItemIndex() : rows_[Row].typeIndex;
}

bool TMyPEQType8::GetBypassValue(int Row) const
{
    return RowOk(Row) && rows_[Row].bypassed;
}

void TMyPEQType8::ShowCell(int Row, Cell Kind)
{
    const BandRow &r = rows_[Row];
    SetCellText(Row, Kind,
                Kind == FreqCell ? FreqText(r.freqPos) : Kind == QCell ? QText(r.qPos) : GainPositionText(r.gainPos));
    if (TUpDown *s = r.spinners[Kind])
        s->SetPosition(Kind == FreqCell ? r.freqPos : Kind == QCell ? r.qPos : r.gainPos);
}

void TMyPEQType8::SetCellText(int Row, Cell Kind, const QString &Text)
{
    BandRow &r = rows_[Row];
    if (Built(Row))
        (Kind == FreqCell ? r.freq : Kind == QCell ? r.q : r.gain)->SetText(Text);
    else
        (Kind == FreqCell ? r.freqText : Kind == QCell ? r.qText : r.gainText) = Text;
}

void TMyPEQType8::SetRowType(int Row, int Type)
{
    BandRow &r = rows_[Row];
    if (Built(Row))
        r.type->SetItemIndex(Type);
    else if (Type >= -1 && Type < 9) // what the list takes
        r.typeIndex = Type;
}

void TMyPEQType8::SetEqParamValue(int Row, double FreqHz, double QPosition, double GainDb, int Type, bool Bypass)
{
    if (!RowOk(Row))
        return;
    BandRow &r = rows_[Row];
    r.freqPos = FreqPositionFromHz(FreqHz);
    ShowCell(Row, FreqCell);
    r.gainPos = GainPositionFromDb(GainDb);
    SetCellText(Row, GainCell, GainDbText(GainDb));
    SetRowType(Row, Type);
    r.bypassed = Bypass;
    r.qPos = QPositionFromValue(QPosition);
    ShowCell(Row, QCell);
    Change();
}

void TMyPEQType8::SetFreqValue(int Row, double Hz)
{
    if (!RowOk(Row))
        return;
    rows_[Row].freqPos = FreqPositionFromHz(Hz);
    ShowCell(Row, FreqCell);
    Change();
}

void TMyPEQType8::SetGainValue(int Row, double Db)
{
    if (!RowOk(Row))
        return;
    rows_[Row].gainPos = GainPositionFromDb(Db);
    SetCellText(Row, GainCell, GainDbText(Db)); // the value as given, not the position
    Change();
}

void TMyPEQType8::SetQValue(int Row, double QPosition)
{
    if (!RowOk(Row))
        return;
    rows_[Row].qPos = QPositionFromValue(QPosition);
    ShowCell(Row, QCell);
    Change();
}

void TMyPEQType8::SetTypeValue(int Row, int Type)
{
    if (!RowOk(Row))
        return;
    SetRowType(Row, Type);
    Change();
}

void TMyPEQType8::SetBypassValue(int Row, bool Bypass)
{
    if (!RowOk(Row))
        return;
    rows_[Row].bypassed = Bypass;
    Change();
}

void TMyPEQType8::SetColor(int Row, TColor Colour)
{
    if (RowOk(Row))
        PaintRowColours(Row, Colour);
}

// ---- typed entry and the children's events

void TMyPEQType8::TypedEntry(TObject *Sender, Cell Kind)
{
    auto *edit = static_cast<TEdit *>(Sender);
    const int row = edit->Tag();
    if (!RowOk(row))
        return;
    BandRow &r = rows_[row];
    int position = 0;
    bool accepted = false;
    switch (Kind) {
    case FreqCell: accepted = TypedFreqPosition(edit->Text(), position); break;
    case QCell: accepted = TypedQPosition(edit->Text(), position); break;
    case GainCell: accepted = TypedGainPosition(edit->Text(), position); break;
    }
    if (accepted)
        (Kind == FreqCell ? r.freqPos : Kind == QCell ? r.qPos : r.gainPos) = position;
    ShowCell(row, Kind);
    if (!accepted)
        edit->SetSelStart(edit->Text().size()); // the caret at the end, as after an End key
    Touch(row);
    Change();
}

void TMyPEQType8::FrequencyKeyDown(TObject *Sender, Word &Key, TShiftState)
{
    if (Key == VK_RETURN)
        TypedEntry(Sender, FreqCell);
}

void TMyPEQType8::QfactorKeyDown(TObject *Sender, Word &Key, TShiftState)
{
    if (Key == VK_RETURN)
        TypedEntry(Sender, QCell);
}

void TMyPEQType8::GainKeyDown(TObject *Sender, Word &Key, TShiftState)
{
    if (Key == VK_RETURN)
        TypedEntry(Sender, GainCell);
}

void TMyPEQType8::FrequencyExit(TObject *Sender) { TypedEntry(Sender, FreqCell); }
void TMyPEQType8::QfactorExit(TObject *Sender) { TypedEntry(Sender, QCell); }
void TMyPEQType8::GainExit(TObject *Sender) { TypedEntry(Sender, GainCell); }

void TMyPEQType8::EditMouseDown(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    Touch(static_cast<TControl *>(Sender)->Tag());
    if (OnEditMouseDown)
        OnEditMouseDown(this, Button, Shift, X, Y);
}

void TMyPEQType8::PeqTypeChange(TObject *Sender)
{
    Touch(static_cast<TControl *>(Sender)->Tag());
    Change();
}

void TMyPEQType8::PeqTypeMouseWheel(TObject *Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool &Handled)
{
    if (OnPeqTypeMouseWheel)
        OnPeqTypeMouseWheel(Sender, Shift, WheelDelta, MousePos, Handled);
}

void TMyPEQType8::ByPassClick(TObject *Sender)
{
    const int row = static_cast<TControl *>(Sender)->Tag();
    if (!RowOk(row))
        return;
    Touch(row);
    BandRow &r = rows_[row];
    r.bypassed = !r.bypassed;
    r.bypass->SetColor(r.bypassed ? BypassedColor : bypassBackColor_);
    Change();
}

// ---- spinners (shown only with UpdownVisable)

void TMyPEQType8::MakeSpinners()
{
    for (int i = 0; i < MaxRows; ++i)
        for (int c = 0; c < 3; ++c) {
            if (!Built(i) || rows_[i].spinners[c])
                continue;
            auto *s = new TUpDown(this);
            s->SetParent(this);
            s->SetMin(SpinMin[c]);
            s->SetMax(SpinMax[c]);
            s->SetWidth(17);
            s->SetVisible(false);
            s->OnClick = [this, i, c, s](TObject *, TUDBtnType) { SpinnerClick(i, static_cast<Cell>(c), s->Position()); };
            rows_[i].spinners[c] = s;
            ShowCell(i, static_cast<Cell>(c));
        }
}

void TMyPEQType8::SpinnerClick(int Row, Cell Kind, int Position)
{
    if (!RowOk(Row))
        return;
    BandRow &r = rows_[Row];
    (Kind == FreqCell ? r.freqPos : Kind == QCell ? r.qPos : r.gainPos) = Position;
    ShowCell(Row, Kind);
    Touch(Row);
    Change();
    if (TUpDown *s = r.spinners[Kind]; s && s->Visible())
        s->SetFocus();
}

// ---- properties

void TMyPEQType8::SetChannelNumber(int Value)
{
    Value = std::clamp(Value, 1, MaxRows); // the layout divides by it
    if (Value == channelNumber_)
        return;
    channelNumber_ = Value;
    laidWidth_ = -1;
    Relayout();
    Change();
}

void TMyPEQType8::SetTitleVisable(bool Value)
{
    if (Value == titleVisable_)
        return;
    titleVisable_ = Value;
    for (TSkLabel *t : titles_)
        t->SetVisible(Value);
    Relayout();
}

void TMyPEQType8::SetUpdownVisable(bool Value)
{
    if (Value == updownVisable_)
        return;
    updownVisable_ = Value;
    if (Value)
        MakeSpinners();
    laidWidth_ = -1;
    Relayout();
}

void TMyPEQType8::SetLabelColor(TColor Value)
{
    if (Value == labelColor_)
        return;
    labelColor_ = Value;
    for (TSkLabel *t : titles_)
        t->Font()->SetColor(Value);
    Relayout();
}

void TMyPEQType8::SetEditBackColor(TColor Value)
{
    if (Value == editBackColor_)
        return;
    editBackColor_ = Value;
    // Rows not made yet take the colour when they are made.
    for (int i = 0; i < channelNumber_; ++i) {
        if (!Built(i))
            continue;
        for (TEdit *e : {rows_[i].freq, rows_[i].q, rows_[i].gain})
            e->SetColor(Value);
        rows_[i].type->SetColor(Value);
    }
    Relayout();
}

void TMyPEQType8::SetBypassBackColor(TColor Value)
{
    if (Value == bypassBackColor_)
        return;
    bypassBackColor_ = Value;
    for (int i = 0; i < channelNumber_; ++i) {
        if (Built(i))
            rows_[i].bypass->SetColor(Value);
        else
            rows_[i].bypassColour = Value;
    }
    Relayout();
}
