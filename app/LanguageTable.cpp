#include "LanguageTable.h"

#include <QFile>

LanguageTable LanguageTable::FromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return LanguageTable(lines);
}

void LanguageTable::SetLines(const QStringList &lines)
{
    lines_ = lines;
    firstIndex_.clear();
    firstIndex_.reserve(lines_.size());
    // Indexed back to front, so the first of duplicated lines wins.
    for (int i = static_cast<int>(lines_.size()) - 1; i >= 0; --i)
        firstIndex_.insert(lines_[i].toUpper(), i);
}

QString LanguageTable::Translate(const QString &key) const
{
    const int found = firstIndex_.value(key.toUpper(), -1);
    const int text = found + 1;   // absent: -1 + 1, the first line
    return text < lines_.size() ? lines_[text] : QString();
}
