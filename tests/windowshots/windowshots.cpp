// windowshots DIR: the editor's windows made offline (empty fake HID bus, the
// scan pointed at a port nothing answers), then each page of the main window
// and each dialog rendered into DIR/<en|zh>-<name>.png for a look by eye; last
// the plot library's property editor of a default XY plot, each page and
// sub-page into DIR/plot-editor-<page>[-<sub-page>].png, and its print
// preview with the preview's settings dialog into DIR/plot-preview.png and
// DIR/plot-preview-settings.png (their texts are the library's own, in
// English).
#include "../app/WindowTour.h"
#include "EditorWindows.h"
#include "FakeHidBus.h"
#include "Button.h"
#include "PageControl.h"
#include "ShownForm.h"
#include "gPlotChannelCustom.h"
#include "gPlotEditorForm.h"
#include "gPlotMasterManager.h"
#include "gPlotPreviewForm.h"
#include "gPlotPreviewSettingsForm.h"
#include "gXYPlot.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTcpServer>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

void Save(TCustomForm *form, const QString &path)
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    form->WindowWidget()->grab().toImage().save(path);
}

// The property editor of a default XY plot, every page and every page of
// its page controls.
void SavePlotEditor(const QString &dir)
{
    TForm host(nullptr);
    auto *plot = new TgXYPlot(&host);
    plot->SetParent(&host);
    plot->SetEditorFormStyle(ipfsStayOnTop);
    plot->Master()->EditProperties();
    auto *editor = dynamic_cast<TgPlotEditorForm *>(plot->Master()->EditorForm());
    if (!editor)
        return;
    TPageControl *main = editor->PageControl;
    for (int page = 0; page < main->PageCount(); ++page) {
        main->SetActivePageIndex(page);
        const QString name = dir + QString("/plot-editor-%1").arg(page, 2, 10, QChar('0'));
        Save(editor, name + ".png");
        for (int i = 0; i < editor->ComponentCount(); ++i) {
            auto *sub = dynamic_cast<TPageControl *>(editor->Components(i));
            if (!sub || sub == main)
                continue;
            // The pages that hold it, the outermost first: on this page, each
            // chosen so that it shows.
            std::vector<TTabSheet *> holders;
            for (TWinControl *p = sub->Parent(); p; p = p->Parent())
                if (auto *sheet = dynamic_cast<TTabSheet *>(p))
                    holders.insert(holders.begin(), sheet);
            if (holders.empty() || holders.front() != main->ActivePage())
                continue;
            for (TTabSheet *sheet : holders)
                sheet->PageControl()->SetActivePage(sheet);
            for (int s = 1; s < sub->PageCount(); ++s) {
                if (!sub->Pages(s)->TabVisible())
                    continue;
                sub->SetActivePageIndex(s);
                Save(editor, name + QString("-%1-%2.png").arg(sub->Name()).arg(s));
            }
            sub->SetActivePageIndex(0);
            for (size_t h = 1; h < holders.size(); ++h)
                holders[h]->PageControl()->SetActivePageIndex(0);
        }
    }
    editor->Close();
}

// The print preview of an XY plot with a trace, opened as its toolbar
// opens it, and its settings dialog opened with its Settings button; each is
// closed after its picture.
void SavePlotPreview(const QString &dir)
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
        Save(preview, dir + "/plot-preview.png");
        QTimer::singleShot(0, [&] {
            if (auto *settings = ShownForm<TgPlotPreviewSettingsForm>()) {
                Save(settings, dir + "/plot-preview-settings.png");
                settings->Button2->Click();
            }
        });
        preview->SettingsButton->Click();
        preview->CloseButton->Click();
    });
    plot->PreviewChart();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: windowshots DIR\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    FakeHidBus bus;
    uint16_t deadPort;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        deadPort = probe.serverPort();
    }
    TfmMain::connectOption = {true, "127.0.0.1", deadPort};
    CreateEditorWindows();
    fmMain->Show();
    for (const char *lang : {"English", "ChineseGB"}) {
        fmMain->SetLanguage(lang);
        const QString pre = dir + '/' + (QString(lang) == "English" ? "en-" : "zh-");
        PageNavigation *nav = TourNavigation();
        for (int page = 0; nav && page < PageNavigation::kPages; ++page) {
            nav->ShowPage(page);
            Save(fmMain, pre + QString("page%1.png").arg(page, 2, 10, QChar('0')));
        }
        for (auto [name, form] : TourDialogs()) {
            const bool shown = form->Visible();
            form->Show();
            Save(form, pre + name + ".png");
            if (!shown)
                form->Hide();
        }
    }
    DestroyEditorWindows();
    SavePlotEditor(dir);
    SavePlotPreview(dir);
    return 0;
}
