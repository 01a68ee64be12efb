#include "EditorPages.h"

#include "DelayPage.h"
#include "EditorPage.h"

std::vector<std::unique_ptr<EditorPage>> CreateEditorPages(PageHost &Host)
{
    std::vector<std::unique_ptr<EditorPage>> pages;
    pages.push_back(std::make_unique<DelayPage>(Host));
    return pages;
}
