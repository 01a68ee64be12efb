#include "Clipboard.h"

#include "Bitmap.h"
#include "Exceptions.h"
#include "JPEGImage.h"
#include "Metafile.h"
#include "Picture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace {

std::vector<QString> &Registered()
{
    static std::vector<QString> names;
    return names;
}

constexpr unsigned kFirstRegistered = 0xC000;

QString MimeFor(unsigned Format)
{
    if (Format == CF_TEXT || Format == CF_UNICODETEXT)
        return QStringLiteral("text/plain");
    if (Format == CF_ENHMETAFILE)
        return QStringLiteral("image/x-emf");
    if (Format == CF_JPEG)
        return QStringLiteral("image/jpeg");
    QString name = ClipboardFormatName(Format);
    if (name.isEmpty())
        return QString();
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(name);
}

// The start of the file a picture format carries: an EMF header record
// (type 1, " EMF" at byte 40) or a JPEG start-of-image marker.
bool HasSignature(unsigned Format, const QByteArray &Data)
{
    if (Format == CF_ENHMETAFILE)
        return Data.size() >= 88 && Data.startsWith(QByteArray("\x01\x00\x00\x00", 4)) &&
               Data.mid(40, 4) == " EMF";
    if (Format == CF_JPEG)
        return Data.startsWith("\xFF\xD8\xFF");
    return true;
}

// A metafile played at its own size on white: the picture that programs
// without an EMF reader paste (the clipboard offers it as PNG among others).
QImage Rendered(const TMetafile &Metafile)
{
    QImage image(std::max(Metafile.Width(), 1), std::max(Metafile.Height(), 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!Metafile.Empty()) {
        QPainter p(&image);
        p.drawPicture(0, 0, Metafile.Picture());
    }
    return image;
}

QClipboard *System()
{
    return QGuiApplication::clipboard();
}

} // namespace

unsigned RegisterClipboardFormat(const QString &Name)
{
    if (Name.isEmpty())
        return 0;
    auto &names = Registered();
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i].compare(Name, Qt::CaseInsensitive) == 0)
            return kFirstRegistered + static_cast<unsigned>(i);
    names.push_back(Name);
    return kFirstRegistered + static_cast<unsigned>(names.size() - 1);
}

QString ClipboardFormatName(unsigned Format)
{
    auto &names = Registered();
    if (Format >= kFirstRegistered && Format - kFirstRegistered < names.size())
        return names[Format - kFirstRegistered];
    return QString();
}

TClipboard *Clipboard()
{
    static TClipboard clipboard;
    return &clipboard;
}

bool TClipboard::HasFormat(unsigned Format) const
{
    const QMimeData *m = System() ? System()->mimeData() : nullptr;
    if (!m)
        return false;
    if (Format == CF_BITMAP)
        return m->hasImage();
    QString mime = MimeFor(Format);
    return !mime.isEmpty() && m->hasFormat(mime);
}

QMimeData *TClipboard::Pending()
{
    if (!pending_)
        pending_ = new QMimeData;
    return pending_;
}

void TClipboard::Commit()
{
    if (!pending_ || !System())
        return;
    System()->setMimeData(pending_);
    pending_ = nullptr; // the clipboard owns it now
}

void TClipboard::Open()
{
    ++openCount_;
}

void TClipboard::Close()
{
    if (openCount_ == 0)
        return;
    if (--openCount_ == 0)
        Commit();
}

void TClipboard::SetBuffer(unsigned Format, const QByteArray &Data)
{
    if (Format == CF_BITMAP) {
        QImage img;
        if (!img.loadFromData(Data)) // the clipboard keeps what it had
            throw EClipboardException(QStringLiteral("The clipboard bitmap is not a valid picture"));
        Open();
        Pending()->setImageData(img);
        Close();
        return;
    }
    QString mime = MimeFor(Format);
    if (mime.isEmpty())
        throw EClipboardException(QStringLiteral("Clipboard format %1 is not registered").arg(Format));
    if (!HasSignature(Format, Data))
        throw EClipboardException(QStringLiteral("The clipboard data is not a valid %1 file")
                                      .arg(Format == CF_JPEG ? QStringLiteral("JPEG") : QStringLiteral("metafile")));
    Open();
    Pending()->setData(mime, Data);
    Close();
}

QByteArray TClipboard::GetBuffer(unsigned Format) const
{
    const QMimeData *m = System() ? System()->mimeData() : nullptr;
    QString mime = MimeFor(Format);
    if (!m || mime.isEmpty())
        return QByteArray();
    return m->data(mime);
}

QString TClipboard::AsText() const
{
    return System() ? System()->text() : QString();
}

void TClipboard::SetAsText(const QString &Value)
{
    Open();
    Pending()->setText(Value);
    Close();
}

void TClipboard::Clear()
{
    delete pending_;
    pending_ = nullptr;
    if (System())
        System()->clear();
}

void TClipboard::Assign(TPersistent *Source)
{
    if (auto *bmp = dynamic_cast<TBitmap *>(Source)) {
        Open();
        Pending()->setImageData(bmp->Image());
        Close();
        return;
    }
    if (auto *metafile = dynamic_cast<TMetafile *>(Source)) {
        Open();
        try {
            SetBuffer(CF_ENHMETAFILE, metafile->EmfBytes());
        } catch (...) {
            Close();
            throw;
        }
        Pending()->setImageData(Rendered(*metafile));
        Close();
        return;
    }
    if (auto *jpeg = dynamic_cast<TJPEGImage *>(Source)) {
        SetBuffer(CF_JPEG, jpeg->Data());
        return;
    }
    if (auto *picture = dynamic_cast<TPicture *>(Source)) {
        if (picture->Graphic())
            Assign(picture->Graphic());
        return;
    }
    TPersistent::Assign(Source);
}

void TClipboard::AssignTo(TPersistent *Dest)
{
    if (auto *bmp = dynamic_cast<TBitmap *>(Dest)) {
        const QMimeData *m = System() ? System()->mimeData() : nullptr;
        if (m && m->hasImage())
            bmp->SetImage(qvariant_cast<QImage>(m->imageData()));
        return;
    }
    TPersistent::AssignTo(Dest);
}
