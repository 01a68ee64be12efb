#include "rtflabel.h"

#include "Stream.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTextDocument>

TRTFLabel::TRTFLabel(TComponent *AOwner) : TCustomLabel(AOwner)
{
    richEdit_ = std::make_unique<TRichEdit>(nullptr);
    richEdit_->OnResizeRequest = [](TObject *) {};
    richEdit_->SetVisible(false);
    richEdit_->SetWordWrap(false);
    SetAutoSize(false);
    SetCaption(QString());
}

TRTFLabel::~TRTFLabel()
{
    richEdit_.reset();
}

QString TRTFLabel::Version() const
{
    const unsigned v = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

void TRTFLabel::Loaded()
{
    TCustomLabel::Loaded();
    richEdit_->SetVisible(false);
    richEdit_->SetBounds(0, 0, 10, 10);
    richEdit_->SetWordWrap(false);
    SetCaption(QString());
}

void TRTFLabel::SetRichText(const QString &Value)
{
    if (Value == richText_)
        return;
    richText_ = Value;
    cacheValid_ = false;
    Invalidate();
}

void TRTFLabel::SetWordWrap(bool Value)
{
    wordWrap_ = Value;
    if (Parent() && richEdit_ && !ComponentState().Contains(csLoading))
        richEdit_->SetWordWrap(Value);
}

void TRTFLabel::SetCacheDocument(bool Value)
{
    cacheDocument_ = Value;
    cacheValid_ = false;
}

QByteArray TRTFLabel::Bytes() const
{
    QByteArray bytes(richText_.size(), Qt::Uninitialized);
    for (int i = 0; i < richText_.size(); ++i)
        bytes[i] = char(richText_[i].unicode() & 0xFF);
    return bytes;
}

void TRTFLabel::LoadInto(TRichEdit *Edit)
{
    TMemoryStream stream(Bytes());
    Edit->SetPlainText(false);
    Edit->Lines()->LoadFromStream(&stream);
}

TRichEdit *TRTFLabel::RTF()
{
    if (!Parent() || !richEdit_)
        return nullptr;
    if (Parent()->Widget()) {
        richEdit_->Lines()->Clear();
        richEdit_->ResetSelectionAttributes();
    }
    cacheValid_ = false;
    return richEdit_.get();
}

void TRTFLabel::ShowRTF()
{
    if (!Parent() || !Parent()->Widget() || !richEdit_)
        return;
    CopyFromRichEdit(richEdit_.get());
}

void TRTFLabel::EndUpdate()
{
    if (updateCount_ <= 0)
        return;
    if (--updateCount_ == 0)
        ShowRTF();
}

void TRTFLabel::CopyFromRichEdit(TRichEdit *RichEdit)
{
    TMemoryStream stream;
    RichEdit->Lines()->SaveToStream(&stream);
    richText_ = QString::fromLatin1(stream.Bytes()); // one character per byte, high byte 0
    cacheValid_ = false;
    Repaint();
}

void TRTFLabel::CopyToRichEdit(TRichEdit *RichEdit)
{
    LoadInto(RichEdit);
}

TRect TRTFLabel::TwipsRect(const TRect &R, int DpiX, int DpiY)
{
    const double dx = DpiX > 0 ? DpiX : 96, dy = DpiY > 0 ? DpiY : 96;
    const int left = RoundHalfEven((R.Left + 1) / dx * 1440);
    const int top = RoundHalfEven((R.Top + 1) / dy * 1440);
    const int right = left + RoundHalfEven((R.Right - R.Left - 1) / dx * 1440);
    const int bottom = top + RoundHalfEven((R.Bottom - R.Top - 1) / dy * 1440);
    return Rect(left, top, right, bottom);
}

void TRTFLabel::Render(TCanvas *Canvas, const TRect &R)
{
    QPainter *p = Canvas->Handle();
    if (!cacheDocument_ || !cacheValid_) {
        LoadInto(richEdit_.get());
        cacheValid_ = cacheDocument_;
    }
    const QPaintDevice *device = p ? p->device() : nullptr;
    const int dpiX = device ? device->logicalDpiX() : 0, dpiY = device ? device->logicalDpiY() : 0;
    TColor back = Color();
    if (Transparent() && Parent())
        back = Parent()->Color();
    richEdit_->SetBackgroundColor(back);
    lastTwips_ = TwipsRect(R, dpiX, dpiY);
    richEdit_->FormatRange(p, dpiX, dpiY, lastTwips_);
}

void TRTFLabel::Paint()
{
    SetCaption(QString());
    TCustomLabel::Paint();
    if (updateCount_ > 0 || !richEdit_ || painting_)
        return;
    painting_ = true;
    if (Parent() && Parent()->Widget()) {
        richEdit_->SetTransparent(true);
        richEdit_->SetHeight(0);
        Render(Canvas(), Rect(0, 0, Width(), Height()));
        richEdit_->SetTransparent(false);
    }
    painting_ = false;
}

void TRTFLabel::PaintTo(TCanvas *ACanvas)
{
    Render(ACanvas, ClientRect());
}

void TRTFLabel::Print(const QString &Caption)
{
    if (!Parent() || !richEdit_)
        return;
    if (Parent()->Widget()) {
        CopyToRichEdit(richEdit_.get());
        cacheValid_ = false;
        richEdit_->Print(Caption);
    }
}
