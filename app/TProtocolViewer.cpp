#include "TProtocolViewer.h"

#include "DialogControls.h"
#include "ProtocolDocument.h"
#include "ScrollBox.h"
#include "SmOfficeImage.h"
#include "Stream.h"
#include "VirtualKeys.h"
#include "rtflabel.h"

#include <QWidget>

namespace {
constexpr int kColumnLeft = 50, kTextTop = 24, kColumnWidth = 630, kTextHeight = 1400, kPictureHeight = 84;
constexpr int kCentreFrom = 750;
} // namespace

TProtocolViewer::TProtocolViewer(TComponent *AOwner, bool English) : TForm(AOwner, CreateNew)
{
    SetName(English ? "fmRs232CodeEnglish" : "fmRs232Code");
    SetCaption(English ? QStringLiteral("RS232 Protocal Code") : QStringLiteral("232通讯协议控制代码"));
    SetClientWidth(kDesignWidth);
    SetClientHeight(kDesignHeight);
    SetKeyPreview(true);

    ScrollBox = new TScrollBox(this);
    ScrollBox->SetName("ScrollBox");
    ScrollBox->SetParent(this);
    ScrollBox->SetAlign(alClient);
    ScrollBox->SetColor(clWhite);
    ScrollBox->SetWheelStep(kStep);

    const std::vector<ProtocolSection> sections = ProtocolSections(English);
    RTFLabel = PlaceControl<TRTFLabel>(ScrollBox, "RTFLabel", kColumnLeft, kTextTop, kColumnWidth, kTextHeight);
    RTFLabel->SetAutoSize(false);
    RTFLabel->SetWordWrap(false);
    RTFLabel->SetRichText(QString::fromLatin1(ProtocolRtf(sections)));
    int top = kTextTop + kTextHeight;
    for (int i = 0; i < kPictures && i < int(sections.size()); ++i) {
        const QByteArray name = "SmOfficeImage" + QByteArray::number(i + 1);
        auto *img = PlaceControl<TSmOfficeImage>(ScrollBox, name.constData(), kColumnLeft, top, kColumnWidth,
                                                 kPictureHeight);
        TMemoryStream png(ProtocolPicturePng(sections[i], kColumnWidth));
        img->Picture()->LoadFromStream(&png);
        SmOfficeImages.push_back(img);
        top += kPictureHeight + 12;
    }
    ScrollBox->UpdateRange();

    OnResize = [this](TObject *) { FormResize(); };
    OnKeyDown = [this](TObject *, Word &Key, TShiftState) {
        if (ScrollKey(Key))
            Key = 0;
    };
    OnClose = [this](TObject *, TCloseAction &) { FormClose(); };
}

void TProtocolViewer::FormResize()
{
    const int w = ClientWidth();
    const int left = w < kCentreFrom ? kColumnLeft : (w - kCentreFrom) / 2 + kColumnLeft;
    RTFLabel->SetLeft(left);
    for (TSmOfficeImage *img : SmOfficeImages)
        img->SetLeft(RTFLabel->Left());
    ScrollBox->UpdateRange();
}

bool TProtocolViewer::ScrollKey(Word Key)
{
    TControlScrollBar *v = ScrollBox->VertScrollBar();
    TControlScrollBar *h = ScrollBox->HorzScrollBar();
    switch (Key) {
    case VK_PRIOR: v->SetPosition(v->Position() - ClientHeight()); return true;
    case VK_NEXT: v->SetPosition(v->Position() + ClientHeight()); return true;
    case VK_LEFT: h->SetPosition(h->Position() - kStep); return true;
    case VK_UP: v->SetPosition(v->Position() - kStep); return true;
    case VK_RIGHT: h->SetPosition(h->Position() + kStep); return true;
    case VK_DOWN: v->SetPosition(v->Position() + kStep); return true;
    default: return false;
    }
}

void TProtocolViewer::FormClose()
{
    Widget()->setWindowState(Qt::WindowNoState);
    SetClientHeight(kDesignHeight);
    SetClientWidth(kDesignWidth);
}

TfmRs232CodeEnglish::TfmRs232CodeEnglish(TComponent *AOwner) : TProtocolViewer(AOwner, true) {}

TfmRs232Code::TfmRs232Code(TComponent *AOwner) : TProtocolViewer(AOwner, false) {}
