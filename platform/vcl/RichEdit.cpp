#include "RichEdit.h"

#include "CodePage.h"
#include "Printers.h"
#include "RtfReader.h"
#include "RtfWriter.h"
#include "Stream.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <algorithm>

namespace {

QByteArray ReadAll(TStream *Stream)
{
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const std::int64_t n = Stream->Read(buffer, sizeof buffer);
        if (n <= 0)
            break;
        bytes.append(buffer, int(n));
    }
    return bytes;
}

} // namespace

int TRichEditStrings::Count() const
{
    return owner_->Document()->blockCount();
}

QString TRichEditStrings::Strings(int Index) const
{
    const QTextBlock b = owner_->Document()->findBlockByNumber(Index);
    return b.isValid() ? b.text() : QString();
}

int TRichEditStrings::Add(const QString &S)
{
    QTextDocument *doc = owner_->Document();
    QTextCursor c(doc);
    c.movePosition(QTextCursor::End);
    if (!doc->isEmpty())
        c.insertBlock();
    c.insertText(S);
    return doc->blockCount() - 1;
}

void TRichEditStrings::Clear()
{
    owner_->Document()->clear();
}

QString TRichEditStrings::Text() const
{
    return owner_->Document()->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void TRichEditStrings::LoadFromStream(TStream *Stream)
{
    const QByteArray bytes = ReadAll(Stream);
    QTextDocument *doc = owner_->Document();
    if (!owner_->PlainText() && RtfReader::Read(bytes, doc))
        return;
    QString text = MultiByteToWide(1252, bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    doc->setPlainText(text);
}

void TRichEditStrings::SaveToStream(TStream *Stream) const
{
    const QByteArray bytes =
        owner_->PlainText() ? WideToMultiByte(1252, Text()) : RtfWriter::Write(owner_->Document());
    Stream->Write(bytes.constData(), bytes.size());
}

TRichEdit::TRichEdit(TComponent *AOwner) : TWinControl(AOwner, new QTextEdit), lines_(this)
{
    edit_ = static_cast<QTextEdit *>(Widget());
    edit_->setAcceptRichText(true);
}

TRichEdit::~TRichEdit() = default;

QTextDocument *TRichEdit::Document() const
{
    return edit_->document();
}

void TRichEdit::ResetSelectionAttributes()
{
    edit_->setCurrentCharFormat(QTextCharFormat());
}

int TRichEdit::FormatRange(QPainter *Painter, int DpiX, int DpiY, const TRect &Twips, int FirstChar)
{
    const double dpiX = DpiX > 0 ? DpiX : 96, dpiY = DpiY > 0 ? DpiY : 96;
    // Laid out at 96 pixels per inch and scaled to the device.
    const double width = Twips.Width() / 15.0, height = Twips.Height() / 15.0;
    QTextDocument *doc = Document();
    // Each setting lays the document out again: set only what changed.
    QTextOption option = doc->defaultTextOption();
    const QTextOption::WrapMode wrap = wordWrap_ ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap;
    if (option.wrapMode() != wrap) {
        option.setWrapMode(wrap);
        doc->setDefaultTextOption(option);
    }
    if (doc->documentMargin() != 0)
        doc->setDocumentMargin(0);
    const double textWidth = wordWrap_ ? std::max(1.0, width) : -1;
    if (doc->textWidth() != textWidth)
        doc->setTextWidth(textWidth);

    QAbstractTextDocumentLayout *layout = doc->documentLayout();
    double skip = 0; // the lines before FirstChar
    double fitBottom = 0;
    int next = doc->characterCount() - 1;
    bool full = false;
    for (QTextBlock b = doc->begin(); b.isValid() && !full; b = b.next()) {
        const QRectF box = layout->blockBoundingRect(b);
        QTextLayout *lines = b.layout();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const int end = b.position() + line.textStart() + line.textLength();
            const double top = box.top() + line.y();
            if (end <= FirstChar) {
                skip = top + line.height();
                continue;
            }
            if (top + line.height() - skip > height) {
                next = b.position() + line.textStart();
                full = true;
                break;
            }
            fitBottom = top + line.height() - skip;
        }
    }
    if (!Painter)
        return next;
    Painter->save();
    Painter->translate(Twips.Left * dpiX / 1440.0, Twips.Top * dpiY / 1440.0);
    Painter->scale(dpiX / 96.0, dpiY / 96.0);
    if (!transparent_ && background_ != clNone)
        Painter->fillRect(QRectF(0, 0, width, height), ToQColor(background_));
    Painter->translate(0, -skip);
    const QRectF clip(0, skip, width, fitBottom);
    Painter->setClipRect(clip, Qt::IntersectClip);
    doc->drawContents(Painter, clip);
    Painter->restore();
    return next;
}

void TRichEdit::Print(const QString &Title)
{
    QPrinter *printer = Printer();
    printer->setDocName(Title);
    Document()->print(printer);
}
