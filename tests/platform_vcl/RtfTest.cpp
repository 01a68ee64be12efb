#include "Mutations.h"
#include "RtfReader.h"
#include "RtfWriter.h"
#include "ThreadCpuTime.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

struct TextRun {
    QString text;
    QTextCharFormat format;
};

std::vector<TextRun> Runs(const QTextDocument &doc)
{
    std::vector<TextRun> runs;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            runs.push_back({it.fragment().text(), it.fragment().charFormat()});
    return runs;
}

// The family and size a run is shown in: its own, else the document's.
QString Family(const QTextCharFormat &f, const QTextDocument &doc)
{
    const QStringList families = f.fontFamilies().toStringList();
    return families.isEmpty() ? doc.defaultFont().family() : families.first();
}

double Points(const QTextCharFormat &f, const QTextDocument &doc)
{
    return f.fontPointSize() > 0 ? f.fontPointSize() : doc.defaultFont().pointSizeF();
}

// The same text, paragraph settings and character formats.
void ExpectSameDocument(const QTextDocument &doc, const QTextDocument &back)
{
    EXPECT_EQ(back.toRawText(), doc.toRawText());
    ASSERT_EQ(back.blockCount(), doc.blockCount());
    for (QTextBlock a = doc.begin(), b = back.begin(); a.isValid(); a = a.next(), b = b.next()) {
        const QTextBlockFormat x = a.blockFormat(), y = b.blockFormat();
        EXPECT_EQ(x.alignment() & Qt::AlignHorizontal_Mask, y.alignment() & Qt::AlignHorizontal_Mask);
        EXPECT_DOUBLE_EQ(x.leftMargin(), y.leftMargin());
        EXPECT_DOUBLE_EQ(x.rightMargin(), y.rightMargin());
        EXPECT_DOUBLE_EQ(x.textIndent(), y.textIndent());
        EXPECT_DOUBLE_EQ(x.topMargin(), y.topMargin());
        EXPECT_DOUBLE_EQ(x.bottomMargin(), y.bottomMargin());
    }
    const std::vector<TextRun> before = Runs(doc), after = Runs(back);
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i) {
        const QTextCharFormat &x = before[i].format, &y = after[i].format;
        EXPECT_EQ(before[i].text, after[i].text);
        EXPECT_EQ(Family(x, doc), Family(y, back)) << i;
        EXPECT_DOUBLE_EQ(Points(x, doc), Points(y, back)) << i;
        EXPECT_EQ(x.fontWeight() >= QFont::Bold, y.fontWeight() >= QFont::Bold) << i;
        EXPECT_EQ(x.fontItalic(), y.fontItalic()) << i;
        EXPECT_EQ(x.fontUnderline(), y.fontUnderline()) << i;
        EXPECT_EQ(x.fontStrikeOut(), y.fontStrikeOut()) << i;
        EXPECT_EQ(x.foreground().color(), y.foreground().color()) << i;
        EXPECT_EQ(x.background().color(), y.background().color()) << i;
    }
}

QTextDocument *Read(QTextDocument &doc, const QByteArray &rtf)
{
    EXPECT_TRUE(RtfReader::Read(rtf, &doc)) << rtf.toStdString();
    return &doc;
}

// Every RTF sample the malformed-input checks start from.
const char *const kSamples[] = {
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}{\\f1\\fcharset134 SimSun;}}"
    "{\\colortbl ;\\red255\\green0\\blue0;}\\pard\\qc\\b Bold\\b0  \\cf1 red\\cf0\\par"
    "\\ql\\li720\\ri360\\fi-180\\sb120\\sa60\\i it\\'e9\\tab x\\line y\\par{\\f1 \\'d6\\'d0}\\u25991?}",
    "{\\rtf1{\\*\\generator x;}{\\info{\\title T}}\\uc2\\u20013\\'d6\\'d0 z\\bin3 abcq}",
};

} // namespace

TEST(Rtf, ReadsTextAndFormats)
{
    QTextDocument doc;
    Read(doc, kSamples[0]);
    ASSERT_EQ(doc.blockCount(), 3);
    EXPECT_EQ(doc.begin().text(), QStringLiteral("Bold red"));
    EXPECT_EQ(doc.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextBlock second = doc.begin().next();
    EXPECT_EQ(second.text(), QStringLiteral("it\u00E9\tx\u2028y"));
    EXPECT_DOUBLE_EQ(second.blockFormat().leftMargin(), 48);  // 720 twips
    EXPECT_DOUBLE_EQ(second.blockFormat().rightMargin(), 24);
    EXPECT_DOUBLE_EQ(second.blockFormat().textIndent(), -12);
    EXPECT_DOUBLE_EQ(second.blockFormat().topMargin(), 8);
    EXPECT_DOUBLE_EQ(second.blockFormat().bottomMargin(), 4);
    EXPECT_EQ(second.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(doc.lastBlock().text(), QStringLiteral("\u4E2D\u6587")); // GBK bytes and \u

    const std::vector<TextRun> runs = Runs(doc);
    ASSERT_GE(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, QStringLiteral("Bold"));
    EXPECT_EQ(runs[0].format.fontWeight(), QFont::Bold);
    EXPECT_EQ(runs[0].format.fontFamilies().toStringList(), QStringList{QStringLiteral("Tahoma")});
    EXPECT_EQ(runs[2].text, QStringLiteral("red"));
    EXPECT_EQ(runs[2].format.foreground().color(), QColor(255, 0, 0));
    EXPECT_NE(runs[2].format.fontWeight(), QFont::Bold);
}

TEST(Rtf, CodePagesUnicodeSkipsAndDestinations)
{
    struct Row { const char *rtf; const char *text; };
    const std::vector<Row> rows = {
        {"{\\rtf1\\ansi\\ansicpg936 \\'d6\\'d0\\'ce\\'c4}", "\u4E2D\u6587"},
        {"{\\rtf1\\ansi \\'80\\'e9}", "\u20AC\u00E9"},
        {"{\\rtf1\\uc2\\u20013\\'d6\\'d0 x}", "\u4E2D x"},   // two stand-ins skipped
        {"{\\rtf1\\uc0\\u20013 x}", "\u4E2Dx"},
        {"{\\rtf1\\u-3000?}", "\uF448"},                   // negative: above 0x7FFF
        {"{\\rtf1\\u20013{\\b x}}", "\u4E2Dx"},            // a group ends the skip
        {"{\\rtf1 a{\\*\\unknown hidden}b{\\info{\\title T}}c}", "abc"},
        {"{\\rtf1 a\\bin4 {}\\\\d e}", "ad e"},             // binary bytes are no text
        {"{\\rtf1 a\\unknownword b\\~c\\{\\}\\\\}", "ab\u00A0c{}\\"},
        {"{\\rtf1{\\stylesheet{\\s1 Heading;}}{\\fonttbl{\\f0 Arial;}}x}", "x"},
    };
    for (const Row &r : rows) {
        QTextDocument doc;
        Read(doc, r.rtf);
        EXPECT_EQ(doc.toRawText(), QString::fromUtf8(r.text)) << r.rtf;
    }
    QTextDocument doc;
    EXPECT_FALSE(RtfReader::Read("plain text", &doc));
    EXPECT_TRUE(doc.isEmpty());
}

TEST(Rtf, IndentsAndSpacingStayWithinAPage)
{
    // In pixels at 15 twips each; a page holds at most 22 inches (2112).
    struct Row { const char *rtf; double left, right, first, before, after; };
    const std::vector<Row> rows = {
        {"{\\rtf1\\li720\\ri-360\\fi-180\\sb120\\sa60 x}", 48, -24, -12, 8, 4},
        {"{\\rtf1\\li31680\\ri-31680\\fi31680\\sb31680\\sa31680 x}", 2112, -2112, 2112, 2112, 2112},
        {"{\\rtf1\\li99999999\\ri99999999\\fi-99999999\\sb99999999\\sa1073741823 x}", 2112, 2112, -2112, 2112, 2112},
        {"{\\rtf1\\li-1073741823\\sb-120\\sa-99999999 x}", -2112, 0, 0, 0, 0},
    };
    for (const Row &r : rows) {
        QTextDocument doc;
        Read(doc, r.rtf);
        const QTextBlockFormat b = doc.begin().blockFormat();
        EXPECT_DOUBLE_EQ(b.leftMargin(), r.left) << r.rtf;
        EXPECT_DOUBLE_EQ(b.rightMargin(), r.right) << r.rtf;
        EXPECT_DOUBLE_EQ(b.textIndent(), r.first) << r.rtf;
        EXPECT_DOUBLE_EQ(b.topMargin(), r.before) << r.rtf;
        EXPECT_DOUBLE_EQ(b.bottomMargin(), r.after) << r.rtf;
    }
}

TEST(Rtf, WrittenDocumentsReadBackTheSame)
{
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setLeftMargin(20);
    centred.setTextIndent(-4);
    centred.setTopMargin(6);
    c.setBlockFormat(centred);
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Tahoma")});
    f.setFontPointSize(10);
    c.insertText(QStringLiteral("plain {braces} \\ "), f);
    f.setFontWeight(QFont::Bold);
    f.setForeground(QColor(0, 128, 255));
    c.insertText(QStringLiteral("bold blue"), f);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    right.setRightMargin(8);
    right.setBottomMargin(2);
    c.insertBlock(right);
    QTextCharFormat g;
    g.setFontFamilies({QStringLiteral("\u5B8B\u4F53")}); // a font name beyond ASCII
    g.setFontPointSize(14.5);
    g.setFontItalic(true);
    g.setFontUnderline(true);
    g.setFontStrikeOut(true);
    g.setBackground(QColor(255, 255, 0));
    c.insertText(QStringLiteral("\u4E2D\u6587 tab\there\u2028line \u00E9\u20AC"), g);

    const QByteArray rtf = RtfWriter::Write(&doc);
    for (char ch : rtf)
        EXPECT_LT(static_cast<unsigned char>(ch), 0x80u); // plain ASCII out
    QTextDocument back;
    ASSERT_TRUE(RtfReader::Read(rtf, &back));
    ExpectSameDocument(doc, back);
}

// Reading what the writer made of a document read before gives that
// document again: small inputs that once came back different.
TEST(Rtf, ReadingWhatWasWrittenGivesWhatWasRead)
{
    const QByteArray rows[] = {
        "{\\rtf1 a\x1b" "b}",                               // a raw control byte
        QByteArray("{\\rtf1 a\x01") + '\0' + "\x1f z}",
        "{\\rtf1 a\\'1b\\'00\\'07\\'1fb}",                    // written ones
        "{\\rtf1{\\fonttbl{\\f0 Ta\thoma;}}\\f0 x}",            // a raw TAB in a font name
        "{\\rtf1{\\fonttbl{\\f0 A\x1b" "B;}}\\f0 x}",
        "{\\rtf1{\\fonttbl{\\f0 A\\'09B\\'3b C;}}\\f0 x}",        // written bytes, a ";" too
        "{\\rtf1{\\fonttbl{\\f0 A\\u59?B\\u8232?C;}}\\f0 x}",
        "{\\rtf1 text\\par\\pard\\qc}",                      // an empty centred last paragraph
        "{\\rtf1 text\\par\\pard\\qr\\li720\\ri360\\fi-180\\sb120\\sa60}",
        "{\\rtf1\\qc}",
        "{\\rtf1 a\\par\\pard\\qc\\par\\pard\\qj}",
        "{\\rtf1\\qc a\\par}",
        "{\\rtf1 {\\qc a\\par}}",
        "{\\rtf1\\qc a\\par\\pard",                             // cut short
    };
    for (const QByteArray &rtf : rows) {
        SCOPED_TRACE(rtf.toStdString());
        QTextDocument first;
        Read(first, rtf);
        const QByteArray written = RtfWriter::Write(&first);
        QTextDocument second;
        ASSERT_TRUE(RtfReader::Read(written, &second));
        ExpectSameDocument(first, second);
        EXPECT_EQ(RtfWriter::Write(&second), written);
    }
    // Documents made here: an empty last paragraph keeps its settings.
    for (bool withText : {true, false}) {
        QTextDocument doc;
        QTextCursor c(&doc);
        if (withText) {
            c.insertText(QStringLiteral("text"));
            c.insertBlock();
        }
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        centred.setLeftMargin(10);
        centred.setBottomMargin(3);
        c.setBlockFormat(centred);
        QTextDocument back;
        ASSERT_TRUE(RtfReader::Read(RtfWriter::Write(&doc), &back));
        ExpectSameDocument(doc, back);
    }
    // What the rows read: the control bytes, the whole font names and the
    // empty paragraph's settings are kept.
    QTextDocument doc;
    EXPECT_EQ(Read(doc, "{\\rtf1 a\x1b" "b}")->toRawText(), QStringLiteral("a\x1b" "b"));
    const auto family = [](const QTextDocument &d) {
        return Runs(d).at(0).format.fontFamilies().toStringList().value(0);
    };
    EXPECT_EQ(family(*Read(doc, "{\\rtf1{\\fonttbl{\\f0 Ta\thoma;}}\\f0 x}")), QStringLiteral("Ta\thoma"));
    EXPECT_EQ(family(*Read(doc, "{\\rtf1{\\fonttbl{\\f0 A\\'3b B;}}\\f0 x}")), QStringLiteral("A; B"));
    Read(doc, "{\\rtf1 text\\par\\pard\\qc}");
    EXPECT_EQ(doc.lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    Read(doc, "{\\rtf1 {\\qc a\\par}}"); // the group's settings end with it
    EXPECT_EQ(doc.lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(doc.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST(Rtf, MalformedInputEndsQuickly)
{
    std::vector<QByteArray> inputs = {
        "{\\rtf", "{\\rtf1 {{{{ text", "{\\rtf1 }}}}} text }}", "{\\rtf1 \\", "{\\rtf1 \\'",
        "{\\rtf1 \\'4", "{\\rtf1 \\fs99999999999999999999 big}", "{\\rtf1 \\u-99999999999 x}",
        "{\\rtf1 \\uc99999999999 \\u65 abcdef}", "{\\rtf1 \\bin99999999999999999999 x}",
        "{\\rtf1 \\bin-5 x}", "{\\rtf1{\\fonttbl{\\f99999999999 X;}}\\f99999999999 y}",
        "{\\rtf1{\\colortbl;\\red999\\green-5\\blue99999999999;}\\cf1 \\cf-7 z}",
        "{\\rtf1 " + QByteArray(100000, 'a') + "\\" + QByteArray(100000, 'b') + "}",
    };
    inputs.push_back("{\\rtf1" + QByteArray(200000, '{') + "deep" + QByteArray(200000, '}'));
    inputs.push_back("{\\rtf1" + QByteArray(50000, '}') + "x");
    // Seeded mutations of the samples: bytes changed, cut, doubled and dropped.
    std::mt19937 random(14);
    for (int i = 0; i < 600; ++i) {
        const QByteArray s = Mutate(random, QByteArray(kSamples[i % 2]), 256);
        inputs.push_back(s);
    }
    for (const QByteArray &in : inputs) {
        QTextDocument doc;
        const double start = ThreadCpuMs();
        RtfReader::Read(in, &doc);
        EXPECT_LT(ThreadCpuMs() - start, 100) << in.left(80).toStdString();
    }
    // What came before the damage stays.
    QTextDocument doc;
    RtfReader::Read("{\\rtf1 kept\\par \\'", &doc);
    EXPECT_TRUE(doc.toPlainText().startsWith(QStringLiteral("kept")));
}
