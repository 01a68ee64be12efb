#pragma once
#include <QString>

#include <cstdint>

class EditorCurves;
class LCmd;
class LUnitControl;
class TComponent;
class TControl;

// What an editor page needs of the main window: the owner and name index of
// the controls, the model, and the language. The pages know nothing else of
// the window, so that they can be built and tested against any host.
class PageHost {
public:
    virtual ~PageHost() = default;

    // Owner of every control a page makes (it frees them with the window).
    virtual TComponent *ControlOwner() = 0;
    // Named controls, looked up with the case of the name ignored; a page
    // enters each control it makes.
    virtual TControl *FindControl(const QString &Name) const = 0;
    virtual void RegisterControl(TControl *Control) = 0;

    virtual LUnitControl &Model() = 0;
    // True while the pages are being filled from the model: handlers then
    // change no model value and send nothing.
    virtual bool IsUpdatingControls() const = 0;
    // Raised by operations that move many controls at once (the refresh, the
    // link-group propagation); see UpdatingScope.
    virtual void SetUpdatingControls(bool On) = 0;
    // True while the window makes its pages: the refresh then leaves the
    // dynamics plots, the link rows and the delay lines alone.
    virtual bool IsBuildingPages() const { return false; }
    // Row pitch of the routing picture: the window's growth over its base height.
    virtual int MatrixRowPitch() const { return 0; }

    // Sends a command of a page's own to the device (nothing offline).
    virtual void SendCommand(const LCmd &Cmd, bool Append) = 0;
    virtual uint8_t DeviceId() const = 0;
    // The response curves of the displays and the state the curve pages share.
    virtual EditorCurves &Curves() = 0;
    // Asks for the EQ reset confirmation: target 0-11 the parametric EQ of a
    // channel, 12-15 the graphic EQ of input A to D.
    virtual void ShowEqReset(int Target) = 0;

    virtual QString TranslateQ(const char *Sid) const = 0;
    virtual bool IsEnglish() const = 0;

    // The page shown: 0-11 the channel pages, 12 Comp, 13 Delay, 14 Gain,
    // 15 Matrix, 16 Gate, 17 Limit, 18 GEQ.
    virtual int CurrentPage() const = 0;
    virtual void SetCurrentPage(int Page) = 0;
    // Makes the pages not made yet (see EditorPage::OnStartPage); nothing
    // when every page is made.
    virtual void MakeAllPages() {}
    // Tells every page that `Page` has come to the front; `Shown` is the
    // channel whose frames show it (a link member shows its leader's), -1 for
    // a block page.
    virtual void PageShown(int Page, int Shown) = 0;
    // Opens the channel-name dialog for the channel.
    virtual void ShowChannelName(int Channel) = 0;
    // A page switch is under way: an open serial link gets one resend that
    // does not count.
    virtual void GrantExtraResend() = 0;
};
