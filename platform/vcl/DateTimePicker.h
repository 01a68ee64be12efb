#pragma once
#include "DateTime.h"
#include "WinControl.h"

class QDateTimeEdit;

enum TDateTimeKind { dtkDate, dtkTime };

// A date or time field (a Qt date-time edit inside) holding one date-time
// value: dtkDate shows and edits its date in the short date form, dtkTime
// its time in the long time form. Date is the value's whole days, Time its
// time of day (0 <= Time < 1, also before 30 December 1899, where the whole
// part is negative and the time still counts forward). Changes by the user
// fire OnChange; values set from code fire nothing. The date stays within
// MinDate .. MaxDate (years 100 to 9999 by default); values beyond are held
// to them.
class TDateTimePicker : public TWinControl {
public:
    explicit TDateTimePicker(TComponent *AOwner);

    TDateTimeKind Kind() const { return kind_; }
    void SetKind(TDateTimeKind Value);
    TDateTime DateTime() const;
    void SetDateTime(TDateTime Value);
    TDateTime Date() const;
    // Replaces the date, keeping the time of day.
    void SetDate(TDateTime Value);
    TDateTime Time() const;
    // Replaces the time of day by the fraction of Value, keeping the date.
    void SetTime(TDateTime Value);
    TDateTime MinDate() const { return minDate_; }
    void SetMinDate(TDateTime Value);
    TDateTime MaxDate() const { return maxDate_; }
    void SetMaxDate(TDateTime Value);
    // True when the date of Value lies within MinDate .. MaxDate.
    bool DateInRange(TDateTime Value) const;

    TNotifyEvent OnChange;

protected:
    virtual void Change();

private:
    void Show(TDateTime Date, TDateTime Time);
    void ApplyFormat();
    QDateTimeEdit *edit_;
    TDateTimeKind kind_ = dtkDate;
    TDateTime minDate_;
    TDateTime maxDate_;
    bool fromCode_ = false;
};
