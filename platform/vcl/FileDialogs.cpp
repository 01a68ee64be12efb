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
        QString patterns = pattern;
        patterns.replace(u';', u' ');
        out << (description.contains(u'(') || patterns.isEmpty() ? description
                                                                 : QStringLiteral("%1 (%2)").arg(description, patterns));
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
    if (Runner) {
        name = Runner(*this);
    } else {
        QWidget *parent = Parent ? Parent->Widget() : nullptr;
        const QStringList filters = Filters();
        QString selected = filters.value(FilterIndex - 1);
        const QString proposed =
            InitialDir.isEmpty() || QFileInfo(FileName).isAbsolute() ? FileName : QDir(InitialDir).filePath(FileName);
        const QString filter = filters.join(QStringLiteral(";;"));
        name = save_ ? QFileDialog::getSaveFileName(parent, Title, proposed, filter, &selected)
                     : QFileDialog::getOpenFileName(parent, Title, proposed, filter, &selected);
        if (!name.isEmpty() && filters.contains(selected))
            FilterIndex = int(filters.indexOf(selected)) + 1;
    }
    if (name.isEmpty())
        return false;
    if (save_ && !DefaultExt.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += "." + DefaultExt;
    FileName = name;
    return true;
}
