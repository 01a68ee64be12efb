#include "FileDialogs.h"

#include "Form.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

std::function<QString(TFileDialog &Dialog)> TFileDialog::Runner;

std::vector<std::pair<QString, QString>> TFileDialog::Parsed() const
{
    std::vector<std::pair<QString, QString>> out;
    if (Filter.contains(u'|')) {
        const QStringList parts = Filter.split(u'|');
        for (int i = 0; i + 1 < parts.size(); i += 2)
            out.emplace_back(parts[i].trimmed(), parts[i + 1].trimmed());
        return out;
    }
    for (const QString &entry : Filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts)) {
        const int open = entry.lastIndexOf(u'('), close = entry.lastIndexOf(u')');
        out.emplace_back(entry.trimmed(), open >= 0 && close > open ? entry.mid(open + 1, close - open - 1) : QString());
    }
    return out;
}

QStringList TFileDialog::Filters() const
{
    QStringList out;
    for (const auto &[description, pattern] : Parsed()) {
        QStringList patterns = QString(pattern).replace(u';', u' ').split(u' ', Qt::SkipEmptyParts);
        for (QString &p : patterns)
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        if (patterns.isEmpty()) {
            out << description;
            continue;
        }
        // Qt matches the patterns in the last brackets: those of the
        // description give way to the filter's own.
        QString shown = description;
        if (shown.endsWith(u')') && shown.lastIndexOf(u'(') >= 0)
            shown = shown.left(shown.lastIndexOf(u'(')).trimmed();
        out << QStringLiteral("%1 (%2)").arg(shown, patterns.join(u' '));
    }
    return out;
}

QString TFileDialog::FilterExtension(int Index) const
{
    const auto parsed = Parsed();
    if (Index < 1 || Index > int(parsed.size()))
        return QString();
    const QString first = parsed[size_t(Index - 1)].second.split(QRegularExpression("[; ]"), Qt::SkipEmptyParts).value(0);
    if (!first.startsWith(QLatin1String("*.")))
        return QString();
    const QString ext = first.mid(2);
    return ext.contains(u'*') || ext.contains(u'?') ? QString() : ext;
}

bool TFileDialog::Execute(TCustomForm *Parent)
{
    QString name;
    QStringList files;
    Files.clear();
    if (Runner) {
        name = Runner(*this);
        files = Files;
    } else {
        const QStringList filters = Filters();
        QFileDialog dialog(Parent ? Parent->Widget() : nullptr, Title);
        dialog.setAcceptMode(save_ ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save_               ? QFileDialog::AnyFile
                           : AllowMultiSelect  ? QFileDialog::ExistingFiles
                           : FileMustExist     ? QFileDialog::ExistingFile
                                               : QFileDialog::AnyFile);
        dialog.setNameFilters(filters);
        if (FilterIndex >= 1 && FilterIndex <= filters.size())
            dialog.selectNameFilter(filters[FilterIndex - 1]);
        // Without a name the question starts in InitialDir itself (a folder
        // given to selectFile would start in its parent, its name typed).
        const QString proposed = FileName.isEmpty() || InitialDir.isEmpty() || QFileInfo(FileName).isAbsolute()
                                     ? FileName
                                     : QDir(InitialDir).filePath(FileName);
        if (!proposed.isEmpty())
            dialog.selectFile(proposed);
        else if (!InitialDir.isEmpty())
            dialog.setDirectory(InitialDir);
        if (dialog.exec() == QDialog::Accepted) {
            files = dialog.selectedFiles();
            name = files.value(0);
            if (filters.contains(dialog.selectedNameFilter()))
                FilterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
        }
    }
    if (name.isEmpty())
        return false;
    if (save_ && !DefaultExt.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += "." + DefaultExt;
    FileName = name;
    Files = files.isEmpty() || save_ ? QStringList{name} : files;
    return true;
}
