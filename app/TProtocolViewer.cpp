#include "TProtocolViewer.h"

#include "DialogControls.h"
#include "ProtocolDocument.h"
#include "ScrollBox.h"
#include "SmOfficeImage.h"
#include "Stream.h"
#include "VirtualKeys.h"
#include "rtflabel.h"
#include "RichEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextDocument>
#include <QtMath>
#include <algorithm>

#include <QWidget>

namespace {
constexpr int kColumnLeft = 50, kTextTop = 24, kColumnWidth = 630, kTextHeight = 1400, kPictureHeight = 84;
constexpr int kPictureSpace = kPictureHeight + 8; // kept free under each section's last paragraph
constexpr int kCentreFrom = 750;

struct PictureSlots {
    std::vector<int> tops; // the free space under each section, from the label's top
    int documentHeight = 0;
};

// Lays the label's document out as the label draws it (96 dpi, no wrap, one
// pixel in from its corner) and finds the paragraphs that keep room for a picture.
PictureSlots FindPictureSlots(TRTFLabel &Label)
{
    TRichEdit edit(nullptr);
    edit.SetWordWrap(false);
    Label.CopyToRichEdit(&edit);
    edit.FormatRange(nullptr, 96, 96, Rect(0, 0, kColumnWidth * 15, 1 << 24));
    QTextDocument *doc = edit.Document();
    QAbstractTextDocumentLayout *layout = doc->documentLayout();
    PictureSlots found;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        if (b.length() > 1 || b.blockFormat().bottomMargin() < kPictureSpace - 0.5)
            continue;
        const QRectF box = layout->blockBoundingRect(b);
        // Under the paragraph's own (empty) line.
        found.tops.push_back(1 + qRound(box.top() + b.layout()->boundingRect().bottom()));
    }
    found.documentHeight = 1 + qCeil(layout->documentSize().height());
    return found;
}
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
    RTFLabel->SetRichText(QString::fromLatin1(ProtocolRtf(sections, kPictureSpace)));
    const PictureSlots found = FindPictureSlots(*RTFLabel);
    // The label holds the whole document, however long our text runs.
    RTFLabel->SetHeight(std::max(kTextHeight, found.documentHeight + 2));
    for (int i = 0; i < kPictures && i < int(sections.size()) && i < int(found.tops.size()); ++i) {
        const QByteArray name = "SmOfficeImage" + QByteArray::number(i + 1);
        const int top = kTextTop + found.tops[size_t(i)] + (kPictureSpace - kPictureHeight) / 2;
        auto *img = PlaceControl<TSmOfficeImage>(ScrollBox, name.constData(), kColumnLeft, top, kColumnWidth,
                                                 kPictureHeight);
        TMemoryStream png(ProtocolPicturePng(sections[size_t(i)], kColumnWidth));
        img->Picture()->LoadFromStream(&png);
        SmOfficeImages.push_back(img);
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
    WindowWidget()->setWindowState(Qt::WindowNoState);
    SetClientHeight(kDesignHeight);
    SetClientWidth(kDesignWidth);
}

TfmRs232CodeEnglish::TfmRs232CodeEnglish(TComponent *AOwner) : TProtocolViewer(AOwner, true) {}

TfmRs232Code::TfmRs232Code(TComponent *AOwner) : TProtocolViewer(AOwner, false) {}
