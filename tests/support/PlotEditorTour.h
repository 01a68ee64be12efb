#pragma once
// Every page of a plot property editor, the pages of its page controls
// included, for the tools and tests that walk them all (renders, screen
// grabs, warning checks).
#include "PageControl.h"
#include "gPlotEditorForm.h"

#include <QString>

#include <functional>
#include <vector>

// Each page of the editor's main page control in turn, and on it each
// further page of every page control it holds (the pages that hold one
// chosen first, the outermost first; one on a hidden page is left out). Choose brings page Index of Pages up
// (by code, or with a click on its tab) and tells whether it shows (a page
// whose tab the editor hid meanwhile does not); Visit then sees the editor
// showing it, named "NN" (the main page) or "NN-<page control>-<page>".
// Every page control is back on its first page afterwards.
inline void TourPlotEditor(TgPlotEditorForm *Editor, const std::function<bool(TPageControl *, int)> &Choose,
                           const std::function<void(const QString &)> &Visit)
{
    TPageControl *main = Editor->PageControl;
    for (int page = 0; page < main->PageCount(); ++page) {
        if (!main->Pages(page)->TabVisible() || !Choose(main, page))
            continue;
        const QString name = QString("%1").arg(page, 2, 10, QChar('0'));
        Visit(name);
        for (int i = 0; i < Editor->ComponentCount(); ++i) {
            auto *sub = dynamic_cast<TPageControl *>(Editor->Components(i));
            if (!sub || sub == main)
                continue;
            std::vector<TTabSheet *> holders;
            for (TWinControl *p = sub->Parent(); p; p = p->Parent())
                if (auto *sheet = dynamic_cast<TTabSheet *>(p))
                    holders.insert(holders.begin(), sheet);
            if (holders.empty() || holders.front() != main->ActivePage())
                continue;
            bool shows = true;
            for (TTabSheet *sheet : holders)
                shows = shows && sheet->TabVisible() && Choose(sheet->PageControl(), sheet->PageIndex());
            for (int s = 1; shows && s < sub->PageCount(); ++s) {
                if (sub->Pages(s)->TabVisible() && Choose(sub, s))
                    Visit(name + QString("-%1-%2").arg(sub->Name()).arg(s));
            }
            if (shows)
                Choose(sub, 0);
            for (size_t h = holders.size(); h-- > 1;)
                Choose(holders[h]->PageControl(), 0);
        }
    }
}
