#pragma once
// The file filters of the editor's file pickers, "Text|pattern|..." as the
// pickers take them.

inline constexpr const char *kEditorConfigFilter = "Config (*.cfg)|*.cfg|All Files (*.*)|*.*";
inline constexpr const char *kEditorDataFilter = "Data (*.dat)|*.dat|All Files (*.*)|*.*";
inline constexpr const char *kEditorDataOrLogFilter = "Data (*.dat)|*.dat|Log (*.log)|*.log|All Files (*.*)|*.*";
inline constexpr const char *kEditorAnnotationFilter = "Annotations (*.ano)|*.ano|All Files (*.*)|*.*";
inline constexpr const char *kEditorLogFilter = "Log (*.log)|*.log|All Files (*.*)|*.*";
