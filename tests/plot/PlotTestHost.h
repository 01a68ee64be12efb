#pragma once
#include "Component.h"
#include "Menus.h"
#include "gPlotObject.h"
#include "gPlotObjectHost.h"

#include <QString>
#include <QStringList>

// A stand-in for the plot: records the events objects ask it to fire (kind
// of event and the object's name), translates through a fixed pair, and maps
// client points to the screen by (+1000, +2000).
class TTestPlotHost : public TComponent, public IgPlotObjectHost {
public:
    TTestPlotHost() : TComponent(nullptr) {}

    QStringList events;
    bool cancelPopup = false;
    bool stayOnTop = false;
    bool canAddRemoveChannels = false;

    static QString Of(TgPlotObject *Obj) { return Obj->Name(); }
    void DoObjectMouseDown(TgPlotObject *Obj, TMouseButton, TShiftState, int X, int Y) override
    {
        events << QStringLiteral("down %1 %2,%3").arg(Of(Obj)).arg(X).arg(Y);
    }
    void DoObjectMouseMove(TgPlotObject *Obj, TShiftState, int X, int Y) override
    {
        events << QStringLiteral("move %1 %2,%3").arg(Of(Obj)).arg(X).arg(Y);
    }
    void DoObjectMouseUp(TgPlotObject *Obj, TMouseButton, TShiftState, int X, int Y) override
    {
        events << QStringLiteral("up %1 %2,%3").arg(Of(Obj)).arg(X).arg(Y);
    }
    void DoObjectMouseWheel(TgPlotObject *Obj, int WheelDelta, TShiftState, int, int) override
    {
        events << QStringLiteral("wheel %1 %2").arg(Of(Obj)).arg(WheelDelta);
    }
    void DoObjectPopupMenu(TgPlotObject *Obj, bool &Cancel, int X, int Y) override
    {
        events << QStringLiteral("popup %1 %2,%3").arg(Of(Obj)).arg(X).arg(Y);
        Cancel = cancelPopup;
    }
    void DoObjectClick(TgPlotObject *Obj) override { events << QStringLiteral("click %1").arg(Of(Obj)); }
    void DoObjectGotFocus(TgPlotObject *Obj) override { events << QStringLiteral("got %1").arg(Of(Obj)); }
    void DoObjectLostFocus(TgPlotObject *Obj) override { events << QStringLiteral("lost %1").arg(Of(Obj)); }
    QString TranslateText(const QString &Text) override
    {
        return Text == QStringLiteral("Edit...") ? QStringLiteral("Bearbeiten...") : Text;
    }
    TPoint PlotClientToScreen(TPoint P) override { return TPoint(P.X + 1000, P.Y + 2000); }
    TCustomImageList *GetImageList(int) const override { return nullptr; }
    bool EditorStayOnTop() const override { return stayOnTop; }
    bool UserCanAddRemoveChannels() const override { return canAddRemoveChannels; }
    void DoAfterOpenEditor(TObject *) override { events << QStringLiteral("editor opened"); }
};

// A popup menu that records where it would have been shown.
class TRecordingPopupMenu : public TPopupMenu {
public:
    TRecordingPopupMenu() : TPopupMenu(nullptr) {}
    void Popup(int X, int Y) override { shown << QStringLiteral("%1,%2").arg(X).arg(Y); }
    QStringList shown;
};
