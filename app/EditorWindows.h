#pragma once

// The editor's windows, each made once behind its global (fmMain first: it
// becomes the application's main window), and freed in reverse order before
// the application object goes; their windows are gone when it returns.
void CreateEditorWindows();
void DestroyEditorWindows();
