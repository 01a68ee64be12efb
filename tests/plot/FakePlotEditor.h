#pragma once
#include "gPlotEditorInterface.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <map>
#include <vector>

// Records what the master asks of it; pages as plain numbers.
class TFakeEditor : public IgPlotEditor {
public:
    static inline int made = 0, freed = 0;
    static inline QStringList log;
    TFakeEditor() { ++made; }
    ~TFakeEditor() override { ++freed; }
    bool closing = false;
    std::map<int, std::vector<TgPlotObject *>> lists;
    std::map<int, int> selected;
    std::array<int, iepCount> pages{};
    QStringList captions{QStringLiteral("Edit..."), QStringLiteral("Channels")};

    bool Closing() const override { return closing; }
    void UpdateAll() override {}
    void SetPlotComponent(TComponent *) override {}
    void UpdateKindEdit(TgPlotEditorKind) override {}
    void AddListEntry(TgPlotEditorKind Kind, TgPlotObject *Object) override { lists[Kind].push_back(Object); }
    void SelectListEntry(TgPlotEditorKind Kind, int Index) override { selected[Kind] = Index; }
    void DeleteListEntry(TgPlotEditorKind Kind, TgPlotObject *Object) override
    {
        auto &l = lists[Kind];
        l.erase(std::remove(l.begin(), l.end(), Object), l.end());
    }
    int ListEntryCount(TgPlotEditorKind Kind) const override
    {
        auto it = lists.find(Kind);
        return it == lists.end() ? 0 : static_cast<int>(it->second.size());
    }
    void ShowKindPage(TgPlotEditorKind Kind) override { log << QStringLiteral("page %1").arg(Kind); }
    void FollowRename(TgPlotEditorKind, const QString &OldName, const QString &NewName) override
    {
        log << OldName + QStringLiteral(" -> ") + NewName;
    }
    int PageCount(TgPlotEditorPageControl) const override { return 5; }
    int ActivePageIndex(TgPlotEditorPageControl Control) const override { return pages[Control]; }
    void SetActivePageIndex(TgPlotEditorPageControl Control, int Index) override { pages[Control] = Index; }
    void SetChannelButtonsVisible(bool) override {}
    void LoadControlPage() override {}
    void StoreControlPage() override { log << QStringLiteral("store"); }
    void CenterOnScreen() override {}
    void Show(bool StayOnTop) override
    {
        log << (StayOnTop ? QStringLiteral("show") : QStringLiteral("modal"));
        if (!StayOnTop)
            pages[iepMain] = 3; // the user leaves page 3 open
    }
    void Translate(const std::function<QString(const QString &)> &T) override
    {
        for (QString &c : captions)
            c = T(c);
    }
};
