#pragma once
#include "Persistent.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>
#include <type_traits>
#include <vector>

// Published properties in place of run-time type information: each class
// that publishes properties lists them once, in declaration order, with
// their kind, accessors, declared default and stored rule (TPublishedClass,
// built with TPublishedBuilder and returned by the class's PublishedClass()).
// Streams, property files and property editors walk these lists; names are
// looked up without regard to letter case.

enum TTypeKind {
    tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod,
    tkWChar, tkLString, tkWString, tkVariant, tkArray, tkRecord, tkInterface, tkInt64, tkDynArray, tkUString
};

struct TPropInfo {
    QString Name;
    TTypeKind Kind = tkUnknown;
    // Ordinal range: enumerations and Booleans MinValue..MaxValue, sets the
    // mask of their allowed bits in MaxValue.
    long long MinValue = 0;
    long long MaxValue = 0;
    QStringList EnumNames; // an enumeration's value names by ordinal, when known
    std::optional<long long> Default; // declared default of an ordinal kind
    std::function<long long(TObject *)> GetOrd;
    std::function<void(TObject *, long long)> SetOrd;
    std::function<double(TObject *)> GetFloat;
    std::function<void(TObject *, double)> SetFloat;
    std::function<QString(TObject *)> GetStr;
    std::function<void(TObject *, const QString &)> SetStr;
    std::function<TObject *(TObject *)> GetObject;
    std::function<bool(TObject *)> Stored; // empty: always stored
    bool Writable = true;
    bool Bounded = false; // an integer held to MinValue..MaxValue

    bool IsOrdinal() const { return Kind == tkInteger || Kind == tkChar || Kind == tkEnumeration || Kind == tkSet; }
    bool IsString() const { return Kind == tkString || Kind == tkLString || Kind == tkWString || Kind == tkUString; }
};

class TPublishedClass {
public:
    TPublishedClass() = default;
    const std::vector<TPropInfo> &Properties() const { return props_; }

private:
    template <class T> friend class TPublishedBuilder;
    std::vector<TPropInfo> props_;
};

// The published properties of Instance (none for an object that publishes none).
const std::vector<TPropInfo> &GetPropList(const TObject *Instance);
// By name, ignoring case; null when there is none.
const TPropInfo *GetPropInfo(const TObject *Instance, const QString &Name);
TTypeKind PropType(const TObject *Instance, const QString &Name); // tkUnknown when missing

// Ordinal access; the setter refuses a value outside an enumeration's range or
// a set's bits with EConvertError "Invalid property value".
long long GetOrdProp(TObject *Instance, const TPropInfo &Info);
void SetOrdProp(TObject *Instance, const TPropInfo &Info, long long Value);
// The check SetOrdProp makes, without setting.
void CheckOrdValue(const TPropInfo &Info, long long Value);
double GetFloatProp(TObject *Instance, const TPropInfo &Info);
void SetFloatProp(TObject *Instance, const TPropInfo &Info, double Value);
QString GetStrProp(TObject *Instance, const TPropInfo &Info);
void SetStrProp(TObject *Instance, const TPropInfo &Info, const QString &Value);
TObject *GetObjectProp(TObject *Instance, const TPropInfo &Info);
bool IsStoredProp(TObject *Instance, const TPropInfo &Info);
// True for an ordinal at its declared default.
bool IsDefaultOrdProp(TObject *Instance, const TPropInfo &Info);

// Follows a dotted path ("Font.Color") through object properties, ignoring
// case: the object that holds the last name and that name's property. False
// when a name is missing or a head does not hold an object.
bool FindPropPath(TObject *Root, const QString &Path, TObject *&Target, const TPropInfo *&Info);
// Value by path as a variant (ordinals as qlonglong, floats as double,
// strings as QString); invalid when the path reaches nothing readable.
QVariant GetPropValue(TObject *Root, const QString &Path);
// Sets by path, converting Value to the property's kind; EConvertError when it
// does not convert or is out of range; false when the path reaches nothing.
bool SetPropValue(TObject *Root, const QString &Path, const QVariant &Value);

// Builds the list of one class, its base's properties first:
//   static const TPublishedClass info = TPublishedBuilder<TMine>(TBase::StaticPublished())
//       .Integer("Count", &TMine::Count, &TMine::SetCount, 0)
//       .Float("Gain", &TMine::Gain, &TMine::SetGain)
//       .Build();
// Accessors are member functions or callables taking T*.
template <class T>
class TPublishedBuilder {
public:
    explicit TPublishedBuilder(const TPublishedClass *Base = nullptr)
    {
        if (Base)
            cls_.props_ = Base->props_;
    }

    template <class G, class S>
    TPublishedBuilder &Integer(const char *Name, G Get, S Set, std::optional<long long> Default = std::nullopt)
    {
        return Ordinal(Name, tkInteger, Get, Set, Default, 0, 0);
    }
    template <class G, class S>
    TPublishedBuilder &Bool(const char *Name, G Get, S Set, std::optional<bool> Default = std::nullopt)
    {
        std::optional<long long> d;
        if (Default)
            d = *Default ? 1 : 0;
        Ordinal(Name, tkEnumeration, Get, Set, d, 0, 1);
        props_back().EnumNames = QStringList{QStringLiteral("False"), QStringLiteral("True")};
        return *this;
    }
    template <class G, class S>
    TPublishedBuilder &Enumeration(const char *Name, G Get, S Set, QStringList Names,
                                   std::optional<long long> Default = std::nullopt)
    {
        Ordinal(Name, tkEnumeration, Get, Set, Default, 0, Names.size() - 1);
        props_back().EnumNames = std::move(Names);
        return *this;
    }
    // A set: its value is the bit mask of its members; Allowed the mask of the
    // members that exist.
    template <class G, class S>
    TPublishedBuilder &Set(const char *Name, G Get, S Set, long long Allowed,
                           std::optional<long long> Default = std::nullopt)
    {
        return Ordinal(Name, tkSet, Get, Set, Default, 0, Allowed);
    }
    template <class G, class S>
    TPublishedBuilder &Float(const char *Name, G Get, S Set)
    {
        TPropInfo p = Named(Name, tkFloat);
        p.GetFloat = [Get](TObject *o) { return static_cast<double>(std::invoke(Get, Self(o))); };
        p.SetFloat = [Set](TObject *o, double v) { std::invoke(Set, Self(o), v); };
        return Add(std::move(p));
    }
    template <class G, class S>
    TPublishedBuilder &String(const char *Name, G Get, S Set)
    {
        TPropInfo p = Named(Name, tkUString);
        p.GetStr = [Get](TObject *o) { return QString(std::invoke(Get, Self(o))); };
        p.SetStr = [Set](TObject *o, const QString &v) { std::invoke(Set, Self(o), v); };
        return Add(std::move(p));
    }
    // An object property (fonts, pens, sub-objects); written through its own
    // properties, so it counts as writable unless said otherwise.
    template <class G>
    TPublishedBuilder &Object(const char *Name, G Get, bool Writable = true)
    {
        TPropInfo p = Named(Name, tkClass);
        p.GetObject = [Get](TObject *o) -> TObject * { return std::invoke(Get, Self(o)); };
        p.Writable = Writable;
        return Add(std::move(p));
    }
    // The last property added is stored only while Pred holds.
    template <class P>
    TPublishedBuilder &StoredWhen(P Pred)
    {
        props_back().Stored = [Pred](TObject *o) { return static_cast<bool>(std::invoke(Pred, Self(o))); };
        return *this;
    }
    // The last integer added takes only values from Min to Max.
    TPublishedBuilder &Range(long long Min, long long Max)
    {
        props_back().MinValue = Min;
        props_back().MaxValue = Max;
        props_back().Bounded = true;
        return *this;
    }
    TPublishedBuilder &ReadOnly()
    {
        props_back().Writable = false;
        return *this;
    }

    TPublishedClass Build() { return std::move(cls_); }

private:
    static T *Self(TObject *o) { return static_cast<T *>(o); }
    TPropInfo &props_back() { return cls_.props_.back(); }

    static TPropInfo Named(const char *Name, TTypeKind Kind)
    {
        TPropInfo p;
        p.Name = QString::fromLatin1(Name);
        p.Kind = Kind;
        return p;
    }
    TPublishedBuilder &Add(TPropInfo p)
    {
        cls_.props_.push_back(std::move(p));
        return *this;
    }

    template <class V>
    static long long ToOrd(const V &v)
    {
        if constexpr (std::is_arithmetic_v<V> || std::is_enum_v<V>)
            return static_cast<long long>(v);
        else
            return static_cast<long long>(v.Bits());
    }
    template <class S>
    static void CallSetter(S Set, T *self, long long v)
    {
        using Arg = typename SetterArg<S>::type;
        if constexpr (std::is_arithmetic_v<Arg> || std::is_enum_v<Arg>)
            std::invoke(Set, self, static_cast<Arg>(v));
        else
            std::invoke(Set, self, Arg::FromBits(static_cast<std::uint64_t>(v)));
    }
    template <class S> struct SetterArg;
    template <class C, class A> struct SetterArg<void (C::*)(A)> {
        using type = std::decay_t<A>;
    };

    template <class G, class S>
    TPublishedBuilder &Ordinal(const char *Name, TTypeKind Kind, G Get, S Set, std::optional<long long> Default,
                               long long Min, long long Max)
    {
        TPropInfo p = Named(Name, Kind);
        p.Default = Default;
        p.MinValue = Min;
        p.MaxValue = Max;
        p.GetOrd = [Get](TObject *o) { return ToOrd(std::invoke(Get, Self(o))); };
        p.SetOrd = [Set](TObject *o, long long v) { CallSetter(Set, Self(o), v); };
        return Add(std::move(p));
    }

    TPublishedClass cls_;
};
