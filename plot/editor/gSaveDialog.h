#pragma once
#include "Component.h"

// The save-file question of the editor's save picker, asked through the
// program's one file-question service (TFileDialog) over the form that owns
// the component. Execute asks, modally, starting in DefaultDir on FileName
// with the filter FilterIndex (from 1) offered; true when the user chose a
// name: FileName is it, as an absolute path kept whole, FilterIndex the
// filter chosen and ReturnExt that filter's extension (".bmp" for "*.bmp";
// empty for a filter without patterns). A name keeps its extension only
// when the chosen filter's pattern is "*" and that extension (letter case
// aside); otherwise ReturnExt is appended, unless it is ".*". Without a
// form (or windowed control) among the owners nothing is asked.
class TgSaveDialog : public TComponent {
public:
    using TComponent::TComponent;

    QString FileName, Filter, DefaultExt, DefaultDir;
    int FilterIndex = 1;
    const QString &ReturnExt() const { return FReturnExt; }

    bool Execute();
    // What Execute makes of a chosen name: the rule above.
    static QString AddFilterExtension(const QString &Name, const QString &Filter, int FilterIndex, QString &ReturnExt);

private:
    QString FReturnExt;
};
