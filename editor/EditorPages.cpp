#include "EditorPages.h"

#include "EditorPage.h"

std::vector<std::unique_ptr<EditorPage>> CreateEditorPages(PageHost &Host)
{
    (void)Host;
    std::vector<std::unique_ptr<EditorPage>> pages;
    return pages;
}
