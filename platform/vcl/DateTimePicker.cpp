#include "DateTimePicker.h"

#include "HandlerGuard.h"

#include <QDateTimeEdit>
#include <cmath>

namespace {

QDate ToQDate(TDateTime Whole)
{
    int y = 0, m = 0, d = 0;
    DecodeDate(Whole, y, m, d);
    return QDate(y, m, d);
}

TDateTime FromQDate(const QDate &D)
{
    TDateTime v = 0;
    TryEncodeDate(D.year(), D.month(), D.day(), v);
    return v;
}

QTime ToQTime(TDateTime Fraction)
{
    int h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(Fraction, h, m, s, ms);
    return QTime(h, m, s, ms);
}

TDateTime FromQTime(const QTime &T)
{
    return EncodeTime(T.hour(), T.minute(), T.second(), T.msec());
}

// The toolkit's picture letters as Qt's: months M, minutes m, 24-hour H.
QString QtDateFormat(const QString &Format)
{
    return Format.toLower().replace(u'm', u'M');
}

QString QtTimeFormat(const QString &Format)
{
    return Format.toLower().replace(u'm', u'M').replace(u'n', u'm').replace(u'h', u'H');
}

} // namespace

TDateTimePicker::TDateTimePicker(TComponent *AOwner)
    : TWinControl(AOwner, new QDateTimeEdit), edit_(static_cast<QDateTimeEdit *>(Widget())),
      minDate_(EncodeDate(100, 1, 1)), maxDate_(EncodeDate(9999, 12, 31))
{
    SetTabStop(true);
    SetBounds(0, 0, 186, 21);
    SetColor(clWindow);
    // Universal time: every time of day exists on every date (no clock
    // change skips or repeats an hour).
    edit_->setTimeSpec(Qt::UTC);
    edit_->setDateRange(ToQDate(minDate_), ToQDate(maxDate_));
    ApplyFormat();
    Show(std::trunc(::Date()), 0);
    QObject::connect(edit_, &QDateTimeEdit::dateTimeChanged, edit_, [this](const QDateTime &) {
        if (!fromCode_)
            GuardHandler("change", Name(), [this] { Change(); });
    });
}

void TDateTimePicker::Change()
{
    if (OnChange)
        OnChange(this);
}

void TDateTimePicker::ApplyFormat()
{
    fromCode_ = true;
    edit_->setDisplayFormat(kind_ == dtkDate ? QtDateFormat(FormatSettings.ShortDateFormat)
                                             : QtTimeFormat(FormatSettings.LongTimeFormat));
    fromCode_ = false;
}

void TDateTimePicker::SetKind(TDateTimeKind Value)
{
    if (Value == kind_)
        return;
    kind_ = Value;
    ApplyFormat();
}

void TDateTimePicker::Show(TDateTime Date, TDateTime Time)
{
    fromCode_ = true;
    edit_->setDateTime(QDateTime(ToQDate(std::clamp(Date, minDate_, maxDate_)), ToQTime(Time), Qt::UTC));
    fromCode_ = false;
}

TDateTime TDateTimePicker::Date() const
{
    return FromQDate(edit_->date());
}

TDateTime TDateTimePicker::Time() const
{
    return FromQTime(edit_->time());
}

TDateTime TDateTimePicker::DateTime() const
{
    const TDateTime d = Date();
    return d < 0 ? d - Time() : d + Time();
}

void TDateTimePicker::SetDateTime(TDateTime Value)
{
    const TDateTime whole = std::trunc(Value);
    Show(whole, std::fabs(Value - whole));
}

void TDateTimePicker::SetDate(TDateTime Value)
{
    Show(std::trunc(Value), Time());
}

void TDateTimePicker::SetTime(TDateTime Value)
{
    Show(Date(), std::fabs(Value - std::trunc(Value)));
}

bool TDateTimePicker::DateInRange(TDateTime Value) const
{
    const TDateTime whole = std::trunc(Value);
    return std::isfinite(Value) && whole >= minDate_ && whole <= maxDate_;
}

void TDateTimePicker::SetMinDate(TDateTime Value)
{
    minDate_ = std::trunc(Value);
    fromCode_ = true;
    edit_->setMinimumDate(ToQDate(minDate_));
    fromCode_ = false;
}

void TDateTimePicker::SetMaxDate(TDateTime Value)
{
    maxDate_ = std::trunc(Value);
    fromCode_ = true;
    edit_->setMaximumDate(ToQDate(maxDate_));
    fromCode_ = false;
}
