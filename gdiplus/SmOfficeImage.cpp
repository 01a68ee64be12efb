// TSmOfficeImage.

#include "SmOfficeImage.h"

#include "Canvas.h"
#include "Pen.h"

TSmOfficeImage::TSmOfficeImage(TComponent *AOwner)
    : TGraphicControl(AOwner), picture_(new TGpPicture), officeHint_(new TSmHintInfo)
{
    SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks});
    SetBounds(Left(), Top(), 128, 128);
    picture_->OnChange = [this](TObject *) { Invalidate(); };
}

TSmOfficeImage::~TSmOfficeImage() = default;

void TSmOfficeImage::SetPicture(TGpPicture *Value)
{
    picture_->Assign(Value);
    Invalidate();
}

void TSmOfficeImage::SetCenter(bool Value)
{
    if (center_ == Value)
        return;
    center_ = Value;
    Invalidate();
}

void TSmOfficeImage::SetStretch(bool Value)
{
    if (stretch_ == Value)
        return;
    stretch_ = Value;
    Invalidate();
}

QString TSmOfficeImage::Version() const
{
    const uint32_t v = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4")
        .arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

void TSmOfficeImage::Paint()
{
    TGraphicControl::Paint();
    PaintPicture(Canvas());
}

// A picture larger than the control is centred with a negative offset and
// cut on both sides.
void TSmOfficeImage::PaintPicture(TCanvas *ACanvas)
{
    if (!picture_->Empty()) {
        picture_->GetImageSizes();
        if (stretch_) {
            ACanvas->StretchDraw(ClientRect(), picture_.get());
        } else {
            int x = 0, y = 0;
            if (center_) {
                x = (Width() - picture_->Width()) / 2;
                y = (Height() - picture_->Height()) / 2;
            }
            ACanvas->Draw(x, y, picture_.get());
        }
    } else if (ComponentState().Contains(csDesigning)) {
        ACanvas->Pen()->SetStyle(psDot);
        ACanvas->Pen()->SetColor(TColor(0xFF0000));
        ACanvas->Brush()->SetStyle(bsClear);
        ACanvas->Rectangle(ClientRect());
    }
}
