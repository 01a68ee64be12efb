#pragma once
// An editor slider built in code as the window layout builds it, on a form
// of a known colour.
#include "Form.h"
#include "SmTrackBar.h"
#include "Stream.h"
#include "TestPictures.h"

#include <QApplication>
#include <QImage>
#include <memory>
#include <vector>

inline std::unique_ptr<TGpPicture> PictureOf(int w, int h, QColor fill)
{
    auto p = std::make_unique<TGpPicture>();
    TMemoryStream s(EncodedPicture("PNG", w, h, fill));
    p->LoadFromStream(&s);
    return p;
}

// The colours of the editor's thumb pictures (normal, hot, pressed, disabled).
inline const QColor kThumbNormal(0, 0, 200), kThumbHot(200, 200, 0), kThumbDown(200, 0, 200),
    kThumbDisabled(90, 90, 90);
inline const QColor kParent(0, 128, 0);

// Properties in the layout's order: Max before Min, pictures before the
// thumb's sizes, OnChange last, then Loaded.
inline void BuildEditorSlider(TSmTrackBar *s, int left, int top, int width, int height, int min, int max,
                              int pageSize = 10)
{
    s->BeginLoading();
    s->SetBounds(left, top, width, height);
    s->SetOrientation(trVertical);
    s->SetMax(max);
    s->SetMin(min);
    s->SetPageSize(pageSize);
    s->SetShowFocus(true);
    s->SetTrackHint(false);
    TTrackBarThumb *t = s->Thumb();
    t->SetBorderColor(RGB(64, 111, 157));
    t->SetGradientMirror(ggRadial);
    t->SetShape(tsPointer);
    t->SetPicture(PictureOf(16, 29, kThumbNormal).get());
    t->SetPictureHot(PictureOf(16, 29, kThumbHot).get());
    t->SetPictureDown(PictureOf(16, 29, kThumbDown).get());
    t->SetSize(16);
    t->SetWidth(29);
    TTrackBarSlider *b = s->Slider();
    b->SetBorderColor(clMedGray);
    b->SetColor(clWhite);
    b->SetColorTo(clBlack);
    b->SetDirection(gdHorizontal);
    b->SetSize(3);
    s->TickMark()->SetStyle(tsNone);
    s->EndLoading();
}

struct SliderForm {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TSmTrackBar *slider = nullptr;
    std::vector<int> changes; // Position seen by each OnChange

    explicit SliderForm(int min = 0, int max = 240, int width = 27, int height = 193)
    {
        form->SetBounds(0, 0, 120, 240);
        form->SetColor(TColor(kParent.red() | kParent.green() << 8 | kParent.blue() << 16));
        slider = new TSmTrackBar(form.get());
        slider->SetParent(form.get());
        BuildEditorSlider(slider, 10, 10, width, height, min, max);
        slider->OnChange = [this](TObject *) { changes.push_back(slider->Position()); };
    }
    void Show()
    {
        form->Show();
        QApplication::setActiveWindow(form->Widget());
    }
    // The slider as drawn over its parent.
    QImage Render()
    {
        QImage all = form->PaintToImage();
        return all.copy(slider->Left(), slider->Top(), slider->Width(), slider->Height());
    }
    QWidget *W() { return slider->Widget(); }
};
