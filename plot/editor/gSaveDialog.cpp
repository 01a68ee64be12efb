#include "gSaveDialog.h"

#include "FileDialogs.h"
#include "Form.h"
#include "gUtilities.h"

#include <QFileInfo>

bool TgSaveDialog::Execute()
{
    TWinControl *parent = FindOwnerForm(this);
    if (!parent)
        return false;
    TSaveDialog dialog;
    dialog.Filter = Filter;
    dialog.FilterIndex = FilterIndex;
    dialog.DefaultExt = DefaultExt;
    dialog.FileName = FileName;
    dialog.InitialDir = DefaultDir;
    if (!dialog.Execute(dynamic_cast<TCustomForm *>(parent)))
        return false;
    FilterIndex = dialog.FilterIndex;
    FileName = AddFilterExtension(dialog.FileName, Filter, FilterIndex, FReturnExt);
    return true;
}

QString TgSaveDialog::AddFilterExtension(const QString &Name, const QString &Filter, int FilterIndex,
                                         QString &ReturnExt)
{
    QStringList patterns;
    for (const QString &part : Filter.split(u'|'))
        if (part.startsWith(u'*'))
            patterns << part;
    ReturnExt.clear();
    if (FilterIndex >= 1 && FilterIndex <= patterns.size())
        ReturnExt = patterns[FilterIndex - 1].mid(1);
    if (ReturnExt.isEmpty() || ReturnExt == QLatin1String(".*"))
        return Name;
    const QString suffix = QFileInfo(Name).suffix();
    if (!suffix.isEmpty()) {
        // The first pattern that matches the name's extension counts.
        const QString own = QStringLiteral("*.") + suffix;
        for (int i = 0; i < patterns.size(); ++i)
            if (patterns[i].compare(own, Qt::CaseInsensitive) == 0)
                return i == FilterIndex - 1 ? Name : Name + ReturnExt;
    }
    return Name + ReturnExt;
}
