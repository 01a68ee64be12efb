#include "gValueConverterEditForm.h"

#include "Button.h"
#include "DateTimePicker.h"
#include "Format.h"
#include "Label.h"
#include "MessageBeep.h"
#include "PageControl.h"
#include "Panel.h"
#include "gComponentEditorButton.h"
#include "gComponentEditorEdit.h"
#include "gComponentEditorPageControl.h"
#include "gPlotAxisLabelFormat.h"
#include "gUpDown.h"

#include <cmath>

namespace {

using Form = TgValueConverterEditForm;

// The number fields: page, label and its left edge, field and its up-down,
// place (in the page), bounds and step (both bounds 0: none), what the
// field reads as.
struct FieldRow {
    int page;
    int labelX;
    const char *caption;
    const char *labelName;
    TgComponentEditorEdit *Form::*edit;
    const char *editName;
    TgUpDown *Form::*upDown;
    const char *upDownName;
    int x, y, width;
    int min, max, increment;
    TgEditorValueKind kind;
};

const FieldRow kFields[] = {
    {0, 6, "Weeks", "WeeksLabel", &Form::WeeksEdit, "WeeksEdit", &Form::WeeksUpDown, "WeeksUpDown", 52, 8, 50, 0, 0, 1,
     ievkFloat},
    {0, 6, "Days", "DaysLabel", &Form::DaysEdit, "DaysEdit", &Form::DaysUpDown, "DaysUpDown", 52, 34, 50, 0, 0, 1,
     ievkFloat},
    {0, 128, "Hours", "HoursLabel", &Form::HoursEdit, "HoursEdit", &Form::HoursUpDown, "HoursUpDown", 176, 8, 44, 0, 23, 1,
     ievkInteger},
    {0, 128, "Minutes", "MinutesLabel", &Form::MinutesEdit, "MinutesEdit", &Form::MinutesUpDown, "MinutesUpDown", 176, 34,
     44, 0, 59, 1, ievkInteger},
    {0, 128, "Seconds", "SecondsLabel", &Form::SecondsEdit, "SecondsEdit", &Form::SecondsUpDown, "SecondsUpDown", 176, 60,
     44, 0, 59, 1, ievkInteger},
    {0, 128, "mSec", "MilliSecondsLabel", &Form::MilliSecondsEdit, "MilliSecondsEdit", &Form::MilliSecondsUpDown,
     "MilliSecondsUpDown", 176, 86, 44, 0, 999, 100, ievkInteger},
    {2, 8, "Integer", "PriceIntegerLabel", &Form::PriceIntegerEdit, "PriceIntegerEdit", &Form::PriceIntegerUpDown,
     "PriceIntegerUpDown", 60, 8, 70, 0, 10000, 1, ievkFloat},
    {2, 8, "32nds", "Price32ndsLabel", &Form::Price32ndsEdit, "Price32ndsEdit", &Form::Price32ndsUpDown,
     "Price32ndsUpDown", 60, 34, 70, 0, 31, 1, ievkInteger},
    {2, 8, "256ths", "Price256thsLabel", &Form::Price256thsEdit, "Price256thsEdit", &Form::Price256thsUpDown,
     "Price256thsUpDown", 60, 60, 70, 0, 7, 1, ievkInteger},
};

// Beyond this size a value's whole days mean nothing as an interval or a date.
constexpr double kLargestDays = 1e14;

template <class T>
T *Place(TComponent *Owner, TWinControl *Parent, const char *Name, int X, int Y, int W, int H)
{
    auto *c = new T(Owner);
    c->SetName(QString::fromLatin1(Name));
    c->SetParent(Parent);
    c->SetBounds(X, Y, W, H);
    return c;
}

TLabel *PlaceLabel(TComponent *Owner, TWinControl *Parent, const char *Name, const char *Caption, int X, int Y)
{
    auto *l = new TLabel(Owner);
    l->SetName(QString::fromLatin1(Name));
    l->SetParent(Parent);
    l->SetCaption(QString::fromLatin1(Caption));
    l->SetLeft(X);
    l->SetTop(Y);
    return l;
}

TTabSheet *PlacePage(TComponent *Owner, TPageControl *Control, const char *Name, const char *Caption)
{
    auto *page = new TTabSheet(Owner);
    page->SetName(QString::fromLatin1(Name));
    page->SetPageControl(Control);
    page->SetCaption(QString::fromLatin1(Caption));
    return page;
}

// The sign of a field's number, "-0" included.
bool Negative(const TgComponentEditorEdit *Edit)
{
    return std::signbit(Edit->AsFloat());
}

double WholeOf(const TgComponentEditorEdit *Edit)
{
    return std::trunc(std::fabs(Edit->AsFloat()));
}

void EnableField(TgUpDown *UpDown, bool Enabled)
{
    if (Enabled)
        UpDown->Enable();
    else
        UpDown->Disable();
}

} // namespace

TgValueConverterEditForm::TgValueConverterEditForm(TComponent *AOwner) : TgCustomEditorForm(AOwner)
{
    SetName(QStringLiteral("ValueConverterEditForm"));
    SetCaption(QStringLiteral("Value Converter"));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 269, 264);

    PageControl = Place<TgComponentEditorPageControl>(this, this, "PageControl", 4, 4, 251, 150);
    IntervalTabSheet = PlacePage(this, PageControl, "IntervalTabSheet", "Interval");
    DateTimeTabSheet = PlacePage(this, PageControl, "DateTimeTabSheet", "Date/Time");
    Price32TabSheet = PlacePage(this, PageControl, "Price32TabSheet", "Price 32nds");
    TTabSheet *pages[] = {IntervalTabSheet, DateTimeTabSheet, Price32TabSheet};

    for (const FieldRow &f : kFields) {
        TTabSheet *page = pages[f.page];
        PlaceLabel(this, page, f.labelName, f.caption, f.labelX, f.y + 3);
        TgComponentEditorEdit *edit = Place<TgComponentEditorEdit>(this, page, f.editName, f.x, f.y, f.width, 21);
        edit->SetValueKind(f.kind);
        auto *upDown = new TgUpDown(this);
        upDown->SetName(QString::fromLatin1(f.upDownName));
        upDown->SetAssociate(edit);
        upDown->SetMin(f.min);
        upDown->SetMax(f.max);
        upDown->SetIncrement(f.increment);
        this->*f.edit = edit;
        this->*f.upDown = upDown;
    }
    gComponentEditorButton1 = Place<TgComponentEditorButton>(this, IntervalTabSheet, "gComponentEditorButton1", 6, 84,
                                                             100, 25);
    gComponentEditorButton1->SetCaption(QStringLiteral("Set All To 0"));

    DatePickerLabel = PlaceLabel(this, DateTimeTabSheet, "DatePickerLabel", "Date", 8, 14);
    TimePickerLabel = PlaceLabel(this, DateTimeTabSheet, "TimePickerLabel", "Time", 8, 44);
    SetNowButton = Place<TgComponentEditorButton>(this, DateTimeTabSheet, "SetNowButton", 8, 74, 75, 25);
    SetNowButton->SetCaption(QStringLiteral("Now"));

    PlaceLabel(this, this, "ValueLabel", "Value", 8, 164);
    ValueEdit = Place<TgComponentEditorEdit>(this, this, "ValueEdit", 60, 161, 160, 21);
    ValueEdit->SetValueKind(ievkFloat);

    Panel2 = Place<TPanel>(this, this, "Panel2", 0, 0, 259, 41);
    Panel2->SetAlign(alBottom);
    Panel2->SetBevelOuter(bvNone);
    OkButton = Place<TButton>(this, Panel2, "OkButton", 88, 8, 75, 25);
    OkButton->SetCaption(QStringLiteral("OK"));
    OkButton->SetModalResult(mrOk);
    OkButton->SetDefault(true);
    CancelButton = Place<TButton>(this, Panel2, "CancelButton", 172, 8, 75, 25);
    CancelButton->SetCaption(QStringLiteral("Cancel"));
    CancelButton->SetModalResult(mrCancel);
    CancelButton->SetCancel(true);

    for (TgComponentEditorEdit *e : {HoursEdit, MinutesEdit, SecondsEdit, MilliSecondsEdit, DaysEdit})
        e->OnUpdate = [this](TObject *s) { TimeChange(s); };
    WeeksEdit->OnUpdate = [this](TObject *s) { WeeksChange(s); };
    for (TgComponentEditorEdit *e : {PriceIntegerEdit, Price32ndsEdit, Price256thsEdit})
        e->OnUpdate = [this](TObject *s) { Price32Change(s); };
    SetNowButton->OnClick = [this](TObject *s) { SetNowButtonClick(s); };
    gComponentEditorButton1->OnClick = [this](TObject *s) { gComponentEditorButton1Click(s); };
    PageControl->SetActivePageIndex(0);
    FormCreate();
    SetValue(0);
}

void TgValueConverterEditForm::FormCreate()
{
    DatePicker = new TDateTimePicker(this);
    TimePicker = new TDateTimePicker(this);
    TimePicker->SetKind(dtkTime);
    DatePicker->SetName(QStringLiteral("DatePicker"));
    TimePicker->SetName(QStringLiteral("TimePicker"));
    for (auto [picker, label] : {std::pair{DatePicker, DatePickerLabel}, std::pair{TimePicker, TimePickerLabel}}) {
        picker->SetParent(DateTimeTabSheet);
        picker->SetBounds(label->Left() + label->Width() + 5, label->Top() - 3, 137, 21);
        picker->OnChange = [this](TObject *s) { DateTimePickerChange(s); };
    }
}

void TgValueConverterEditForm::SetPage(TgValueConverterPageType Page)
{
    PageControl->SetActivePageIndex(int(Page));
}

double TgValueConverterEditForm::Value() const
{
    return ValueEdit->TextIsValid(ValueEdit->Text()) ? ValueEdit->AsFloat() : FValue;
}

// -- showing ----------------------------------------------------------------

void TgValueConverterEditForm::SetValue(double X)
{
    FValue = X;
    ValueEdit->SetAsFloat(X);
    const bool number = std::isfinite(X);
    const double d = !number ? 0 : std::fabs(X) <= kLargestDays ? X : X - std::trunc(X);
    ShowInterval(number, d);
    ShowDate(number ? d : std::nan(""));
    ShowPrice(X);
}

void TgValueConverterEditForm::ShowInterval(bool Shown, double D)
{
    for (TgUpDown *u : {WeeksUpDown, DaysUpDown, HoursUpDown, MinutesUpDown, SecondsUpDown, MilliSecondsUpDown})
        EnableField(u, Shown);
    if (!Shown)
        return;
    const double a = std::fabs(D);
    long long days = static_cast<long long>(std::trunc(a));
    long long ms = std::llround((a - std::trunc(a)) * MSecsPerDay);
    if (ms >= MSecsPerDay) { // the fraction rounds up to the next whole day
        ++days;
        ms -= MSecsPerDay;
    }
    const QString sign = D < 0 ? QStringLiteral("-") : QString();
    WeeksEdit->SetAsString(sign + QString::number(days / 7));
    DaysEdit->SetAsString(sign + QString::number(days));
    HoursEdit->SetAsInteger(int(ms / 3600000));
    MinutesEdit->SetAsInteger(int(ms / 60000 % 60));
    SecondsEdit->SetAsInteger(int(ms / 1000 % 60));
    MilliSecondsEdit->SetAsInteger(int(ms % 1000));
}

void TgValueConverterEditForm::ShowDate(double D)
{
    const bool inRange = DatePicker->DateInRange(D);
    DatePicker->SetEnabled(inRange);
    TimePicker->SetEnabled(inRange);
    if (!inRange)
        return;
    DatePicker->SetDate(std::trunc(D));
    TimePicker->SetTime(D);
}

void TgValueConverterEditForm::ShowPrice(double X)
{
    // The fields hold the value truncated to its 256th, the sign on the
    // whole part.
    const bool shown = std::isfinite(X);
    for (TgUpDown *u : {PriceIntegerUpDown, Price32ndsUpDown, Price256thsUpDown})
        EnableField(u, shown);
    if (!shown)
        return;
    const TgPrice32nds p = SplitPrice32nds(X, false);
    PriceIntegerEdit->SetAsString((p.Negative ? QStringLiteral("-") : QString()) +
                                  Format(QStringLiteral("%.0f"), p.Whole));
    Price32ndsEdit->SetAsInteger(p.ThirtySeconds);
    Price256thsEdit->SetAsInteger(p.Eighths);
}

// -- rebuilding -------------------------------------------------------------

void TgValueConverterEditForm::Rebuild(double NewValue)
{
    ValueEdit->SetAsFloat(NewValue);
    SetValue(Value());
}

bool TgValueConverterEditForm::IntervalTime(double &Time)
{
    if (TryEncodeTime(HoursEdit->AsInteger(), MinutesEdit->AsInteger(), SecondsEdit->AsInteger(),
                      MilliSecondsEdit->AsInteger(), Time))
        return true;
    MessageBeep();
    SetValue(Value());
    return false;
}

void TgValueConverterEditForm::TimeChange(TObject *)
{
    double time = 0;
    if (!IntervalTime(time))
        return;
    const double magnitude = WholeOf(DaysEdit) + time;
    Rebuild(Negative(DaysEdit) ? -magnitude : magnitude);
}

void TgValueConverterEditForm::WeeksChange(TObject *)
{
    double time = 0;
    if (!IntervalTime(time))
        return;
    const double magnitude = WholeOf(WeeksEdit) * 7 + time;
    Rebuild(Negative(WeeksEdit) ? -magnitude : magnitude);
}

void TgValueConverterEditForm::Price32Change(TObject *)
{
    const double magnitude =
        WholeOf(PriceIntegerEdit) + Price32ndsEdit->AsInteger() / 32.0 + Price256thsEdit->AsInteger() / 256.0;
    ValueEdit->SetAsFloat(Negative(PriceIntegerEdit) ? -magnitude : magnitude);
}

void TgValueConverterEditForm::DateTimePickerChange(TObject *)
{
    const double date = DatePicker->Date();
    const double time = TimePicker->Time();
    Rebuild(date < 0 ? date - time : date + time);
}

void TgValueConverterEditForm::SetNowButtonClick(TObject *)
{
    Rebuild(Now());
}

void TgValueConverterEditForm::gComponentEditorButton1Click(TObject *)
{
    Rebuild(0);
}
