#pragma once
// Every window of the editor by name, for the tests and tools that walk them
// all (renders, clicks, caption checks, warning checks): the main window's
// pages through its own page navigation, each dialog the program makes, and
// the plot library's property editor.
#include "EditorWindows.h"
#include "MainDialogs.h"
#include "PageNavigation.h"
#include "PlotEditorTour.h"
#include "TProtocolViewer.h"
#include "TfmAbout.h"
#include "TfmChNameList.h"
#include "TfmChannelName.h"
#include "TfmCopy.h"
#include "TfmExit.h"
#include "TfmFactory.h"
#include "TfmHidData.h"
#include "TfmInformation.h"
#include "TfmLinkSel.h"
#include "TfmLockPassWord.h"
#include "TfmLockSetup.h"
#include "TfmMain.h"
#include "TfmMemo.h"
#include "TfmNetwork.h"
#include "TfmNetworkSetup.h"
#include "TfmPeqRst.h"
#include "TfmProcess.h"
#include "TfmRecallPreset.h"
#include "TfmStoreName.h"
#include "TfmStorePreset.h"
#include "TfmTest.h"
#include "Button.h"
#include "ShownForm.h"
#include "gComponentEditorFontPicker.h"
#include "gFontDialogForm.h"
#include "gPlotChannelCustom.h"
#include "gPlotMasterManager.h"
#include "gPlotPreviewForm.h"
#include "gPlotPreviewSettingsForm.h"
#include "gXYPlot.h"

#include <QTcpServer>
#include <QTimer>

#include <cmath>

#include <functional>
#include <vector>

struct TourForm {
    const char *name;
    TCustomForm *form;
};

// The dialogs of the windows made by CreateEditorWindows, main window excluded.
inline std::vector<TourForm> TourDialogs()
{
    MainDialogs *d = fmMain->Dialogs();
    return {{"connect", fmNetwork},
            {"process", fmProcess},
            {"information", fmInformation},
            {"exit", fmExit},
            {"storepreset", d->fmStorePreset},
            {"recallpreset", d->fmRecallPreset},
            {"storename", d->fmStoreName},
            {"channelname", d->fmChannelName},
            {"chnamelist", d->fmChNameList},
            {"test", d->fmTest},
            {"locksetup", d->fmLockSetup},
            {"lockpassword", d->fmLockPassWord},
            {"peqrst", d->fmPeqRst},
            {"factory", d->fmFactory},
            {"about", d->fmAbout},
            {"networksetup", d->fmNetworkSetup},
            {"hiddata", d->fmHidData},
            {"memo", d->fmMemo},
            {"rs232english", d->fmRs232CodeEnglish},
            {"rs232chinese", d->fmRs232Code},
            {"linksel", d->fmLinkSel},
            {"copy", d->fmCopy}};
}

// The main window's page navigation (the page buttons and ShowPage).
inline PageNavigation *TourNavigation()
{
    for (auto &p : fmMain->Pages())
        if (auto *n = dynamic_cast<PageNavigation *>(p.get()))
            return n;
    return nullptr;
}

// The program's windows made offline, by CreateEditorWindows with the scan
// pointed at a loopback port that nothing answers (the caller keeps an
// empty fake HID bus meanwhile).
inline void CreateOfflineWindows()
{
    uint16_t deadPort;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        deadPort = probe.serverPort();
    }
    TfmMain::connectOption = {true, "127.0.0.1", deadPort};
    CreateEditorWindows();
}

// Each window made by CreateEditorWindows shown in turn, in English and then
// in Chinese, and passed to Visit named "<en|zh>-<name>": the main window on
// each of its pages ("page00" ...), then each dialog (hidden again unless it
// was showing).
inline void TourProgramWindows(const std::function<void(const QString &, TCustomForm *)> &Visit)
{
    fmMain->Show();
    for (const char *lang : {"English", "ChineseGB"}) {
        fmMain->SetLanguage(lang);
        const QString pre = QString(lang) == "English" ? "en-" : "zh-";
        PageNavigation *nav = TourNavigation();
        for (int page = 0; nav && page < PageNavigation::kPages; ++page) {
            nav->ShowPage(page);
            Visit(pre + QString("page%1").arg(page, 2, 10, QChar('0')), fmMain);
        }
        for (auto [name, form] : TourDialogs()) {
            const bool shown = form->Visible();
            form->Show();
            Visit(pre + name, form);
            if (!shown)
                form->Hide();
        }
    }
}

// The print preview of an XY plot with a trace, opened as its toolbar opens
// it, and its settings dialog opened with its Settings button, passed to Visit
// as "plot-preview" and "plot-preview-settings"; each is closed after its visit.
inline void TourPlotPreview(const std::function<void(const QString &, TCustomForm *)> &Visit)
{
    TForm host(nullptr);
    auto *plot = new TgXYPlot(&host);
    plot->SetParent(&host);
    plot->SetBounds(0, 0, 500, 300);
    for (int i = 0; i <= 200; ++i)
        plot->GetChannel(0)->AddXY(i / 2.0, 50 + 40 * std::sin(i / 10.0));
    QTimer::singleShot(0, [&] {
        auto *preview = ShownForm<TgPlotPreviewForm>();
        if (!preview)
            return;
        Visit("plot-preview", preview);
        QTimer::singleShot(0, [&] {
            if (auto *settings = ShownForm<TgPlotPreviewSettingsForm>()) {
                Visit("plot-preview-settings", settings);
                settings->Button2->Click();
            }
        });
        preview->SettingsButton->Click();
        preview->CloseButton->Click();
    });
    plot->PreviewChart();
}

// The plot library's windows: the property editor of a default XY plot (its
// texts are the library's own, in English), on each page and sub-page, passed
// to Visit named "plot-editor-<page>" (see TourPlotEditor), and the font
// window of its font pickers as the X axis title's opens it,
// "plot-font-dialog" (then cancelled); before them its print preview and the
// preview's settings (see TourPlotPreview).
inline void TourLibraryWindows(const std::function<void(const QString &, TCustomForm *)> &Visit)
{
    TourPlotPreview(Visit);
    TForm host(nullptr);
    auto *plot = new TgXYPlot(&host);
    plot->SetParent(&host);
    plot->SetEditorFormStyle(ipfsStayOnTop);
    plot->Master()->EditProperties();
    auto *editor = dynamic_cast<TgPlotEditorForm *>(plot->Master()->EditorForm());
    if (!editor)
        return;
    TourPlotEditor(
        editor,
        [](TPageControl *Pages, int Index) {
            Pages->SetActivePageIndex(Index);
            return Pages->ActivePageIndex() == Index;
        },
        [&](const QString &Name) { Visit("plot-editor-" + Name, editor); });
    if (auto *picker = dynamic_cast<TgComponentEditorFontPicker *>(editor->FindComponent("XAxisTitleFontPicker"))) {
        QTimer::singleShot(0, [&] {
            if (auto *font = ShownForm<TgFontDialogForm>()) {
                Visit("plot-font-dialog", font);
                font->CancelButton->Click();
            }
        });
        picker->Click();
    }
    editor->Close();
}
