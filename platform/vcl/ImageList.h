#pragma once
#include "Color.h"
#include "Component.h"
#include "Events.h"

#include <QImage>
#include <vector>

class TCanvas;

// A list of small pictures of one size (Width x Height), drawn by index. A
// control that shows one asks FreeNotification of the list, so that it hears
// (Notification, opRemove) when the list goes away.
class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent *AOwner);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // A new size empties the list.
    void SetWidth(int Value);
    void SetHeight(int Value);
    int Count() const { return static_cast<int>(images_.size()); }

    // Adds a picture and returns the index of its first image. A picture at
    // least twice as wide as the list is a strip of Width div list-width
    // images side by side, added in order; every image is cut to the list's
    // size or padded at its right and bottom with transparency.
    int Add(const QImage &Image);
    // Adds a picture whose pixels of MaskColor become transparent.
    int AddMasked(const QImage &Image, TColor MaskColor);
    void Delete(int Index); // throws EListError out of range
    void Clear();
    QImage Image(int Index) const; // throws EListError out of range

    // Draws picture Index with its top-left corner at (X, Y); a disabled one
    // is drawn greyed. An index outside the list draws nothing.
    void Draw(TCanvas *Canvas, int X, int Y, int Index, bool Enabled = true) const;

    // The list in a self-contained byte form (size, then each picture as
    // PNG), and back; LoadFromBytes refuses damaged data and then leaves the
    // list empty.
    QByteArray SaveToBytes() const;
    bool LoadFromBytes(const QByteArray &Bytes);

    // After every change of the pictures or the size.
    TNotifyEvent OnChange;

private:
    void Change();
    int width_ = 16;
    int height_ = 16;
    std::vector<QImage> images_;
};
