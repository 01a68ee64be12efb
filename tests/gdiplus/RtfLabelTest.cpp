#include "Form.h"
#include "Printers.h"
#include "Mutations.h"
#include "RichEdit.h"
#include "TestSurface.h"
#include "ThreadCpuTime.h"
#include "rtflabel.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <vector>

namespace {

struct LabelFixture : ::testing::Test {
    void SetUp() override
    {
        form = std::make_unique<TForm>(nullptr, CreateNew);
        form->SetBounds(0, 0, 700, 500);
        form->SetColor(clWhite);
        label = new TRTFLabel(form.get());
        label->SetParent(form.get());
        label->SetBounds(0, 0, 300, 200);
        label->SetColor(clWhite);
    }
    QImage Paint()
    {
        const QImage img = label->PaintToImage();
        if (!qEnvironmentVariableIsEmpty("TQ62_DUMP_DIR")) // to look at what the label draws
            img.save(qEnvironmentVariable("TQ62_DUMP_DIR") + QStringLiteral("/rtflabel-") +
                     QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                     QStringLiteral(".png"));
        return img;
    }
    std::unique_ptr<TForm> form;
    TRTFLabel *label = nullptr;
};
using RtfLabel = LabelFixture;

bool Inked(QRgb p) { return qRed(p) < 200 || qGreen(p) < 200 || qBlue(p) < 200; }
bool Reddish(QRgb p) { return qRed(p) > 150 && qGreen(p) < 110 && qBlue(p) < 110; }

QString Lines(int n)
{
    QString rtf = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs20 ");
    for (int i = 0; i < n; ++i)
        rtf += QStringLiteral("Line %1 of the document\\par ").arg(i);
    return rtf + QLatin1Char('}');
}

} // namespace

TEST(RtfLabelGeometry, TwipsRectangle)
{
    struct Row { TRect r; int dpiX, dpiY; TRect twips; };
    const std::vector<Row> rows = {
        {Rect(0, 0, 630, 1400), 96, 96, Rect(15, 15, 9450, 21000)},
        {Rect(0, 0, 630, 1400), 0, 0, Rect(15, 15, 9450, 21000)}, // 0 counts as 96
        {Rect(0, 0, 630, 1400), 192, 192, Rect(8, 8, 4726, 10500)}, // halves to even
        {Rect(10, 20, 110, 70), 120, 72, Rect(132, 420, 1320, 1400)},
    };
    for (const Row &r : rows)
        EXPECT_EQ(TRTFLabel::TwipsRect(r.r, r.dpiX, r.dpiY), r.twips) << r.dpiX;
}

TEST_F(RtfLabel, EmptyRichTextPaintsOnlyTheBackground)
{
    label->SetColor(clYellow);
    const QImage img = Paint();
    EXPECT_EQ(PixelBox(img, [](QRgb p) { return p != qRgb(255, 255, 0); }), QRect());
    EXPECT_EQ(label->Version(), QStringLiteral("1.3.1.0"));
    label->SetVersion(QStringLiteral("9.9"));
    EXPECT_EQ(label->Version(), QStringLiteral("1.3.1.0"));
}

TEST_F(RtfLabel, BoldColourAndChineseText)
{
    label->SetRichText(QStringLiteral(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Tahoma;}}{\\colortbl ;\\red255\\green0\\blue0;}\\f0\\fs28 "
        "\\cf1\\b Bold\\b0\\cf0\\par \\u20013?\\u25991?\\par}"));
    const QImage img = Paint();
    const QRect red = PixelBox(img, Reddish);
    ASSERT_FALSE(red.isEmpty());
    EXPECT_LT(red.top(), 12);
    const QRect chinese = PixelBox(img.copy(0, red.bottom() + 2, 300, 60), Inked);
    ASSERT_FALSE(chinese.isEmpty()); // the two characters drew (not blanks)
    EXPECT_GT(chinese.width(), 20);
    EXPECT_EQ(PixelBox(img.copy(0, red.bottom() + 2, 300, 60), Reddish), QRect()); // back in black
    EXPECT_EQ(label->LastTwipsRect(), TRTFLabel::TwipsRect(Rect(0, 0, 300, 200), 96, 96));
}

TEST_F(RtfLabel, KeptDocumentFollowsEveryNewRichText)
{
    ASSERT_TRUE(label->CacheDocument());
    const QString red = QStringLiteral("{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;}\\fs40\\cf1 Text}");
    label->SetRichText(red);
    EXPECT_FALSE(PixelBox(Paint(), Reddish).isEmpty());
    label->SetRichText(QStringLiteral("{\\rtf1\\fs40 Text}"));
    const QImage black = Paint();
    EXPECT_TRUE(PixelBox(black, Reddish).isEmpty());
    EXPECT_FALSE(PixelBox(black, Inked).isEmpty());
    label->SetCacheDocument(false); // parsed at every paint: the same picture
    EXPECT_EQ(Paint(), black);
}

TEST_F(RtfLabel, HighBytesAreIgnored)
{
    const QString doc = Lines(3);
    label->SetRichText(doc);
    const QImage plain = Paint();
    QString marked = doc;
    for (QChar &c : marked)
        c = QChar(char16_t(c.unicode() | 0x1000));
    label->SetRichText(marked);
    EXPECT_EQ(Paint(), plain);
}

TEST_F(RtfLabel, TallDocumentIsCutAtAWholeLine)
{
    label->SetRichText(Lines(200));
    label->SetHeight(100);
    const QImage cut = Paint();
    const int inkBottom = PixelBox(cut, Inked).bottom();
    ASSERT_GT(inkBottom, 40);
    EXPECT_LT(inkBottom, 99);
    // Growing the label by less than a line shows no part of the next one.
    label->SetHeight(inkBottom + 6);
    const int again = PixelBox(Paint(), Inked).bottom();
    EXPECT_LE(again, inkBottom);
    TRichEdit edit(nullptr);
    label->CopyToRichEdit(&edit);
    const int next = edit.FormatRange(nullptr, 96, 96, TRTFLabel::TwipsRect(Rect(0, 0, 300, 100), 96, 96));
    EXPECT_GT(next, 0);
    EXPECT_LT(next, edit.Document()->characterCount() - 1);
}

TEST_F(RtfLabel, UpdatesPublishOnTheLastEndUpdate)
{
    label->BeginUpdate();
    label->BeginUpdate();
    TRichEdit *edit = label->RTF();
    ASSERT_NE(edit, nullptr);
    QTextCursor(edit->Document()).insertText(QStringLiteral("Published text"));
    label->EndUpdate();
    EXPECT_TRUE(label->RichText().isEmpty());
    EXPECT_EQ(PixelBox(Paint(), Inked), QRect()); // only the background meanwhile
    label->EndUpdate();
    EXPECT_TRUE(label->RichText().startsWith(QStringLiteral("{\\rtf")));
    EXPECT_FALSE(PixelBox(Paint(), Inked).isEmpty());
    const QString published = label->RichText();
    label->EndUpdate(); // at 0: nothing
    EXPECT_EQ(label->UpdateCount(), 0);
    EXPECT_EQ(label->RichText(), published);

    // And back into another rich edit: the same text.
    TRichEdit other(nullptr);
    label->CopyToRichEdit(&other);
    EXPECT_EQ(other.Document()->toPlainText(), QStringLiteral("Published text"));
    TRTFLabel orphan(nullptr);
    EXPECT_EQ(orphan.RTF(), nullptr); // no parent, no rich edit handed out
}

TEST_F(RtfLabel, PrintsToAPdf)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("doc.pdf"));
    Printer()->setOutputFormat(QPrinter::PdfFormat);
    Printer()->setOutputFileName(file);
    label->SetRichText(Lines(80));
    label->Print(QStringLiteral("RS232 Protocal Code"));
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 1000);
    EXPECT_EQ(Printer()->docName(), QStringLiteral("RS232 Protocal Code"));
    Printer()->setOutputFileName(QString());
}

// Indents and spacing far beyond any page once made the layout loop forever
// when a label that had painted a document read such a one.
TEST_F(RtfLabel, HugeSpacingAfterAPaintedDocumentEndsQuickly)
{
    QString words;
    for (int i = 0; i < 30; ++i)
        words += QStringLiteral("word%1 and more ").arg(i);
    const char *const settings[] = {
        "\\sb99999999", "\\sa99999999", "\\sb1073741823\\sa1073741823", "\\sb-99999999",
        "\\li99999999\\ri99999999", "\\li-1073741823\\fi1073741823", "\\fi-99999999\\li99999999",
        "\\li99999999\\ri99999999\\fi99999999\\sb99999999\\sa99999999",
    };
    std::vector<QString> docs;
    for (const char *set : settings)
        docs.push_back(QStringLiteral("{\\rtf1%1 %2\\par y\\par %2 z\\par\\par\\par}").arg(QLatin1String(set), words));
    // Damaged copies of one with huge spacing: parts doubled, cut, changed.
    std::mt19937 random(26);
    for (int i = 0; i < 60; ++i)
        docs.push_back(Mutate(random, docs.back(), 128));
    for (bool wrap : {false, true})
        for (int width : {3, 300}) {
            label->SetWordWrap(wrap);
            label->SetWidth(width);
            for (const QString &doc : docs) {
                label->SetRichText(Lines(3));
                Paint();
                label->SetRichText(doc);
                const double start = ThreadCpuMs();
                Paint();
                EXPECT_LT(ThreadCpuMs() - start, 100) << wrap << ' ' << width << ' ' << doc.left(80).toStdString();
            }
        }
    // What fits is still drawn: text after a page of spacing is cut, text
    // before it shows.
    label->SetWidth(300);
    label->SetRichText(QStringLiteral("{\\rtf1\\fs40 shown\\par\\sb99999999 cut}"));
    const QRect ink = PixelBox(Paint(), Inked);
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_LT(ink.bottom(), 40);
}
