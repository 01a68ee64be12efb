#pragma once
#include <memory>
#include <vector>

class EditorPage;
class PageHost;

// Every page of the editor, in the order they are built (a page may look up
// controls of a page before it).
std::vector<std::unique_ptr<EditorPage>> CreateEditorPages(PageHost &Host);
