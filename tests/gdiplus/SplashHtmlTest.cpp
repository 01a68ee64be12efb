#include "Font.h"
#include "SmSplashHtml.h"
#include "Mutations.h"
#include "TestSurface.h"
#include "ThreadCpuTime.h"

#include <QImage>
#include <gtest/gtest.h>
#include <algorithm>
#include <random>
#include <vector>

namespace {

struct Rendered {
    bool hit = false;
    THtmlDrawResult result;
    QImage image;
};

Rendered Render(const QString &text, THtmlDrawOptions o = {}, TRect r = Rect(0, 0, 300, 200),
                int fontPoints = 8)
{
    Surface s(300, 200);
    TFont font;
    font.SetSize(fontPoints);
    Rendered out;
    out.hit = DrawHtmlTextGdip(s.g.get(), &font, text, r, o, out.result);
    out.image = s.done();
    return out;
}

THtmlDrawOptions Measure()
{
    THtmlDrawOptions o;
    o.MeasureOnly = true;
    return o;
}

bool Inked(QRgb p) { return qRed(p) < 200 || qGreen(p) < 200 || qBlue(p) < 200; }
bool Reddish(QRgb p) { return qRed(p) > 150 && qGreen(p) < 100 && qBlue(p) < 100; }

int LineHeight(int points)
{
    Surface s(10, 10);
    TFont f;
    f.SetSize(points);
    return s.g->TextHeight(QStringLiteral("Loading Program...."), &f);
}

} // namespace

TEST(SplashHtml, SplashLineIsOneWhiteLineAtTwentyPoints)
{
    const QString line = QStringLiteral("<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>");
    const Rendered m = Render(line, Measure());
    EXPECT_EQ(m.result.YSize, LineHeight(20) + 2); // no spacing after the last line
    EXPECT_EQ(m.result.StrippedText, QStringLiteral("Loading Program....\r"));

    // Drawn on black: white text starting just right of the left edge.
    Surface s(300, 100);
    s.image.fill(Qt::black);
    TFont font;
    THtmlDrawResult r;
    DrawHtmlTextGdip(s.g.get(), &font, line, Rect(0, 0, 300, 100), {}, r);
    const QRect white = PixelBox(s.done(), [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200; });
    ASSERT_FALSE(white.isEmpty());
    EXPECT_LE(white.left(), 10);
    EXPECT_GT(white.width(), 120); // 19 characters at 20 points
    EXPECT_LT(white.bottom(), LineHeight(20));
    EXPECT_EQ(r.YSize, m.result.YSize); // measuring and drawing agree
}

TEST(SplashHtml, CharacterReferencesDecodeOnce)
{
    struct Row { const char *text; const char *shown; };
    const std::vector<Row> rows = {
        {"a &amp; b", "a & b"},
        {"a&amp;b", "a&b"},
        {"&amp;lt;", "&lt;"},          // decoded once, not twice
        {"&amp;amp;", "&amp;"},
        {"&lt;b&gt;x", "<b>x"},        // never a tag
        {"&LT;b&GT;", "&LT;b&GT;"},    // only lower case inside runs
        {"&QUOT;&copy;", "\"\u00A9"},  // the others in any case
        {"<#name> and <#x>", "#name and "},
    };
    for (const Row &r : rows) {
        const Rendered m = Render(QString::fromUtf8(r.text), Measure());
        EXPECT_EQ(m.result.StrippedText, QString::fromUtf8(r.shown)) << r.text;
    }
    // "&lt;b&gt;" shows the characters without making the rest bold.
    EXPECT_EQ(Render(QStringLiteral("&lt;b&gt;WWWW"), Measure()).result.XSize,
              Render(QStringLiteral("<i></i>&lt;b&gt;WWWW"), Measure()).result.XSize);
    EXPECT_NE(Render(QStringLiteral("<b>WWWW"), Measure()).result.XSize,
              Render(QStringLiteral("WWWW"), Measure()).result.XSize);
}

TEST(SplashHtml, FontSizesFromSizeAttribute)
{
    struct Row { const char *size; int points; };
    const std::vector<Row> rows = {{"1", 8}, {"3", 12}, {"5", 16}, {"7", 7}, {"20", 20}};
    for (const Row &r : rows) {
        const QString tagged = QStringLiteral("<FONT size=\"%1\">WWWWWW</FONT>").arg(QLatin1String(r.size));
        const int expected = Render(QStringLiteral("WWWWWW"), Measure(), Rect(0, 0, 300, 200), r.points).result.XSize;
        EXPECT_EQ(Render(tagged, Measure()).result.XSize, expected) << r.size;
    }
}

TEST(SplashHtml, ColourValuesInAnyCaseGiveRed)
{
    for (const char *value : {"#FF0000", "#ff0000", "clred", "ClRed"}) {
        const Rendered d = Render(QStringLiteral("<FONT size=\"20\" color=\"%1\">HHHH</FONT>").arg(QLatin1String(value)));
        const QRect red = PixelBox(d.image, Reddish);
        EXPECT_FALSE(red.isEmpty()) << value;
        EXPECT_EQ(PixelBox(d.image, Inked), PixelBox(d.image, [](QRgb p) { return Inked(p) && qRed(p) > qBlue(p); })) << value;
    }
    EXPECT_EQ(HtmlHexToColor(QStringLiteral("#00FF80")), RGB(0, 255, 128));
    EXPECT_EQ(HtmlHexToColor(QStringLiteral("#F")), RGB(0, 0, 0));
    EXPECT_EQ(HtmlColorNameToColor(QStringLiteral("clbtnface")), clBtnFace);
    EXPECT_EQ(HtmlColorNameToColor(QStringLiteral("nosuchcolour")), clBlack);
}

TEST(SplashHtml, LineBreaking)
{
    const int one = Render(QStringLiteral("x"), Measure()).result.YSize;
    auto lines = [&](const Rendered &r) { return (r.result.YSize - 2 + 2) / (one - 2 + 2); };
    const TRect narrow = Rect(0, 0, 60, 200);
    // A word wider than the rectangle stays on a line of its own; the next
    // word goes to the next line.
    const Rendered longWord = Render(QStringLiteral("Supercalifragilistic ab"), Measure(), narrow);
    EXPECT_EQ(lines(longWord), 2);
    EXPECT_GT(longWord.result.XSize, 60);
    // Without word wrap only tags end lines.
    THtmlDrawOptions noWrap = Measure();
    noWrap.WordWrap = false;
    EXPECT_EQ(lines(Render(QStringLiteral("aa bb cc dd ee ff gg hh"), noWrap, narrow)), 1);
    EXPECT_EQ(lines(Render(QStringLiteral("aa bb<BR>cc dd"), noWrap, narrow)), 2);
    EXPECT_GE(lines(Render(QStringLiteral("aa bb cc dd ee ff gg hh"), Measure(), narrow)), 3);
    // A second list item on a line starts the next one.
    EXPECT_EQ(lines(Render(QStringLiteral("<LI>one<LI>two"), Measure())), 2);
    EXPECT_EQ(lines(Render(QStringLiteral("<LI>one two"), Measure())), 1);
}

TEST(SplashHtml, MeasureOnlyDrawsNothingAndSizesMatchTheDrawing)
{
    const QString text = QStringLiteral("<B>bold</B> <U>under</U> <FONT bgcolor=\"clRed\">x</FONT><HR>next");
    const Rendered m = Render(text, Measure());
    EXPECT_TRUE(PixelBox(m.image, Inked).isEmpty());
    const Rendered d = Render(text);
    EXPECT_FALSE(PixelBox(d.image, Inked).isEmpty());
    EXPECT_EQ(m.result.XSize, d.result.XSize);
    EXPECT_EQ(m.result.YSize, d.result.YSize);
}

TEST(SplashHtml, AnchorHitTest)
{
    const QString text = QStringLiteral("<A href=\"doc:1\">link</A> plain <a href=\"two\">second</a>");
    THtmlDrawOptions o;
    o.XPos = 8;
    o.YPos = 6;
    o.HitOnly = true;
    Rendered r = Render(text, o);
    EXPECT_TRUE(r.hit);
    EXPECT_EQ(r.result.AnchorValue, QStringLiteral("doc:1"));
    EXPECT_EQ(r.result.MouseLink, 0);
    EXPECT_EQ(r.result.LinkCount, 2);
    EXPECT_TRUE(PixelBox(r.image, Inked).isEmpty()); // HitOnly draws nothing

    o.XPos = Render(QStringLiteral("link pla"), Measure()).result.XSize; // on "plain"
    r = Render(text, o);
    EXPECT_FALSE(r.hit);
    EXPECT_TRUE(r.result.AnchorValue.isEmpty());

    o.XPos = 8;
    o.YPos = 150; // below the line
    r = Render(text, o);
    EXPECT_FALSE(r.hit);
    EXPECT_EQ(r.result.MouseLink, -1);

    // Above and below a link's line, in its columns: no link under the point.
    const QString lines = QStringLiteral("plain words<br><a href=\"mid\">link</a><br>more words");
    const int line = Render(QStringLiteral("x"), Measure()).result.YSize;
    for (const int y : {line / 2, line + line / 2, 2 * line + line / 2}) {
        o.YPos = y;
        r = Render(lines, o);
        const bool onLink = y > line && y < 2 * line;
        EXPECT_EQ(r.result.MouseLink, onLink ? 0 : -1) << "y " << y;
        EXPECT_EQ(r.hit, onLink) << "y " << y;
    }

    // Links are drawn in the link colour.
    THtmlDrawOptions red;
    red.URLColor = clRed;
    EXPECT_FALSE(PixelBox(Render(QStringLiteral("<FONT size=\"16\"><A href=\"x\">link</A></FONT>"), red).image, Reddish).isEmpty());
}

TEST(SplashHtml, ImagesTakeTheirRoom)
{
    const int plain = Render(QStringLiteral("a<i></i>b"), Measure()).result.XSize; // two runs, as below
    struct Row { const char *tag; int width; };
    const std::vector<Row> rows = {
        {"<IMG src=\"SSYS:/\">", 16},               // small system icon
        {"<IMG src=\"LSYS:/no/such.txt\">", 32},    // large, by file type
        {"<IMG src=\"LSYS:3\">", 32},               // by index
        {"<IMG src=\"SSYS:/\" width=\"40\" height=\"20\">", 40},
        {"<IMG src=\"missing\">", 0},               // no picture container: no room
        {"<IMG src=\"IDX:0\">", 0},                 // no image list: no room
    };
    for (const Row &r : rows) {
        const QString text = QStringLiteral("a%1b").arg(QLatin1String(r.tag));
        EXPECT_EQ(Render(text, Measure()).result.XSize, plain + r.width) << r.tag;
    }
}

TEST(SplashHtml, ReplaceFirstTextIgnoresCase)
{
    QString s = QStringLiteral("a&AMP;b&amp;");
    EXPECT_TRUE(ReplaceFirstText(QStringLiteral("&amp;"), QStringLiteral("&"), s));
    EXPECT_EQ(s, QStringLiteral("a&b&amp;"));
    EXPECT_FALSE(ReplaceFirstText(QStringLiteral("&euro;"), QStringLiteral("E"), s));
}

TEST(SplashHtml, MalformedInputEndsQuickly)
{
    std::vector<QString> inputs = {
        QStringLiteral("<"), QStringLiteral("<a"), QStringLiteral("&"), QStringLiteral("a & b &"),
        QStringLiteral("<FONT size=\"20"), QStringLiteral("<FONT color=\"#12"), QStringLiteral("<A href=\"x>y</A>"),
        QStringLiteral("<FONT size=\"99999999999999999999\">big</FONT>"),
        QStringLiteral("<IMG src=\"nothing\" width=\"99999999999999999999\" height=\"99999999999999999999\">"),
        QStringLiteral("<IND x=\"99999999999999999999\">a<OF x=\"99999999999999999999\">b"),
        QStringLiteral("<#"), QStringLiteral("<#<#<#>"), QStringLiteral("</"), QStringLiteral("<>"),
        QStringLiteral("<IMG src=\"SSYS:/no/such/file\" width=\"999\" height=\"999\">x"),
        QStringLiteral("<IMG src=\"IDX:99999999999999999999\">"),
        QString(20000, QLatin1Char('<')), QString(20000, QLatin1Char('&')),
        QStringLiteral("<UL>").repeated(5000) + QStringLiteral("<LI>x").repeated(2000),
        QStringLiteral("<SUP>x<SUB>y").repeated(500) + QStringLiteral("\r\n").repeated(500),
        QStringLiteral("word ").repeated(4000),
    };
    const QString samples[] = {
        QStringLiteral("<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>"),
        QStringLiteral("<P align=\"center\"><B>b</B> <I>i</I> <U>u</U> <S>s</S> <A href=\"t\">link</A>"
                       "<HR><UL><LI type=\"square\" color=\"#FF0000\">one<LI>two</UL><SHAD>sh</SHAD>"
                       "<HI>hi</HI><E>err</E><Z>hidden</Z> &amp;&lt;&gt;&nbsp;x<SUB>2</SUB></P>"),
    };
    std::mt19937 random(14);
    for (int i = 0; i < 600; ++i) {
        const QString s = Mutate(random, samples[i % 2], 128);
        inputs.push_back(s);
    }
    Surface surface(300, 200);
    TFont font;
    for (const QString &in : inputs) {
        for (bool measureOnly : {true, false}) {
            THtmlDrawOptions o;
            o.MeasureOnly = measureOnly;
            THtmlDrawResult r;
            const double start = ThreadCpuMs();
            DrawHtmlTextGdip(surface.g.get(), &font, in, Rect(0, 0, 300, 200), o, r);
            EXPECT_LT(ThreadCpuMs() - start, 100) << in.left(60).toStdString();
            EXPECT_GE(r.YSize, 2);
        }
    }
}

// Measuring and drawing take time in proportion to the text: four times the
// lines cost about four times as much, whether the lines end at tags or wrap
// at blanks. The bound is eight, well under the sixteen of a cost that grows
// with the square, because on a busy machine the larger text loses more to the
// shared cache; each cost is the least of three runs.
TEST(SplashHtml, TimeGrowsInProportionToTheText)
{
    struct Row { const char *line; int width; };
    const std::vector<Row> rows = {
        {"<b>Line</b> <FONT color=\"clred\">text</FONT>\r\n", 300},
        {"Wrapped ", 70}, // no tags: a line for each word
    };
    for (const Row &row : rows) {
        double measure[2] = {1e300, 1e300}, draw[2] = {1e300, 1e300};
        for (int run = 0; run < 6; ++run) {
            const int i = run % 2;
            const QString text = QString::fromLatin1(row.line).repeated(i == 0 ? 10000 : 40000);
            Surface s(row.width, 200);
            TFont font;
            const TRect r = Rect(0, 0, row.width, 1 << 30); // room for every line
            THtmlDrawResult result;
            const double start = ThreadCpuMs();
            DrawHtmlTextGdip(s.g.get(), &font, text, r, Measure(), result);
            const double measured = ThreadCpuMs();
            DrawHtmlTextGdip(s.g.get(), &font, text, r, {}, result);
            measure[i] = std::min(measure[i], measured - start);
            draw[i] = std::min(draw[i], ThreadCpuMs() - measured);
            EXPECT_GT(result.YSize, (i == 0 ? 10000 : 40000) * 10) << row.line; // every line laid out
        }
        EXPECT_LT(measure[1], 8 * measure[0]) << row.line << ' ' << measure[0] << ' ' << measure[1] << " ms";
        EXPECT_LT(draw[1], 8 * draw[0]) << row.line << ' ' << draw[0] << ' ' << draw[1] << " ms";
    }
}
