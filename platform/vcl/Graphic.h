#pragma once
#include "Events.h"
#include "Persistent.h"
#include "Types.h"

#include <QString>

class TCanvas;
class TStream;

// A picture that canvases can draw: its own size, an empty state, loading
// from and saving to streams and files, and a change event. Subclasses
// decide how they decode and draw (TBitmap here; the GDI+ pictures).
//
// Draw(ACanvas, Rect) draws the picture stretched into Rect on the canvas.
// ReadData/WriteData are the stored "Data" form of a window layout; by
// default they are LoadFromStream/SaveToStream. LoadFromFile opens the file
// and calls LoadFromStream (file errors propagate as EFOpenError);
// SaveToFile writes the whole file or, failing, leaves the old one as it was
// (TAtomicFileStream).
class TGraphic : public TPersistent {
public:
    virtual void Draw(TCanvas *ACanvas, const TRect &Rect) = 0;
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int Value) = 0;
    virtual void SetHeight(int Value) = 0;
    virtual void LoadFromStream(TStream *Stream) = 0;
    virtual void SaveToStream(TStream *Stream) = 0;
    virtual void LoadFromFile(const QString &FileName);
    virtual void SaveToFile(const QString &FileName);
    // A new picture of the same class holding a copy of this one (for holders
    // that keep their own copy, like TPicture); the default answers none, and
    // the holder then keeps a bitmap rendering of the picture.
    virtual TGraphic *CreateCopy() const { return nullptr; }
    virtual void ReadData(TStream *Stream) { LoadFromStream(Stream); }
    virtual void WriteData(TStream *Stream) { SaveToStream(Stream); }

    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool Value);
    bool Modified() const { return modified_; }
    void SetModified(bool Value) { modified_ = Value; }

    TNotifyEvent OnChange;

protected:
    // Marks the picture modified and fires OnChange (Sender = the picture).
    virtual void Changed(TObject *Sender);

private:
    bool transparent_ = false;
    bool modified_ = false;
};
