#pragma once
#include "SkGroupBox.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

class TEdit;
class TSkButton;
class TSkComboBox;
class TSkLabel;
class TUpDown;

using TPeqEditMouseDownEvent = TMouseEvent;
using TPeqTypeMouseWheelEvent = TMouseWheelEvent;

// The parametric-EQ band table of a channel page: one row per band with
// the band number, edits for frequency, Q and gain, a band-type list and a
// bypass button. Values typed or set from code become positions on fixed
// scales (PeqValueEntry.h); every change reaches the owner through OnChange,
// and the row the user last touched is the now index.
//
// The table holds 50 rows; ChannelNumber (1..50) of them are laid out and
// shown. A row's controls are made when the row is first needed (laid out,
// set or asked for), so that a window of twelve 8- and 9-row tables does not
// build 600 rows of controls it never shows. It lays its rows out again when its size changes, never on a
// repaint at the same size. Operations on a row outside 0..ChannelNumber-1
// do nothing (getters answer 0, or -1 for the type).
class TMyPEQType8 : public TSkGroupBox {
public:
    static constexpr int MaxRows = 50;
    static constexpr TColor HighlightColor = 0xB000;  // green: the now-index row's values
    static constexpr TColor BypassedColor = 0x8080FF; // light red: a bypassed row's button

    explicit TMyPEQType8(TComponent *AOwner);
    ~TMyPEQType8() override;

    void Paint() override;

    int GetNowIndex() const { return nowIndex_; }
    void SetNowIndex(int Row);
    void SetEqTypeString(const QString &Text, int I);
    void SetBypassString(const QString &Text);
    void ChangeLanguage();

    double GetFreqValue(int Row) const;
    double GetQValue(int Row) const;
    double GetGainValue(int Row) const;
    int GetTypeValue(int Row) const;
    bool GetBypassValue(int Row) const;
    void SetEqParamValue(int Row, double FreqHz, double QPosition, double GainDb, int Type, bool Bypass);
    void SetFreqValue(int Row, double Hz);
    void SetGainValue(int Row, double Db);
    void SetQValue(int Row, double QPosition);
    void SetTypeValue(int Row, int Type);
    void SetBypassValue(int Row, bool Bypass);
    using TSkGroupBox::SetColor;
    // Font colour of the row's three value edits.
    void SetColor(int Row, TColor Colour);
    virtual void Change();

    int GetChannelNumber() const { return channelNumber_; }
    void SetChannelNumber(int Value);
    int TopBottomSpace() const { return topBottomSpace_; }
    void SetTopBottomSpace(int Value) { topBottomSpace_ = Value; }
    bool TitleVisable() const { return titleVisable_; }
    void SetTitleVisable(bool Value);
    bool UpdownVisable() const { return updownVisable_; }
    void SetUpdownVisable(bool Value);
    TColor LabelColor() const { return labelColor_; }
    void SetLabelColor(TColor Value);
    TColor EditBackColor() const { return editBackColor_; }
    void SetEditBackColor(TColor Value);
    TColor BypassBackColor() const { return bypassBackColor_; }
    void SetBypassBackColor(TColor Value);

    // The row's controls (0 <= Row < 50), for layouts and tests.
    TSkLabel *NumberLabel(int Row) { return EnsureRow(Row).number; }
    TEdit *FreqEdit(int Row) { return EnsureRow(Row).freq; }
    TEdit *QEdit(int Row) { return EnsureRow(Row).q; }
    TEdit *GainEdit(int Row) { return EnsureRow(Row).gain; }
    TSkComboBox *TypeList(int Row) { return EnsureRow(Row).type; }
    TSkButton *BypassButton(int Row) { return EnsureRow(Row).bypass; }
    int FreqPosition(int Row) const { return RowOk(Row) ? rows_[Row].freqPos : 0; }
    int QPosition(int Row) const { return RowOk(Row) ? rows_[Row].qPos : 0; }
    int GainPosition(int Row) const { return RowOk(Row) ? rows_[Row].gainPos : 0; }
    int PreviousIndex() const { return previousIndex_; }
    // How often the rows were laid out (a repaint at the same size adds none).
    int LayoutCount() const { return layoutCount_; }

    TNotifyEvent OnChange;
    TPeqEditMouseDownEvent OnEditMouseDown;
    TPeqTypeMouseWheelEvent OnPeqTypeMouseWheel;

protected:
    void Resize() override;
    // Lays the rows out unless the size is the one last laid out.
    void Relayout();

    void FrequencyKeyDown(TObject *Sender, Word &Key, TShiftState Shift);
    void QfactorKeyDown(TObject *Sender, Word &Key, TShiftState Shift);
    void GainKeyDown(TObject *Sender, Word &Key, TShiftState Shift);
    void FrequencyExit(TObject *Sender);
    void QfactorExit(TObject *Sender);
    void GainExit(TObject *Sender);
    void EditMouseDown(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void PeqTypeChange(TObject *Sender);
    void PeqTypeMouseWheel(TObject *Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool &Handled);
    void ByPassClick(TObject *Sender);

private:
    enum Cell { FreqCell, QCell, GainCell };
    struct BandRow {
        TSkLabel *number = nullptr;
        TEdit *freq = nullptr, *q = nullptr, *gain = nullptr;
        std::array<TUpDown *, 3> spinners{};
        TSkComboBox *type = nullptr;
        TSkButton *bypass = nullptr;
        int freqPos = 0, qPos = 0, gainPos = 0;
        bool bypassed = false;
        // A font colour given while the row was not made, applied when it is.
        std::optional<TColor> valueColour;
    };
    bool RowOk(int Row) const { return Row >= 0 && Row < channelNumber_; }
    bool Built(int Row) const { return rows_[Row].number != nullptr; }
    BandRow &EnsureRow(int Row);
    void BuildRow(int I);
    void PlaceRows();
    void Touch(int Row);
    // Reads the edit of Cell in Row: Enter and leaving the edit alike.
    void TypedEntry(TObject *Sender, Cell Kind);
    void ShowCell(int Row, Cell Kind);
    void FillTypeList(int Row);
    void PaintRowColours(int Row, TColor Colour);
    void MakeSpinners();
    void SpinnerClick(int Row, Cell Kind, int Position);

    std::array<BandRow, MaxRows> rows_{};
    std::array<TSkLabel *, 6> titles_{};
    std::array<QString, 10> captions_;
    int channelNumber_ = MaxRows;
    int topBottomSpace_ = 15;
    bool titleVisable_ = false;
    bool updownVisable_ = false;
    TColor labelColor_ = 0;
    TColor editBackColor_ = 0;
    TColor bypassBackColor_ = 0;
    int nowIndex_ = 0;
    int previousIndex_ = 0;
    TColor normalFontColor_ = 0;
    int laidWidth_ = 490, laidHeight_ = 420;
    int layoutCount_ = 0;
    bool constructing_ = false;
};

// The default captions of the nine band types (0..8) and of the bypass
// button (9), with their blanks.
const std::array<QString, 10> &PeqDefaultCaptions();
