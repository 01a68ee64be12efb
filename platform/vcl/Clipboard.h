#pragma once
#include "Persistent.h"

#include <QByteArray>
#include <QString>

class QMimeData;

// Clipboard formats by number: the standard ones and formats registered by
// name (numbers from 0xC000; the same name, case ignored, gives the same
// number). A registered format travels as the MIME type
// application/x-qt-windows-mime;value="<name>".
enum : unsigned { CF_TEXT = 1, CF_BITMAP = 2, CF_UNICODETEXT = 13 };
unsigned RegisterClipboardFormat(const QString &Name); // 0 for an empty name
QString ClipboardFormatName(unsigned Format);           // empty when unknown

// The system clipboard over QClipboard. Each SetBuffer / SetAsText replaces
// the clipboard's content, unless several are bracketed by Open / Close,
// which put them on the clipboard together.
class TClipboard : public TPersistent {
public:
    bool HasFormat(unsigned Format) const;
    // Throws EClipboardException for a format number never registered and
    // for CF_BITMAP bytes that are no picture (BMP, PNG, JPEG, GIF).
    void SetBuffer(unsigned Format, const QByteArray &Data);
    // The bytes of that format, empty when the clipboard has none.
    QByteArray GetBuffer(unsigned Format) const;
    QString AsText() const;
    void SetAsText(const QString &Value);
    void Clear();
    void Open();
    void Close();

    // A TBitmap source puts its picture on the clipboard.
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
