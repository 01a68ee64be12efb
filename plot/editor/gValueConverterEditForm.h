#pragma once
#include "gCustomEditorForm.h"

class TButton;
class TDateTimePicker;
class TLabel;
class TPanel;
class TTabSheet;
class TgComponentEditorButton;
class TgComponentEditorEdit;
class TgComponentEditorPageControl;
class TgUpDown;

enum TgValueConverterPageType { ivcptInterval, ivcptDateTime, ivcptPrice32nd };

// The value converter: one number shown as a time interval (weeks, days
// and the time of day), as a date and time (days since 30 December 1899),
// and as a price in 32nds (whole part, 32nds, eighths of a 32nd), rebuilt
// from whichever form the user edits. A negative interval or price is shown
// as its sign in front of the whole days (weeks) or the whole part, then
// the parts of the absolute value, and rebuilt so. Beyond 1e14 in size the
// interval and date pages show only the fraction; a date outside the date
// picker's range leaves the date page disabled, and a value that is not a
// number disables every page.
class TgValueConverterEditForm : public TgCustomEditorForm {
public:
    explicit TgValueConverterEditForm(TComponent *AOwner);

    // The value the form holds: ValueEdit's number (the value last set when
    // the edit holds none, as for NaN).
    double Value() const;
    // Fills every page from X, silently.
    void SetValue(double X);
    void SetPage(TgValueConverterPageType Page);

    TgComponentEditorPageControl *PageControl;
    TTabSheet *IntervalTabSheet, *DateTimeTabSheet, *Price32TabSheet;
    TgComponentEditorEdit *ValueEdit;
    TgComponentEditorEdit *WeeksEdit, *DaysEdit, *HoursEdit, *MinutesEdit, *SecondsEdit, *MilliSecondsEdit;
    TgUpDown *WeeksUpDown, *DaysUpDown, *HoursUpDown, *MinutesUpDown, *SecondsUpDown, *MilliSecondsUpDown;
    TgComponentEditorButton *gComponentEditorButton1;
    TLabel *DatePickerLabel, *TimePickerLabel;
    TgComponentEditorButton *SetNowButton;
    TDateTimePicker *DatePicker = nullptr, *TimePicker = nullptr;
    TgComponentEditorEdit *PriceIntegerEdit, *Price32ndsEdit, *Price256thsEdit;
    TgUpDown *PriceIntegerUpDown, *Price32ndsUpDown, *Price256thsUpDown;
    TPanel *Panel2;
    TButton *OkButton, *CancelButton;

    void FormCreate();
    void TimeChange(TObject *Sender);
    void WeeksChange(TObject *Sender);
    void Price32Change(TObject *Sender);
    void DateTimePickerChange(TObject *Sender);
    void SetNowButtonClick(TObject *Sender);
    void gComponentEditorButton1Click(TObject *Sender);

private:
    void ShowInterval(bool Shown, double D);
    void ShowDate(double D);
    void ShowPrice(double X);
    // ValueEdit := NewValue, then every page from ValueEdit's value.
    void Rebuild(double NewValue);
    // The time of day of the interval fields; false (and a beep, the fields
    // shown again) when one is out of range.
    bool IntervalTime(double &Time);
    double FValue = 0;
};
