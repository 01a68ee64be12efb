#include "Exceptions.h"
#include "Font.h"
#include "FloatFormat.h"
#include "Strings.h"
#include "gPropertyLines.h"

#include <gtest/gtest.h>

namespace {

enum TSample { smNone, smRaised, smLowered };

// A sub-object with properties of its own.
class TInner : public TPersistent {
public:
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }
    const TPublishedClass *PublishedClass() const override
    {
        static const TPublishedClass info =
            TPublishedBuilder<TInner>().Integer("Width", &TInner::Width, &TInner::SetWidth, 1).Build();
        return &info;
    }

private:
    int width_ = 1;
};

// An object with one property of every kind the lines carry.
class TSubject : public TPersistent {
public:
    int Count() const { return count_; }
    void SetCount(int v) { count_ = v; }
    bool Active() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    TSample BorderStyle() const { return border_; }
    void SetBorderStyle(TSample v) { border_ = v; }
    TFontStyles Styles() const { return styles_; }
    void SetStyles(TFontStyles v) { styles_ = v; }
    double Gain() const { return gain_; }
    void SetGain(double v) { gain_ = v; }
    QString Caption() const { return caption_; }
    void SetCaption(const QString &v) { caption_ = v; }
    TFont *Font() { return &font_; }
    TInner *Inner() { return &inner_; }

    const TPublishedClass *PublishedClass() const override
    {
        static const TPublishedClass info =
            TPublishedBuilder<TSubject>()
                .Integer("Count", &TSubject::Count, &TSubject::SetCount, 3)
                .Bool("Active", &TSubject::Active, &TSubject::SetActive, false)
                .Enumeration("BorderStyle", &TSubject::BorderStyle, &TSubject::SetBorderStyle,
                             {"smNone", "smRaised", "smLowered"}, smNone)
                .Set("Styles", &TSubject::Styles, &TSubject::SetStyles, 0xF, 0)
                .Float("Gain", &TSubject::Gain, &TSubject::SetGain)
                .String("Caption", &TSubject::Caption, &TSubject::SetCaption)
                .Object("Font", &TSubject::Font)
                .Object("Inner", &TSubject::Inner)
                .Build();
        return &info;
    }

private:
    int count_ = 3;
    bool active_ = false;
    TSample border_ = smNone;
    TFontStyles styles_;
    double gain_ = 0;
    QString caption_;
    TFont font_;
    TInner inner_;
};

QStringList Saved(TSubject &s, bool onlyNonDefault, const QString &path = QString())
{
    TStringList lines;
    SavePropertiesToStrings(&s, path, &lines, onlyNonDefault, nullptr);
    QStringList out;
    for (int i = 0; i < lines.Count(); ++i)
        out << lines.Get(i);
    return out;
}

void Load(TSubject &s, const QStringList &lines, const QString &path = QString(), TStringList *rest = nullptr)
{
    TStringList list;
    for (const QString &l : lines)
        list.Add(l);
    LoadPropertiesFromStrings(&s, path, &list);
    if (rest)
        rest->Assign(&list);
}

TEST(PropertyLines, SaveWritesEveryKindInOrder)
{
    TSubject s;
    s.SetCaption(QStringLiteral("two\r\nlines"));
    s.SetGain(2.5);
    s.SetStyles({fsBold, fsUnderline});
    const QStringList all = Saved(s, false);
    EXPECT_EQ(all.mid(0, 6), (QStringList{"Count = 3", "Active = 0", "BorderStyle = 0", "Styles = 5", "Gain = 2.5",
                                           "Caption = two#13#10lines"}));
    EXPECT_TRUE(all.contains(QStringLiteral("Font.Color = %1").arg(s.Font()->Color())));
    EXPECT_FALSE(all.join(u'|').contains("Font.Size")); // not stored
    EXPECT_EQ(all.last(), "Inner.Width = 1");

    // Differential: ordinals at their declared default are left out, floats
    // and texts always written.
    const QStringList diff = Saved(s, true);
    EXPECT_FALSE(diff.contains("Count = 3"));
    EXPECT_FALSE(diff.contains("Inner.Width = 1"));
    EXPECT_TRUE(diff.contains("Styles = 5"));
    EXPECT_TRUE(diff.contains("Gain = 2.5"));
    EXPECT_TRUE(diff.contains("Caption = two#13#10lines"));

    TStringList exclude;
    exclude.Add(QStringLiteral("font.color"));
    exclude.Add(QStringLiteral("COUNT"));
    TStringList lines;
    SavePropertiesToStrings(&s, QString(), &lines, false, &exclude);
    EXPECT_EQ(lines.IndexOf("Count = 3"), -1);
    EXPECT_FALSE(lines.Text().contains("Font.Color"));
}

TEST(PropertyLines, LoadTable)
{
    const QString chinese = QString(300, QChar(0x4E2D)); // longer than the old 255-character cut
    struct Case {
        const char *name;
        QStringList lines;
        std::function<void(TSubject &)> check;
    } cases[] = {
        {"two lines from one", {"Caption = a#13#10b"}, [](TSubject &s) { EXPECT_EQ(s.Caption(), "a\r\nb"); }},
        {"escape in any case", {"Caption = a#10b"}, [](TSubject &s) { EXPECT_EQ(s.Caption(), "a\nb"); }},
        {"sub-object by dotted name", {"Font.Color = 255", "inner.WIDTH = 9"},
         [](TSubject &s) {
             EXPECT_EQ(s.Font()->Color(), 255);
             EXPECT_EQ(s.Inner()->Width(), 9);
         }},
        {"a comma for the point", {"Gain = 1,25"}, [](TSubject &s) { EXPECT_EQ(s.Gain(), 1.25); }},
        {"unknown names skipped", {"Nothing = 1", "Count = 8"}, [](TSubject &s) { EXPECT_EQ(s.Count(), 8); }},
        {"a head that holds no object is skipped", {"Count.Width = 5", "Active = 1"},
         [](TSubject &s) {
             EXPECT_EQ(s.Count(), 3);
             EXPECT_TRUE(s.Active());
         }},
        {"a long Chinese caption whole", {"Caption = " + chinese}, [&](TSubject &s) { EXPECT_EQ(s.Caption(), chinese); }},
        {"set and enumeration", {"Styles = 3", "BorderStyle = 2"},
         [](TSubject &s) {
             EXPECT_EQ(s.Styles(), (TFontStyles{fsBold, fsItalic}));
             EXPECT_EQ(s.BorderStyle(), smLowered);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TSubject s;
        Load(s, c.lines);
        c.check(s);
    }

    // Round trip of everything, Chinese included.
    TSubject a;
    a.SetCaption(chinese + QStringLiteral("\r\nx"));
    a.SetGain(-0.1);
    a.SetCount(-7);
    a.Font()->SetStyle({fsItalic});
    TSubject b;
    Load(b, Saved(a, false));
    EXPECT_EQ(Saved(b, false), Saved(a, false));
}

TEST(PropertyLines, RefusedValuesChangeNothing)
{
    struct Case {
        const char *line;
    } cases[] = {{"BorderStyle = 7"}, {"BorderStyle = -1"}, {"Active = 2"}, {"Styles = 16"}, {"Count = x"},
                 {"Gain = 1.2.3"}, {"Count = 99999999999"}, {"Font.Pitch = 3"}};
    for (const Case &c : cases) {
        TSubject s;
        const QStringList before = Saved(s, false);
        EXPECT_THROW(Load(s, {c.line}), EConvertError) << c.line;
        EXPECT_THROW(CheckPropertyText(&s, QString(c.line).section(u'=', 0, 0).trimmed(),
                                       QString(c.line).section(u'=', 1).trimmed(), u'.'),
                     EConvertError)
            << c.line;
        EXPECT_EQ(Saved(s, false), before) << c.line;
    }
    // With a separator other than "." and "," a float does not convert.
    TSubject s;
    EXPECT_THROW(SetPropertyFromText(&s, "Gain", "2.5", u';'), EConvertError);
}

TEST(PropertyLines, PrefixStopsAtAnotherObject)
{
    TSubject s;
    const TColor initial = s.Font()->Color();
    TStringList rest;
    Load(s, {"Font.Color = 255"}, "Channel0", &rest);
    EXPECT_EQ(rest.Count(), 1); // belongs to another object: stays
    EXPECT_EQ(s.Font()->Color(), initial);

    Load(s, {"Channel0.Count = 5", "channel0.Count = 6"}, "Channel0", &rest);
    EXPECT_EQ(s.Count(), 5);
    ASSERT_EQ(rest.Count(), 1);
    EXPECT_EQ(rest.Get(0), "channel0.Count = 6"); // a prefix in other letter case stops too

    Load(s, {"Font.Color = 255"}, QString(), &rest);
    EXPECT_EQ(s.Font()->Color(), 255);
    EXPECT_EQ(rest.Count(), 0);
}

TEST(PropertyLines, CommaLocale)
{
    TFormatSettings comma;
    comma.DecimalSeparator = u',';
    TFormatSettingsScope scope(comma);
    TSubject s;
    s.SetGain(0.75);
    EXPECT_TRUE(Saved(s, false).contains("Gain = 0.75")); // files carry "." in every locale
    Load(s, {"Gain = 2.5"}); // written with a point elsewhere
    EXPECT_EQ(s.Gain(), 2.5);
    Load(s, {"Gain = 3,5"});
    EXPECT_EQ(s.Gain(), 3.5);
}

TEST(PropertyLines, LookupsIgnoreCase)
{
    TSubject s;
    EXPECT_EQ(FindPropertyKind(&s, QString(), "Font.Color"), tkInteger);
    EXPECT_EQ(FindPropertyKind(&s, QString(), "font.color"), tkInteger);
    EXPECT_EQ(FindPropertyKind(&s, QString(), "Font.Nothing"), tkUnknown);
    EXPECT_EQ(FindPropertyKind(&s, QString(), "Gain"), tkFloat);
    EXPECT_EQ(GetObjectProperty(&s, "FONT"), s.Font());
    EXPECT_EQ(GetObjectProperty(&s, "Count"), nullptr);

    EXPECT_TRUE(SetPropValue(&s, "inner.width", 12));
    EXPECT_EQ(GetPropValue(&s, "Inner.Width").toInt(), 12);
    EXPECT_FALSE(SetPropValue(&s, "Count.Width", 1));
    EXPECT_THROW(SetPropValue(&s, "BorderStyle", 9), EConvertError);

    TStringList list;
    list.Add("A = 1");
    list.Add("Key = two");
    list.Add("C = 3");
    QString v;
    EXPECT_TRUE(ExtractNameValue("key", v, &list));
    EXPECT_EQ(v, "two");
    EXPECT_EQ(list.Count(), 2);
    EXPECT_FALSE(ExtractNameValue("missing", v, &list));
    EXPECT_EQ(v, "3"); // the last line examined

    QString name, value;
    SplitNameValue(" a b = c = d ", "=", name, value);
    EXPECT_EQ(name, "a b");
    EXPECT_EQ(value, "c = d");
    SplitNameValue("no separator", "=", name, value);
    EXPECT_TRUE(name.isEmpty() && value.isEmpty());
}

} // namespace
