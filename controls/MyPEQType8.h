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
// shown. A row's controls are made when the row is first laid out or asked
// for, and a table lays its rows out only once it is on screen (or a row's
// control is asked for): values set before that are kept with the row and
// shown by its controls when they are made, so that a window of twelve
// tables on hidden pages makes none of their rows at start. It lays its rows
// out again when its size changes, never on a repaint at the same size.
// Operations on a row outside 0..ChannelNumber-1 do nothing (getters answer
// 0, or -1 for the type).
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

    // The row's controls (0 <= Row < 50), for layouts and tests: the rows
    // are laid out first if they wait for the table to be shown.
    TSkLabel *NumberLabel(int Row) { return LaidRow(Row).number; }
    TEdit *FreqEdit(int Row) { return LaidRow(Row).freq; }
    TEdit *QEdit(int Row) { return LaidRow(Row).q; }
    TEdit *GainEdit(int Row) { return LaidRow(Row).gain; }
    TSkComboBox *TypeList(int Row) { return LaidRow(Row).type; }
    TSkButton *BypassButton(int Row) { return LaidRow(Row).bypass; }
    // Rows whose controls are made (a test of what the table builds).
    int MadeRows() const;
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
    // Lays the rows out unless the size is the one last laid out; a table
    // not on screen waits to be shown unless Anyway.
    void Relayout(bool Anyway = false);

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
        // What the controls show once made, while the row is not: the cells'
        // texts, the type, the font colour of the values (none: the
        // controls' own) and the bypass button's colour (none: its default).
        QString freqText, qText, gainText;
        int typeIndex = 1;
        std::optional<TColor> valueColour;
        std::optional<TColor> bypassColour;
    };
    bool RowOk(int Row) const { return Row >= 0 && Row < channelNumber_; }
    bool Built(int Row) const { return rows_[Row].number != nullptr; }
    BandRow &EnsureRow(int Row);
    // The row made and laid out (a row beyond the count hidden).
    BandRow &LaidRow(int Row);
    void HideRow(BandRow &R);
    void BuildRow(int I);
    // A cell's text and a row's type, in the controls or kept for them.
    void SetCellText(int Row, Cell Kind, const QString &Text);
    void SetRowType(int Row, int Type);
    void PlaceRows();
    void Touch(int Row);
    // Reads the edit of Cell in Row: Enter and leaving the edit alike.
    void TypedEntry(TObject *Sender, Cell Kind);
    void ShowCell(int Row, Cell Kind);
    void FillTypeList(int Row);
    // None paints the row in the values' normal colour.
    void PaintRowColours(int Row, std::optional<TColor> Colour);
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
    // The values' colour in a row as made: known once a row is made.
    TColor normalFontColor_ = 0;
    int laidWidth_ = 490, laidHeight_ = 420;
    int layoutCount_ = 0;
    bool constructing_ = false;
    bool laying_ = false;
};

// The default captions of the nine band types (0..8) and of the bypass
// button (9), with their blanks.
const std::array<QString, 10> &PeqDefaultCaptions();
