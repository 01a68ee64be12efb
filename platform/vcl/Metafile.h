#pragma once
#include "Canvas.h"
#include "Graphic.h"

#include <QPicture>
#include <QString>
#include <memory>

class QPainter;

// A vector picture: what was drawn on a TMetafileCanvas, kept in memory as a
// QPicture of Width x Height canvas pixels. It draws scaled into any
// rectangle of a device's pixels, whatever the device's resolution (pen
// widths and text scale with it), which serves snapshots, the print preview
// and printed pages. The creator and description texts travel with the file
// form.
class TMetafile : public TGraphic {
public:
    TMetafile();
    ~TMetafile() override;

    // Plays the drawing stretched into Rect; nothing for an empty metafile.
    void Draw(TCanvas *ACanvas, const TRect &Rect) override;
    // True until a canvas has drawn on a metafile of positive size.
    bool Empty() const override;
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // The size of the drawing area; a new size drops what was drawn.
    void SetWidth(int Value) override { SetSize(Value, height_); }
    void SetHeight(int Value) override { SetSize(width_, Value); }
    void SetSize(int AWidth, int AHeight);
    void Clear();

    // The drawing as an Enhanced Metafile (EMF) file; raises EStreamError
    // when the file cannot be made.
    QByteArray EmfBytes() const;
    // Metafiles are written (as EMF), never read: LoadFromStream raises
    // EInvalidGraphic.
    void LoadFromStream(TStream *Stream) override;
    void SaveToStream(TStream *Stream) override;
    TGraphic *CreateCopy() const override;
    void Assign(TPersistent *Source) override;

    const QPicture &Picture() const { return picture_; }
    const QString &CreatedBy() const { return createdBy_; }
    const QString &Description() const { return description_; }

private:
    friend class TMetafileCanvas;
    void Recorded(const QPicture &Picture, const QString &CreatedBy, const QString &Description);
    void CopyFrom(const TMetafile &Source);

    QPicture picture_;
    int width_ = 0, height_ = 0;
    bool recorded_ = false;
    QString createdBy_, description_;
};

// The canvas that draws into a metafile: it records from its first drawing
// call, over the metafile's area, and hands the drawing to the metafile when
// it is freed (what the metafile held before is replaced then). Lines stay
// lines here, not the pixels of a raster canvas, so that they scale.
class TMetafileCanvas : public TCanvas {
public:
    TMetafileCanvas(TMetafile *Metafile, const QString &CreatedBy, const QString &Description);
    ~TMetafileCanvas() override;

protected:
    void CreateHandle() override;
    bool VectorLines() const override { return true; }

private:
    TMetafile *metafile_;
    QString createdBy_, description_;
    QPicture picture_;
    std::unique_ptr<QPainter> own_;
};
