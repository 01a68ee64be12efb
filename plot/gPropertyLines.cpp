#include "gPropertyLines.h"

#include "Exceptions.h"
#include "FloatFormat.h"
#include "FormatSettings.h"
#include "Strings.h"

#include <QRegularExpression>
#include <algorithm>

void SplitNameValue(const QString &Text, const QString &Separator, QString &Name, QString &Value)
{
    const int at = static_cast<int>(Text.indexOf(Separator));
    if (at < 0 || Separator.isEmpty()) {
        Name.clear();
        Value.clear();
        return;
    }
    Name = Text.left(at).trimmed();
    Value = Text.mid(at + 1).trimmed();
}

bool ExtractNameValue(const QString &Key, QString &Value, TStrings *List)
{
    QString name;
    for (int i = 0; i < List->Count(); ++i) {
        SplitNameValue(List->Get(i), QStringLiteral("="), name, Value);
        if (name.compare(Key, Qt::CaseInsensitive) == 0) {
            List->Delete(i);
            return true;
        }
    }
    return false;
}

TObject *GetObjectProperty(TObject *Instance, const QString &PropName)
{
    const TPropInfo *p = GetPropInfo(Instance, PropName);
    return p ? GetObjectProp(Instance, *p) : nullptr;
}

namespace {

QString FullName(const QString &Path, const QString &Name)
{
    return Path.trimmed().isEmpty() ? Name : Path + u'.' + Name;
}

// The object and property a (dotted) name reaches; false for none.
bool Resolve(TObject *Instance, const QString &Name, TObject *&Target, const TPropInfo *&Info)
{
    const int dot = static_cast<int>(Name.indexOf(u'.'));
    if (dot >= 0) {
        const TPropInfo *head = GetPropInfo(Instance, Name.left(dot).trimmed());
        if (!head || head->Kind != tkClass)
            return false; // a head that holds no object reaches nothing
        TObject *sub = GetObjectProp(Instance, *head);
        return sub && Resolve(sub, Name.mid(dot + 1).trimmed(), Target, Info);
    }
    Info = GetPropInfo(Instance, Name);
    Target = Instance;
    return Info != nullptr;
}

double FloatOf(const QString &Value, QChar Separator)
{
    QString text = Value;
    if (Separator == u'.') {
        const int at = static_cast<int>(text.indexOf(u','));
        if (at >= 0)
            text[at] = u'.';
    } else if (Separator == u',') {
        const int at = static_cast<int>(text.indexOf(u'.'));
        if (at >= 0)
            text[at] = u',';
    } else {
        text.clear();
    }
    TFormatSettings s = FormatSettings;
    s.DecimalSeparator = Separator == u',' ? u',' : u'.';
    return StrToFloat(text, s);
}

QString TextOf(const QString &Value)
{
    static const QRegularExpression cr(QStringLiteral("#13"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression lf(QStringLiteral("#10"), QRegularExpression::CaseInsensitiveOption);
    QString text = Value;
    text.replace(cr, QStringLiteral("\r"));
    text.replace(lf, QStringLiteral("\n"));
    return text;
}

// Converts Value for Info (raising when it does not) and sets it when Apply.
void Convert(TObject *Target, const TPropInfo &Info, const QString &Value, QChar Separator, bool Apply)
{
    if (Info.IsOrdinal()) {
        const long long v = StrToInt64(Value);
        CheckOrdValue(Info, v);
        if (Apply)
            SetOrdProp(Target, Info, v);
    } else if (Info.Kind == tkFloat) {
        const double v = FloatOf(Value, Separator);
        if (Apply)
            SetFloatProp(Target, Info, v);
    } else if (Info.IsString()) {
        if (Apply)
            SetStrProp(Target, Info, TextOf(Value));
    }
}

} // namespace

TTypeKind FindPropertyKind(TObject *Instance, const QString &Path, const QString &PropertyName)
{
    for (const TPropInfo &p : GetPropList(Instance)) {
        if (!p.Writable)
            continue;
        const QString full = FullName(Path, p.Name);
        if (p.Kind == tkClass) {
            if (auto *sub = dynamic_cast<TPersistent *>(GetObjectProp(Instance, p))) {
                const TTypeKind k = FindPropertyKind(sub, full, PropertyName);
                if (k != tkUnknown)
                    return k;
            }
        } else if (full.compare(PropertyName, Qt::CaseInsensitive) == 0) {
            return p.Kind;
        }
    }
    return tkUnknown;
}

void SavePropertiesToStrings(TObject *Instance, const QString &Path, TStrings *Lines, bool OnlyNonDefault,
                             TStrings *ExcludeList)
{
    for (const TPropInfo &p : GetPropList(Instance)) {
        if (!p.Writable || !IsStoredProp(Instance, p))
            continue;
        const QString full = FullName(Path, p.Name);
        if (ExcludeList && ExcludeList->IndexOf(full) >= 0)
            continue;
        if (p.IsOrdinal()) {
            if (OnlyNonDefault && IsDefaultOrdProp(Instance, p))
                continue;
            Lines->Add(full + QStringLiteral(" = ") + QString::number(GetOrdProp(Instance, p)));
        } else if (p.Kind == tkFloat) {
            Lines->Add(full + QStringLiteral(" = ") + FloatToStr(GetFloatProp(Instance, p), TFormatSettings()));
        } else if (p.IsString()) {
            QString v = GetStrProp(Instance, p);
            v.replace(u'\r', QStringLiteral("#13"));
            v.replace(u'\n', QStringLiteral("#10"));
            Lines->Add(full + QStringLiteral(" = ") + v);
        } else if (p.Kind == tkClass) {
            if (auto *sub = dynamic_cast<TPersistent *>(GetObjectProp(Instance, p)))
                SavePropertiesToStrings(sub, full, Lines, OnlyNonDefault, ExcludeList);
        }
    }
}

void LoadPropertiesFromStrings(TObject *Instance, const QString &Path, TStrings *List)
{
    const QChar separator = FormatSettings.DecimalSeparator;
    while (List->Count() > 0) {
        QString name, value;
        SplitNameValue(List->Get(0), QStringLiteral("="), name, value);
        QString prefix;
        if (!Path.trimmed().isEmpty()) {
            const int dot = static_cast<int>(name.indexOf(u'.'));
            const QString head = dot >= 0 ? name.left(dot).trimmed() : QString();
            if (dot >= 0 && head.compare(Path, Qt::CaseInsensitive) == 0) {
                prefix = head;
                name = name.mid(dot + 1).trimmed();
            }
        }
        if (prefix != Path)
            return; // the line belongs to another object
        SetPropertyFromText(Instance, name, value, separator);
        List->Delete(0);
    }
}

void SetPropertyFromText(TObject *Instance, const QString &Name, const QString &Value, QChar DecimalSeparator)
{
    TObject *target = nullptr;
    const TPropInfo *info = nullptr;
    if (Resolve(Instance, Name, target, info))
        Convert(target, *info, Value, DecimalSeparator, true);
}

bool CheckPropertyText(TObject *Instance, const QString &Name, const QString &Value, QChar DecimalSeparator)
{
    TObject *target = nullptr;
    const TPropInfo *info = nullptr;
    if (!Resolve(Instance, Name, target, info))
        return false;
    Convert(target, *info, Value, DecimalSeparator, false);
    return true;
}

void ThrowLineError(int Line, const QString &Message)
{
    throw Exception(QStringLiteral("Line %1: %2").arg(Line).arg(Message));
}

TgPropertyLineList::TgPropertyLineList(const TStrings *Lines)
{
    int last = Lines->Count();
    while (last > 0 && Lines->Get(last - 1).trimmed().isEmpty())
        --last;
    FLines.reserve(static_cast<size_t>(last));
    for (int i = 0; i < last; ++i) {
        const QString text = Lines->Get(i);
        TgLine line{i + 1, QString(), QString()};
        if (text.trimmed().isEmpty())
            ThrowLineError(line.Number, QStringLiteral("Empty line"));
        if (!text.contains(u'='))
            ThrowLineError(line.Number, QStringLiteral("\"=\" missing in \"%1\"").arg(text));
        SplitNameValue(text, QStringLiteral("="), line.Name, line.Value);
        if (line.Name.isEmpty())
            ThrowLineError(line.Number, QStringLiteral("Property name missing in \"%1\"").arg(text));
        FLines.push_back(std::move(line));
    }
    FLeft = static_cast<int>(FLines.size());
}

void TgPropertyLineList::Take(size_t Index)
{
    FLines[Index].Taken = true;
    --FLeft;
    FFirst = NextLeft(FFirst);
}

size_t TgPropertyLineList::NextLeft(size_t Index) const
{
    while (Index < FLines.size() && FLines[Index].Taken)
        ++Index;
    return Index;
}

void TgPropertyLineList::CheckUsed(const QString &Message) const
{
    if (FFirst < FLines.size())
        ThrowLineError(FLines[FFirst].Number, Message.arg(FLines[FFirst].Name));
}

bool TgPropertyLineList::Extract(const QString &Key, QString &Value, int &Line)
{
    for (size_t i = FFirst; i < FLines.size(); i = NextLeft(i + 1))
        if (FLines[i].Name.compare(Key, Qt::CaseInsensitive) == 0) {
            Value = FLines[i].Value;
            Line = FLines[i].Number;
            Take(i);
            return true;
        }
    return false;
}

bool TgPropertyLineList::OfPath(const TgLine &Line, const QString &Path, QString &Name)
{
    Name = Line.Name;
    if (Path.trimmed().isEmpty())
        return Path.isEmpty();
    const int dot = static_cast<int>(Name.indexOf(u'.'));
    if (dot < 0 || Name.left(dot).trimmed() != Path)
        return false; // the line belongs to another object
    Name = Name.mid(dot + 1).trimmed();
    return true;
}

void TgPropertyLineList::Apply(TObject *Instance, const QString &Path)
{
    const QChar separator = FormatSettings.DecimalSeparator;
    QString name;
    while (FFirst < FLines.size() && OfPath(FLines[FFirst], Path, name)) {
        const TgLine &line = FLines[FFirst];
        try {
            SetPropertyFromText(Instance, name, line.Value, separator);
        } catch (const Exception &e) {
            ThrowLineError(line.Number, QStringLiteral("%1 (%2 = %3)").arg(e.Message(), line.Name, line.Value));
        }
        Take(FFirst);
    }
}

void TgPropertyLineList::Skip(const QString &Path)
{
    QString name;
    while (FFirst < FLines.size() && OfPath(FLines[FFirst], Path, name))
        Take(FFirst);
}

void TgPropertyLineList::RemoveName(const QString &Path, const QString &Name)
{
    QString name;
    for (size_t i = FFirst; i < FLines.size(); i = NextLeft(i + 1))
        if (OfPath(FLines[i], Path, name) && name.compare(Name, Qt::CaseInsensitive) == 0)
            Take(i);
}
