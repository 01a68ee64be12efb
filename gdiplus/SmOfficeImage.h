#pragma once
// TSmOfficeImage: a windowless control showing one picture at its own size
// (centred or at the corner) or stretched over the control.

#include "GraphicControl.h"
#include "GpPicture.h"
#include "SmHintInfo.h"

#include <memory>

class TSmOfficeImage : public TGraphicControl {
public:
    explicit TSmOfficeImage(TComponent *AOwner);
    ~TSmOfficeImage() override;

    TGpPicture *Picture() const { return picture_.get(); }
    void SetPicture(TGpPicture *Value);
    bool Center() const { return center_; }
    void SetCenter(bool Value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool Value);
    TSmHintInfo *OfficeHint() const { return officeHint_.get(); }
    void SetOfficeHint(TSmHintInfo *Value) { officeHint_->Assign(Value); }
    QString Version() const;
    void SetVersion(const QString &) {}

    void Paint() override;
    virtual void PaintPicture(TCanvas *ACanvas);
    virtual uint32_t GetVersionNr() const { return 0x01010000; }

private:
    std::unique_ptr<TGpPicture> picture_;
    std::unique_ptr<TSmHintInfo> officeHint_;
    bool center_ = true;
    bool stretch_ = false;
};
