#pragma once
#include "EditorCurves.h"
#include "EditorPage.h"
#include "FakePageHost.h"
#include "LCmd.h"
#include "MainLayout.h"
#include "PageNames.h"
#include "RoundedControls.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>

#include <cstdlib>
#include <memory>
#include <vector>

// The window's frames and one or more pages on a fake host, with the model's
// commands recorded (the model sends nothing while the host is updating).
class PageFixture : public LUnitHost {
public:
    struct Sent {
        uint8_t code;
        ByteVector payload;
        bool append = false;
    };

    PageFixture()
    {
        host.model.SetHost(this);
        host.unitHost = this; // the pages' own commands too
        MainLayout::Build(host, host.form);
    }
    template <typename Page>
    Page &Add()
    {
        auto page = std::make_unique<Page>(host);
        Page &p = *page;
        p.Build(host.form);
        pages.push_back(std::move(page));
        return p;
    }

    template <typename T = TControl>
    T *Get(const QString &Name) const
    {
        T *c = PageNames::Find<T>(host, Name);
        if (!c)
            throw std::runtime_error(("no control " + Name).toStdString());
        return c;
    }

    // Typed text and Enter, through the box's own edit, which has the focus
    // (so the box that had it before is left).
    void Type(const QString &Box, const QString &Text)
    {
        auto *box = Get<TRoundedEdit>(Box);
        if (!host.form->Visible()) {
            host.form->Show();
            QApplication::setActiveWindow(host.form->Widget());
        }
        box->Edit()->Widget()->setFocus(Qt::OtherFocusReason);
        box->SetText(Text);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(box->Edit()->Widget(), &down);
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(box->Edit()->Widget(), &up);
    }

    // The window with the named page frames in front, as drawn; saved as
    // <dir>/<File> when TQ62_PAGE_PNG names a folder.
    QImage Render(const char *FftFrame, const char *ParamFrame, const char *File)
    {
        host.FindControl(FftFrame)->BringToFront();
        host.FindControl(ParamFrame)->BringToFront();
        host.form->Show();
        QImage img = host.form->Widget()->grab().toImage();
        if (const char *dir = std::getenv("TQ62_PAGE_PNG"))
            img.save(QString("%1/%2").arg(dir, File));
        return img;
    }

    std::vector<Sent> Codes(uint8_t Code) const
    {
        std::vector<Sent> out;
        for (const Sent &s : sent)
            if (s.code == Code)
                out.push_back(s);
        return out;
    }

    // LUnitHost
    uint8_t GetDeviceId() const override { return 1; }
    bool IsUpdatingControls() const override { return host.updating; }
    void SendCommand(const LCmd &cmd, bool append) override { sent.push_back({cmd.GetCode(), cmd.GetData(), append}); }
    void InvalidateCurve(int channel) override { host.Curves().InvalidateCurve(channel); }
    void SetStorePresetName(int, const std::string &) override {}
    void SetRecallPresetName(int, const std::string &) override {}

    FakePageHost host;
    std::vector<Sent> sent;
    std::vector<std::unique_ptr<EditorPage>> pages;
};
