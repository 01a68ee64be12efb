#include "EditorPages.h"

#include "BlockDiagram.h"
#include "ChannelStrip.h"
#include "CompPage.h"
#include "CrossoverPage.h"
#include "DelayPage.h"
#include "EditorPage.h"
#include "GainOverviewToggles.h"
#include "GatePage.h"
#include "GeqPage.h"
#include "LimitPage.h"
#include "MatrixPage.h"
#include "MixLevelEntry.h"
#include "PageNavigation.h"
#include "PeqPage.h"

std::vector<std::unique_ptr<EditorPage>> CreateEditorPages(PageHost &Host)
{
    std::vector<std::unique_ptr<EditorPage>> pages;
    pages.push_back(std::make_unique<DelayPage>(Host));
    pages.push_back(std::make_unique<GatePage>(Host));
    pages.push_back(std::make_unique<CompPage>(Host));
    pages.push_back(std::make_unique<LimitPage>(Host));
    pages.push_back(std::make_unique<MatrixPage>(Host));
    pages.push_back(std::make_unique<MixLevelEntry>(Host));
    pages.push_back(std::make_unique<CrossoverPage>(Host));
    pages.push_back(std::make_unique<GeqPage>(Host));
    pages.push_back(std::make_unique<PeqPage>(Host));
    pages.push_back(std::make_unique<BlockDiagram>(Host));
    pages.push_back(std::make_unique<GainOverviewToggles>(Host));
    pages.push_back(std::make_unique<PageNavigation>(Host));
    pages.push_back(std::make_unique<ChannelStrip>(Host));
    return pages;
}
