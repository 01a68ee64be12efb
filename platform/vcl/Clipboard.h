#pragma once
#include "Persistent.h"

#include <QByteArray>
#include <QString>

class QMimeData;

// Clipboard formats by number: the standard ones and formats registered by
// name (numbers from 0xC000; the same name, case ignored, gives the same
// number). A registered format travels as the MIME type
// application/x-qt-windows-mime;value="<name>".
// CF_ENHMETAFILE travels as an Enhanced Metafile file ("image/x-emf") and
// CF_JPEG, the number under which JPEG pictures are registered, as a JPEG
// file ("image/jpeg"): forms that other programs read.
enum : unsigned { CF_TEXT = 1, CF_BITMAP = 2, CF_UNICODETEXT = 13, CF_ENHMETAFILE = 14, CF_JPEG = 87 };
unsigned RegisterClipboardFormat(const QString &Name); // 0 for an empty name
QString ClipboardFormatName(unsigned Format);           // empty when unknown

// The system clipboard over QClipboard. Each SetBuffer / SetAsText replaces
// the clipboard's content, unless several are bracketed by Open / Close,
// which put them on the clipboard together.
class TClipboard : public TPersistent {
public:
    bool HasFormat(unsigned Format) const;
    // Throws EClipboardException for a format number never registered, for
    // CF_BITMAP bytes that are no picture (BMP, PNG, JPEG, GIF), and for
    // CF_ENHMETAFILE or CF_JPEG bytes without their file's signature.
    void SetBuffer(unsigned Format, const QByteArray &Data);
    // The bytes of that format, empty when the clipboard has none.
    QByteArray GetBuffer(unsigned Format) const;
    QString AsText() const;
    void SetAsText(const QString &Value);
    void Clear();
    void Open();
    void Close();

    // A TBitmap source puts its picture on the clipboard, a TMetafile its
    // Enhanced Metafile (CF_ENHMETAFILE) first and its drawing as a picture
    // beside it (PNG and the other image forms, for programs that read no
    // EMF), a TJPEGImage its JPEG data (CF_JPEG), a TPicture its graphic.
    void Assign(TPersistent *Source) override;

protected:
    // Gives the clipboard's picture to a TBitmap.
    void AssignTo(TPersistent *Dest) override;

private:
    QMimeData *Pending();
    void Commit();
    int openCount_ = 0;
    QMimeData *pending_ = nullptr;
};

TClipboard *Clipboard();
