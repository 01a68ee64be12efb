#pragma once
// An editor form shown as its user meets it, counting the user changes its
// controls report, with helpers to type into its edits and find what its
// controls draw.
#include "TestInput.h"
#include "gCustomEditorForm.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

class TCountingEditorForm : public TgCustomEditorForm {
public:
    using TgCustomEditorForm::TgCustomEditorForm;
    int userChanges = 0;
    void UserChange() override { ++userChanges; }
};

struct EditorFormHost {
    TCountingEditorForm form{nullptr};
    EditorFormHost(int Width = 400, int Height = 300)
    {
        form.SetBounds(0, 0, Width, Height);
        form.Show();
        QApplication::setActiveWindow(form.WindowWidget());
    }
    ~EditorFormHost() { QApplication::setActiveWindow(nullptr); }
    template <class T> T *Add(int X, int Y, int W, int H)
    {
        auto *c = new T(&form);
        c->SetParent(&form);
        c->SetBounds(X, Y, W, H);
        return c;
    }
    // The form's client as drawn.
    QImage Shot()
    {
        QApplication::processEvents();
        return form.PaintToImage().convertToFormat(QImage::Format_RGB32);
    }
};

// A click into a windowed control, then the text typed there.
inline void ClickAndType(TWinControl *C, const QString &Text)
{
    QTest::mouseClick(C->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(C->Width() / 2, C->Height() / 2));
    QTest::keyClicks(C->Widget(), Text);
}

inline void Press(TWinControl *C, Qt::Key K, Qt::KeyboardModifiers Mods = Qt::NoModifier)
{
    QTest::keyClick(C->Widget(), K, Mods);
}
