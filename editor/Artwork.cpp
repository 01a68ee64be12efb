#include "Artwork.h"

#include "PageHost.h"
#include "SkBmpButton.h"
#include "SmTrackBar.h"
#include "Stream.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QMap>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <memory>
#include <utility>

namespace Artwork {

namespace {

// The look of one face state: the face's gradient, its edge, the lit strip.
struct FaceLook {
    QColor top, bottom, edge, lamp;
};

FaceLook LookOf(Face State)
{
    switch (State) {
    case Face::Up: return {QColor(0x5a, 0x5e, 0x66), QColor(0x24, 0x26, 0x2b), QColor(0xb8, 0xbe, 0xc8), QColor()};
    case Face::Hot: return {QColor(0x72, 0x78, 0x84), QColor(0x33, 0x36, 0x3d), QColor(0xe4, 0xe8, 0xf0), QColor()};
    case Face::Down:
        return {QColor(0x1c, 0x3c, 0x5c), QColor(0x2e, 0x66, 0x9a), QColor(0x9c, 0xd0, 0xff), QColor(0x6c, 0xc4, 0xff)};
    case Face::StayDown:
        return {QColor(0x2a, 0x6c, 0xb0), QColor(0x16, 0x40, 0x70), QColor(0xd8, 0xf0, 0xff), QColor(0x9c, 0xe8, 0xff)};
    case Face::Disabled: return {QColor(0x48, 0x48, 0x48), QColor(0x38, 0x38, 0x38), QColor(0x70, 0x70, 0x70), QColor()};
    }
    return {};
}

// One button's pictures, in the order of the Face states.
using FaceSet = std::array<QImage, 5>;

const FaceSet &FacesOfSize(QMap<QPair<int, int>, FaceSet> &Cache, int Width, int Height)
{
    const auto key = qMakePair(Width, Height);
    auto it = Cache.find(key);
    if (it == Cache.end()) {
        FaceSet set;
        for (int s = 0; s < 5; ++s)
            set[size_t(s)] = ButtonFace(Width, Height, Face(s));
        it = Cache.insert(key, set);
    }
    return *it;
}

// A light caption on the dark faces, unless the page chose a colour itself.
void LightCaption(TSkBmpButton *Button)
{
    const TColor c = Button->Font()->Color();
    if (c == clWindowText || c == clBlack || c == clBtnText)
        Button->Font()->SetColor(TColor(0xf0f0f0));
}

void GiveFaces(TSkBmpButton *Button, const FaceSet &Set)
{
    TSkButtonBitmaps *b = Button->Bitmaps();
    b->SetTransparentColor(clOlive);
    b->Up()->SetImage(Set[size_t(Face::Up)]);
    b->Hot()->SetImage(Set[size_t(Face::Hot)]);
    b->Down()->SetImage(Set[size_t(Face::Down)]);
    b->StayDown()->SetImage(Set[size_t(Face::StayDown)]);
    b->Disabled()->SetImage(Set[size_t(Face::Disabled)]);
    LightCaption(Button);
}

template <class T>
T *Named(PageHost &Host, const QString &Name)
{
    return dynamic_cast<T *>(Host.FindControl(Name));
}

// The buttons' pictures are implicitly shared images: handing one over
// keeps one copy of the pixels.
void Take(TBitmap *Target, TBitmap *Source) { Target->SetImage(std::as_const(*Source).Image()); }

void TakeThumb(TSmTrackBar *Target, TSmTrackBar *Source)
{
    TTrackBarThumb *t = Target->Thumb();
    const TTrackBarThumb *s = Source->Thumb();
    t->SetPicture(s->Picture());
    t->SetPictureHot(s->PictureHot());
    t->SetPictureDown(s->PictureDown());
}

QString InputLetter(int i) { return QString(QChar('A' + i)); }

} // namespace

QImage ButtonFace(int Width, int Height, Face State)
{
    QImage img(std::max(Width, 1), std::max(Height, 1), QImage::Format_RGB32);
    img.fill(QColor(ToQColor(clOlive)));
    const FaceLook look = LookOf(State);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRectF r(0.5, 0.5, img.width() - 1.0, img.height() - 1.0);
    const qreal radius = std::min(4.0, std::min(r.width(), r.height()) / 3.0);
    QPainterPath face;
    face.addRoundedRect(r, radius, radius);
    QLinearGradient g(0, 0, 0, img.height());
    g.setColorAt(0, look.top);
    g.setColorAt(1, look.bottom);
    p.fillPath(face, g);
    // A lit strip along the bottom marks a pressed or chosen button.
    if (look.lamp.isValid() && img.height() > 8 && img.width() > 10)
        p.fillRect(QRect(5, img.height() - 4, img.width() - 10, 2), look.lamp);
    // A bevel highlight just inside the top edge of a raised face.
    if (State == Face::Up || State == Face::Hot)
        p.fillRect(QRect(3, 1, std::max(img.width() - 6, 0), 1), look.top.lighter(150));
    p.setPen(QPen(look.edge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(face);
    return img;
}

QByteArray ThumbPicture(Thumb State)
{
    QImage img(kThumbWidth, kThumbLength, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QColor top(0x9a, 0x9e, 0xa6), bottom(0x3a, 0x3d, 0x44), edge(0x18, 0x18, 0x1c), line(0xf4, 0xf4, 0xf4);
    if (State == Thumb::Hot)
        top = QColor(0xc4, 0xc8, 0xd0), bottom = QColor(0x50, 0x54, 0x5c);
    else if (State == Thumb::Down)
        top = QColor(0x7a, 0x7e, 0x86), bottom = QColor(0x2a, 0x2c, 0x32), line = QColor(0x6c, 0xc4, 0xff);
    else if (State == Thumb::Disabled)
        top = QColor(0x70, 0x70, 0x70), bottom = QColor(0x50, 0x50, 0x50), line = QColor(0x90, 0x90, 0x90);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(0, 0, 0, kThumbLength);
    g.setColorAt(0, top);
    g.setColorAt(0.45, top.darker(115));
    g.setColorAt(0.55, bottom.lighter(120));
    g.setColorAt(1, bottom);
    p.setPen(QPen(edge, 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, kThumbWidth - 1.0, kThumbLength - 1.0), 2, 2);
    // The cap's index line marks the value across the track.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(2, kThumbLength / 2 - 1, kThumbWidth - 4, 2), line);
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return bytes;
}

void PaintControls(PageHost &Host) { PaintControls(Host.ControlOwner()); }

void PaintControls(TComponent *Owner)
{
    TComponent *owner = Owner;
    QMap<QPair<int, int>, FaceSet> faces;
    // One thumb set for every slider: the pictures' bytes are shared by all.
    std::unique_ptr<TGpPicture> thumbs[4];
    for (int s = 0; s < 4; ++s) {
        thumbs[s] = std::make_unique<TGpPicture>();
        TMemoryStream bytes(ThumbPicture(Thumb(s)));
        thumbs[s]->LoadFromStream(&bytes);
    }
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        TComponent *c = owner->Components(i);
        if (auto *b = dynamic_cast<TSkBmpButton *>(c)) {
            if (!b->Bitmaps()->Up()->HandleAllocated() && b->Width() > 0 && b->Height() > 0)
                GiveFaces(b, FacesOfSize(faces, b->Width(), b->Height()));
        } else if (auto *s = dynamic_cast<TSmTrackBar *>(c)) {
            TTrackBarThumb *t = s->Thumb();
            if (!t->Picture()->Empty())
                continue;
            t->SetShape(tsPointer);
            t->SetPicture(thumbs[int(Thumb::Normal)].get());
            t->SetPictureHot(thumbs[int(Thumb::Hot)].get());
            t->SetPictureDown(thumbs[int(Thumb::Down)].get());
            t->SetPictureDisabled(thumbs[int(Thumb::Disabled)].get());
        }
    }
}

bool SharePictures(PageHost &Host)
{
    auto button = [&Host](const QString &name) { return Named<TSkBmpButton>(Host, name); };
    TSkBmpButton *gain = button("skbMenuGain");
    TSkBmpButton *matrix = button("skbMenuMatrix");
    if (!gain || !matrix)
        return false;
    TSkButtonBitmaps *g = gain->Bitmaps();
    for (const char *name : {"skbMenuComp", "skbMenuDelay"}) {
        TSkBmpButton *b = button(QString::fromLatin1(name));
        if (!b)
            return false;
        Take(b->Bitmaps()->Down(), g->Down());
        Take(b->Bitmaps()->Hot(), g->Hot());
        Take(b->Bitmaps()->StayDown(), g->StayDown());
    }
    for (const char *name : {"skbMenuMatrix", "skbMenuGate", "skbMenuLimit", "skbMenuGeq"}) {
        TSkBmpButton *b = button(QString::fromLatin1(name));
        if (!b)
            return false;
        Take(b->Bitmaps()->Down(), matrix->Bitmaps()->Down());
        Take(b->Bitmaps()->Hot(), g->Hot());
        Take(b->Bitmaps()->StayDown(), g->StayDown());
    }
    TSkBmpButton *inA = button("skbMenuInA");
    if (!inA)
        return false;
    for (int i = 0; i < 4; ++i) {
        TSkBmpButton *b = button("skbMenuIn" + InputLetter(i));
        if (!b)
            return false;
        TSkButtonBitmaps *a = inA->Bitmaps();
        Take(b->Bitmaps()->Disabled(), a->StayDown());
        Take(b->Bitmaps()->Down(), a->Down());
        Take(b->Bitmaps()->Hot(), a->Hot());
        Take(b->Bitmaps()->StayDown(), a->StayDown());
    }
    for (int o = 1; o < 8; ++o) {
        TSkBmpButton *b = button(QStringLiteral("skbMenuOut%1").arg(o));
        if (!b)
            return false;
        Take(b->Bitmaps()->Disabled(), g->StayDown());
        Take(b->Bitmaps()->Down(), g->Down());
        Take(b->Bitmaps()->Hot(), g->Hot());
        Take(b->Bitmaps()->StayDown(), g->StayDown());
    }
    // The pages' own: the GEQ sliders' thumbs and the routing buttons.
    auto *geqSource = Named<TSmTrackBar>(Host, "isGeqCh01InA");
    for (int i = 0; i < 4; ++i)
        for (int band = 1; band <= 31; ++band) {
            auto *s = Named<TSmTrackBar>(Host, QStringLiteral("isGeqCh%1In").arg(band, 2, 10, QChar('0')) + InputLetter(i));
            if (!s || !geqSource)
                return false;
            TakeThumb(s, geqSource);
        }
    TSkBmpButton *routeSource = button("skbAMatrixOut1");
    for (int o = 1; o <= 8; ++o)
        for (int i = 0; i < 4; ++i) {
            TSkBmpButton *r = button("skb" + InputLetter(i) + QStringLiteral("MatrixOut%1").arg(o));
            if (!r || !routeSource)
                return false;
            TSkButtonBitmaps *s = routeSource->Bitmaps();
            Take(r->Bitmaps()->Down(), s->Down());
            Take(r->Bitmaps()->Hot(), s->Hot());
            Take(r->Bitmaps()->StayDown(), s->StayDown());
        }
    return true;
}

} // namespace Artwork
