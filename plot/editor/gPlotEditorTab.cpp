#include "gPlotEditorTab.h"

#include "Exceptions.h"
#include "Font.h"
#include "Label.h"
#include "PageControl.h"
#include "TypInfo.h"
#include "gComponentEditorButton.h"
#include "gComponentEditorCheckBox.h"
#include "gComponentEditorColorPicker.h"
#include "gComponentEditorComboBox.h"
#include "gComponentEditorFontPicker.h"
#include "gComponentEditorGroupBox.h"
#include "gComponentEditorOpenPicker.h"
#include "gComponentEditorPageControl.h"
#include "gComponentEditorRadioGroup.h"
#include "gComponentEditorSavePicker.h"
#include "gComponentEditorValueConverterPicker.h"
#include "gCustomEditorForm.h"
#include "gUpDown.h"

#include <algorithm>
#include <set>

// --- rows and frames ----------------------------------------------------------

TgEditorRow &TgEditorRow::In(const QString &AParent, int AX, int AY, int ALabelWidth, int AWidth, int AHeight)
{
    Parent = AParent;
    X = AX;
    Y = AY;
    LabelWidth = ALabelWidth;
    Width = AWidth;
    Height = AHeight;
    return *this;
}

TgEditorRow &TgEditorRow::WithUpDown(const QString &AName, int AMin, int AMax, int AIncrement)
{
    UpDown = AName;
    Min = AMin;
    Max = AMax;
    Increment = AIncrement;
    return *this;
}

TgEditorRow &TgEditorRow::WithPicker(const QString &AName, TgValueConverterPageType APage)
{
    Picker = AName;
    PickerPage = APage;
    return *this;
}

TgEditorRow &TgEditorRow::WithOrdinals(std::vector<int> AOrdinals)
{
    Ordinals = std::move(AOrdinals);
    return *this;
}

TgEditorRow &TgEditorRow::Named(const QString &ALabelName)
{
    LabelName = ALabelName;
    return *this;
}

TgEditorRow &TgEditorRow::FilledOnRefreshOnly()
{
    FillOnDropDown = false;
    return *this;
}

TgEditorRow &TgEditorRow::Only(std::function<bool(TObject *)> AWhen)
{
    When = std::move(AWhen);
    return *this;
}

TgEditorRow &TgEditorRow::EnabledWhen(std::function<bool(TObject *)> AEnabled)
{
    Enabled = std::move(AEnabled);
    return *this;
}

TgEditorRow &TgEditorRow::File(const QString &AFilter, const QString &AExt, bool AMustExist)
{
    Filter = AFilter;
    DefaultExt = AExt;
    FileMustExist = AMustExist;
    return *this;
}

namespace {

TgEditorRow Row(const QString &Name, TgEditorRowKind Kind, const QString &Caption, const QString &Path)
{
    TgEditorRow r;
    r.Name = Name;
    r.Kind = Kind;
    r.Caption = Caption;
    r.Path = Path;
    return r;
}

} // namespace

TgEditorRow EditRow(const QString &Name, const QString &Caption, const QString &Path, TgEditorValueKind Value)
{
    TgEditorRow r = Row(Name, ierEdit, Caption, Path);
    r.Value = Value;
    return r;
}

TgEditorRow CheckRow(const QString &Name, const QString &Caption, const QString &Path)
{
    return Row(Name, ierCheckBox, Caption, Path);
}

TgEditorRow ComboIndexRow(const QString &Name, const QString &Caption, const QString &Path, const QStringList &Items)
{
    TgEditorRow r = Row(Name, ierComboIndex, Caption, Path);
    r.Items = Items;
    return r;
}

TgEditorRow ComboTextRow(const QString &Name, const QString &Caption, const QString &Path, TgEditorNameList Names)
{
    TgEditorRow r = Row(Name, ierComboText, Caption, Path);
    r.Names = Names;
    return r;
}

TgEditorRow RadioRow(const QString &Name, const QString &Caption, const QString &Path, const QStringList &Items)
{
    TgEditorRow r = Row(Name, ierRadioIndex, Caption, Path);
    r.Items = Items;
    return r;
}

TgEditorRow ColorRow(const QString &Name, const QString &Caption, const QString &Path)
{
    return Row(Name, ierColor, Caption, Path);
}

TgEditorRow FontRow(const QString &Name, const QString &Caption, const QString &Path)
{
    return Row(Name, ierFont, Caption, Path);
}

TgEditorRow ButtonRow(const QString &Name, const QString &Caption)
{
    return Row(Name, ierButton, Caption, QString());
}

TgEditorRow OpenPickerRow(const QString &Name, const QString &Caption)
{
    return Row(Name, ierOpenPicker, Caption, QString());
}

TgEditorRow SavePickerRow(const QString &Name, const QString &Caption)
{
    return Row(Name, ierSavePicker, Caption, QString());
}

TgEditorRow LabelRow(const QString &Name, const QString &Caption)
{
    return Row(Name, ierLabel, Caption, QString());
}

TgEditorRow BindRow(const QString &Name, TgEditorRowKind Kind, const QString &Path)
{
    return Row(Name, Kind, QString(), Path);
}

TgEditorFrame PageControlFrame(const QString &Name, const QString &Parent, int X, int Y, int Width, int Height)
{
    return {Name, iefPageControl, QString(), Parent, X, Y, Width, Height};
}

TgEditorFrame SheetFrame(const QString &Name, const QString &Caption, const QString &PageControl)
{
    return {Name, iefTabSheet, Caption, PageControl, 0, 0, 0, 0};
}

TgEditorFrame GroupFrame(const QString &Name, const QString &Caption, const QString &Parent, int X, int Y, int Width,
                         int Height)
{
    return {Name, iefGroupBox, Caption, Parent, X, Y, Width, Height};
}

// --- building -------------------------------------------------------------------

namespace {

template <class T>
T *Found(TComponent *Form, const QString &Name)
{
    auto *c = dynamic_cast<T *>(Form->FindComponent(Name));
    if (!c)
        throw Exception(QStringLiteral("The editor has no control \"%1\" of its kind").arg(Name));
    return c;
}

template <class T>
T *Make(TComponent *Form, TWinControl *Parent, const QString &Name)
{
    auto *c = new T(Form);
    if (!Name.isEmpty())
        c->SetName(Name);
    c->SetParent(Parent);
    return c;
}

// The kinds whose caption stands in a label before the control.
bool LabelledBefore(TgEditorRowKind Kind)
{
    return Kind == ierEdit || Kind == ierComboIndex || Kind == ierComboText || Kind == ierColor;
}

void PlaceRow(TgCustomEditorForm *Form, TWinControl *Parent, const TgEditorRow &R)
{
    const int x = R.X + R.LabelWidth;
    const auto size = [&](int W, int H) { return std::pair{R.Width > 0 ? R.Width : W, R.Height > 0 ? R.Height : H}; };
    if (LabelledBefore(R.Kind) && !R.Caption.isEmpty()) {
        auto *label = Make<TLabel>(Form, Parent, R.LabelName);
        label->SetCaption(R.Caption);
        label->SetLeft(R.X);
        label->SetTop(R.Y + 3);
    }
    TControl *placed = nullptr;
    switch (R.Kind) {
    case ierEdit: {
        auto *edit = Make<TgComponentEditorEdit>(Form, Parent, R.Name);
        edit->SetValueKind(R.Value);
        const auto [w, h] = size(80, 21);
        edit->SetBounds(x, R.Y, w, h);
        if (!R.UpDown.isEmpty()) {
            auto *upDown = new TgUpDown(Form);
            upDown->SetName(R.UpDown);
            upDown->SetMin(R.Min);
            upDown->SetMax(R.Max);
            upDown->SetIncrement(R.Increment);
            upDown->SetAssociate(edit);
        }
        if (!R.Picker.isEmpty()) {
            auto *picker = new TgComponentEditorValueConverterPicker(Form);
            picker->SetName(R.Picker);
            picker->SetDefaultPage(R.PickerPage);
            picker->SetAssociate(edit);
        }
        return;
    }
    case ierCheckBox: {
        auto *box = Make<TgComponentEditorCheckBox>(Form, Parent, R.Name);
        box->SetCaption(R.Caption);
        box->SetLeft(x);
        box->SetTop(R.Y + 2);
        if (R.Width > 0) {
            box->SetAutoSize(false);
            box->SetWidth(R.Width);
        }
        return;
    }
    case ierComboIndex:
    case ierComboText: {
        const bool listOnly = R.Kind == ierComboIndex || R.Names != ienlNone;
        auto *combo = new TgComponentEditorComboBox(Form, listOnly ? csDropDownList : csDropDown);
        combo->SetName(R.Name);
        combo->SetParent(Parent);
        for (const QString &item : R.Items)
            combo->Items()->Add(item);
        const auto [w, h] = size(120, 21);
        combo->SetBounds(x, R.Y, w, h);
        return;
    }
    case ierRadioIndex: {
        auto *group = Make<TgComponentEditorRadioGroup>(Form, Parent, R.Name);
        group->SetCaption(R.Caption);
        for (const QString &item : R.Items)
            group->Items()->Add(item);
        const auto [w, h] = size(120, 24 + 18 * int(R.Items.size()));
        group->SetBounds(x, R.Y, w, h);
        return;
    }
    case ierColor: placed = Make<TgComponentEditorColorPicker>(Form, Parent, R.Name); break;
    case ierFont: placed = Make<TgComponentEditorFontPicker>(Form, Parent, R.Name); break;
    case ierButton: placed = Make<TgComponentEditorButton>(Form, Parent, R.Name); break;
    case ierOpenPicker: {
        auto *picker = Make<TgComponentEditorOpenPicker>(Form, Parent, R.Name);
        picker->Filter = R.Filter;
        picker->DefaultExt = R.DefaultExt;
        picker->FileMustExist = R.FileMustExist;
        placed = picker;
        break;
    }
    case ierSavePicker: {
        auto *picker = Make<TgComponentEditorSavePicker>(Form, Parent, R.Name);
        picker->Filter = R.Filter;
        picker->DefaultExt = R.DefaultExt;
        placed = picker;
        break;
    }
    case ierLabel: {
        auto *label = Make<TLabel>(Form, Parent, R.Name);
        label->SetCaption(R.Caption);
        label->SetLeft(x);
        label->SetTop(R.Y);
        return;
    }
    }
    if (R.Kind != ierColor && !R.Caption.isEmpty())
        placed->SetCaption(R.Caption);
    const auto [w, h] = size(placed->Width(), placed->Height());
    placed->SetBounds(x, R.Y, w, h);
}

// The Tab order of a container's windowed children: by place, top to
// bottom, then left to right.
void OrderByPlace(TWinControl *Container)
{
    std::vector<TWinControl *> children;
    for (int i = 0; i < Container->ControlCount(); ++i)
        if (auto *w = dynamic_cast<TWinControl *>(Container->Controls(i)))
            children.push_back(w);
    std::stable_sort(children.begin(), children.end(), [](const TWinControl *a, const TWinControl *b) {
        return a->Top() != b->Top() ? a->Top() < b->Top() : a->Left() < b->Left();
    });
    for (size_t i = 0; i < children.size(); ++i)
        children[i]->SetTabOrder(int(i));
}

} // namespace

void BuildEditorTab(TgCustomEditorForm *Form, const TgEditorTabBody &Body)
{
    std::set<TWinControl *> containers;
    for (const TgEditorFrame &f : Body.Frames) {
        switch (f.Kind) {
        case iefPageControl: {
            auto *parent = Found<TWinControl>(Form, f.Parent);
            auto *pages = Make<TgComponentEditorPageControl>(Form, parent, f.Name);
            if (f.Width > 0)
                pages->SetBounds(f.X, f.Y, f.Width, f.Height);
            else
                pages->SetAlign(alClient);
            containers.insert(parent);
            break;
        }
        case iefTabSheet: {
            auto *sheet = new TTabSheet(Form);
            sheet->SetName(f.Name);
            sheet->SetPageControl(Found<TPageControl>(Form, f.Parent));
            sheet->SetCaption(f.Caption);
            break;
        }
        case iefGroupBox: {
            auto *parent = Found<TWinControl>(Form, f.Parent);
            auto *group = Make<TgComponentEditorGroupBox>(Form, parent, f.Name);
            group->SetParentColor(true);
            group->SetCaption(f.Caption);
            group->SetBounds(f.X, f.Y, f.Width, f.Height);
            containers.insert(parent);
            break;
        }
        }
    }
    for (const TgEditorRow &r : Body.Rows) {
        if (r.Parent.isEmpty())
            continue;
        auto *parent = Found<TWinControl>(Form, r.Parent);
        PlaceRow(Form, parent, r);
        containers.insert(parent);
    }
    for (TWinControl *c : containers)
        OrderByPlace(c);
    for (const TgEditorFrame &f : Body.Frames)
        if (f.Kind == iefPageControl)
            Found<TPageControl>(Form, f.Name)->SetActivePageIndex(0);
}

// --- binding, filling, applying ----------------------------------------------

namespace {

bool Counts(const TgEditorRow &R, TObject *Object)
{
    return !R.Path.isEmpty() && (!R.When || R.When(Object));
}

TFont *FontProperty(TObject *Object, const QString &Path)
{
    TObject *target = nullptr;
    const TPropInfo *info = nullptr;
    if (!FindPropPath(Object, Path, target, info) || info->Kind != tkClass)
        return nullptr;
    return dynamic_cast<TFont *>(GetObjectProp(target, *info));
}

// The item shown for an ordinal, and the ordinal an item stands for (-1
// for none either way).
int ItemOfOrdinal(const TgEditorRow &R, int Ordinal)
{
    if (R.Ordinals.empty())
        return Ordinal;
    const auto at = std::find(R.Ordinals.begin(), R.Ordinals.end(), Ordinal);
    return at == R.Ordinals.end() ? -1 : int(at - R.Ordinals.begin());
}

int OrdinalOfItem(const TgEditorRow &R, int Item)
{
    if (R.Ordinals.empty() || Item < 0)
        return Item;
    return Item < int(R.Ordinals.size()) ? R.Ordinals[size_t(Item)] : -1;
}

// The controls of a row that take its enabled state: the control and what
// stands beside an edit.
void SetRowEnabled(TComponent *Form, const TgEditorRow &R, bool Enabled)
{
    for (const QString &name : {R.Name, R.UpDown, R.Picker})
        if (!name.isEmpty())
            Found<TControl>(Form, name)->SetEnabled(Enabled);
}

} // namespace

void BindEditorRows(TComponent *Form, const std::vector<TgEditorRow> &Rows, const TNotifyEvent &Handler,
                    const std::function<void(TgEditorNameList, TComponent *)> &Fill)
{
    for (const TgEditorRow &r : Rows) {
        if (r.Path.isEmpty())
            continue;
        switch (r.Kind) {
        case ierEdit: Found<TgComponentEditorEdit>(Form, r.Name)->OnUpdate = Handler; break;
        case ierCheckBox: Found<TgComponentEditorCheckBox>(Form, r.Name)->OnClick = Handler; break;
        case ierComboIndex:
        case ierComboText: {
            auto *combo = Found<TgComponentEditorComboBox>(Form, r.Name);
            combo->OnChange = Handler;
            if (r.Names != ienlNone && r.FillOnDropDown)
                combo->OnDropDown = [Fill, names = r.Names](TObject *Sender) {
                    Fill(names, static_cast<TComponent *>(Sender));
                };
            break;
        }
        case ierRadioIndex: Found<TgComponentEditorRadioGroup>(Form, r.Name)->OnChange = Handler; break;
        case ierColor: Found<TgComponentEditorColorPicker>(Form, r.Name)->OnChange = Handler; break;
        case ierFont: Found<TgComponentEditorFontPicker>(Form, r.Name)->OnChange = Handler; break;
        default: break;
        }
    }
}

void FillEditorRows(TComponent *Form, const std::vector<TgEditorRow> &Rows, TObject *Object)
{
    for (const TgEditorRow &r : Rows) {
        if (!Counts(r, Object))
            continue;
        const QVariant v = GetPropValue(Object, r.Path);
        switch (r.Kind) {
        case ierEdit: {
            if (!v.isValid())
                break;
            auto *edit = Found<TgComponentEditorEdit>(Form, r.Name);
            switch (edit->ValueKind()) {
            case ievkText: edit->SetAsString(v.toString()); break;
            case ievkInteger: edit->SetAsInteger(int(v.toLongLong())); break;
            case ievkFloat: edit->SetAsFloat(v.toDouble()); break;
            case ievkDateTime: edit->SetAsDateTime(v.toDouble()); break;
            }
            break;
        }
        case ierCheckBox:
            if (v.isValid())
                Found<TgComponentEditorCheckBox>(Form, r.Name)->SetAsBoolean(v.toLongLong() != 0);
            break;
        case ierComboIndex:
            if (v.isValid())
                Found<TgComponentEditorComboBox>(Form, r.Name)->SetAsInteger(ItemOfOrdinal(r, int(v.toLongLong())));
            break;
        case ierComboText: {
            if (!v.isValid())
                break;
            auto *combo = Found<TgComponentEditorComboBox>(Form, r.Name);
            if (r.Names == ienlNone) {
                combo->SetAsString(v.toString());
                break;
            }
            int at = -1;
            for (int i = 0; i < combo->Items()->Count() && at < 0; ++i)
                if (combo->Items()->Get(i) == v.toString())
                    at = i;
            combo->SetAsInteger(at);
            break;
        }
        case ierRadioIndex:
            if (v.isValid())
                Found<TgComponentEditorRadioGroup>(Form, r.Name)->SetAsInteger(ItemOfOrdinal(r, int(v.toLongLong())));
            break;
        case ierColor:
            if (v.isValid())
                Found<TgComponentEditorColorPicker>(Form, r.Name)->SetColor(TColor(v.toLongLong()));
            break;
        case ierFont:
            if (TFont *font = FontProperty(Object, r.Path))
                Found<TgComponentEditorFontPicker>(Form, r.Name)->SetFont(font);
            break;
        default: break;
        }
        if (r.Enabled)
            SetRowEnabled(Form, r, r.Enabled(Object));
    }
}

void ApplyEditorRows(TComponent *Form, const std::vector<TgEditorRow> &Rows, TObject *Object)
{
    for (const TgEditorRow &r : Rows) {
        if (!Counts(r, Object))
            continue;
        QVariant v;
        switch (r.Kind) {
        case ierEdit: {
            auto *edit = Found<TgComponentEditorEdit>(Form, r.Name);
            const QString text = edit->Text();
            if (!edit->TextIsValid(text) || (edit->ValueKind() != ievkText && text.trimmed().isEmpty()))
                break;
            switch (edit->ValueKind()) {
            case ievkText: v = text; break;
            case ievkInteger: v = qlonglong(edit->AsInteger()); break;
            case ievkFloat: v = edit->AsFloat(); break;
            case ievkDateTime: v = double(edit->AsDateTime()); break;
            }
            break;
        }
        case ierCheckBox: v = qlonglong(Found<TgComponentEditorCheckBox>(Form, r.Name)->AsBoolean()); break;
        case ierComboIndex:
        case ierComboText: {
            auto *combo = Found<TgComponentEditorComboBox>(Form, r.Name);
            if (r.Kind == ierComboText && r.Names == ienlNone)
                v = combo->AsString();
            else if (r.Kind == ierComboIndex) {
                if (const int ordinal = OrdinalOfItem(r, combo->AsInteger()); ordinal >= 0)
                    v = qlonglong(ordinal);
            } else if (combo->AsInteger() >= 0)
                v = combo->Items()->Get(combo->AsInteger());
            break;
        }
        case ierRadioIndex: {
            const int ordinal = OrdinalOfItem(r, Found<TgComponentEditorRadioGroup>(Form, r.Name)->AsInteger());
            if (ordinal >= 0)
                v = qlonglong(ordinal);
            break;
        }
        case ierColor: v = qlonglong(Found<TgComponentEditorColorPicker>(Form, r.Name)->Color()); break;
        case ierFont:
            if (TFont *font = FontProperty(Object, r.Path))
                font->Assign(Found<TgComponentEditorFontPicker>(Form, r.Name)->Font());
            break;
        default: break;
        }
        if (v.isValid())
            SetPropValue(Object, r.Path, v);
    }
}

void SetEditorControlsEnabled(TComponent *Form, const QString &Prefix, bool Enabled)
{
    const auto toggle = [Enabled](auto *Control) {
        if (Enabled)
            Control->Enable();
        else
            Control->Disable();
    };
    const auto named = [&Prefix](const TComponent *C) {
        return C && C->Name().startsWith(Prefix, Qt::CaseInsensitive);
    };
    for (int i = 0; i < Form->ComponentCount(); ++i) {
        TComponent *c = Form->Components(i);
        // An up-down or a picker goes with the edit it stands beside,
        // whatever its own name.
        const auto *upDown = dynamic_cast<TgUpDown *>(c);
        const auto *picker = dynamic_cast<TgComponentEditorValueConverterPicker *>(c);
        if (!named(c) && !(upDown && named(upDown->Associate())) && !(picker && named(picker->Associate())))
            continue;
        if (dynamic_cast<TPageControl *>(c) || dynamic_cast<TTabSheet *>(c) || dynamic_cast<TCustomLabel *>(c))
            continue;
        if (auto *combo = dynamic_cast<TgComponentEditorComboBox *>(c))
            toggle(combo);
        else if (auto *radio = dynamic_cast<TgComponentEditorRadioGroup *>(c))
            toggle(radio);
        else if (auto *edit = dynamic_cast<TgComponentEditorEdit *>(c))
            toggle(edit);
        else if (auto *check = dynamic_cast<TgComponentEditorCheckBox *>(c))
            toggle(check);
        else if (auto *color = dynamic_cast<TgComponentEditorColorPicker *>(c))
            toggle(color);
        else if (auto *font = dynamic_cast<TgComponentEditorFontPicker *>(c))
            toggle(font);
        else if (auto *upDown = dynamic_cast<TgUpDown *>(c))
            toggle(upDown);
        else if (auto *control = dynamic_cast<TControl *>(c))
            control->SetEnabled(Enabled);
    }
}
