#include "gPlotTranslationManager.h"

#include "CodePage.h"
#include "ComponentStream.h"
#include "Exceptions.h"
#include "Stream.h"
#include "gPlotTranslationObject.h"

#include <utility>
#include <vector>

namespace {

// Splits at CR LF, LF or CR; a terminator ends a line, so text that ends
// with one has no empty line after it.
QStringList SplitLines(const QString &Text)
{
    QStringList lines;
    QString line;
    for (int i = 0; i < Text.size(); ++i) {
        const QChar c = Text[i];
        if (c == u'\r' || c == u'\n') {
            lines << line;
            line.clear();
            if (c == u'\r' && i + 1 < Text.size() && Text[i + 1] == u'\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

} // namespace

TgPlotTranslationManager::TgPlotTranslationManager(TNotifyEvent AOnInsert, TNotifyEvent AOnRemove)
{
    if (!AOnInsert)
        throw Exception(QStringLiteral("OnInsert event handler can not be null"));
    if (!AOnRemove)
        throw Exception(QStringLiteral("OnRemove event handler can not be null"));
    FOnInsert = std::move(AOnInsert);
    FOnRemove = std::move(AOnRemove);
    FList.SetSorted(true);
    FList.SetDuplicates(dupAccept);
    FOnInsert(this);
}

TgPlotTranslationManager::~TgPlotTranslationManager()
{
    Clear();
    FOnRemove(this);
}

void TgPlotTranslationManager::Clear()
{
    while (FList.Count() > 0)
        Delete(0);
}

void TgPlotTranslationManager::Delete(int Index)
{
    // Out of the list first, so that it leaves even when its callbacks do
    // not reach this table; its own removal notice then finds nothing.
    TgPlotTranslationObject *entry = GetItem(Index);
    FList.Delete(Index);
    delete entry;
}

TgPlotTranslationObject *TgPlotTranslationManager::CreateObject()
{
    return new TgPlotTranslationObject(FOnInsert, FOnRemove);
}

int TgPlotTranslationManager::Add()
{
    return FList.IndexOfObject(CreateObject());
}

TgPlotTranslationObject *TgPlotTranslationManager::GetItem(int Index) const
{
    if (Index < 0 || Index >= FList.Count())
        ThrowListIndexError(Index);
    return static_cast<TgPlotTranslationObject *>(FList.GetObject(Index));
}

QString TgPlotTranslationManager::FindReplacement(const QString &OriginalString) const
{
    for (int i = 0; i < FList.Count(); ++i)
        if (GetItem(i)->OriginalString() == OriginalString)
            return GetItem(i)->ReplacementString();
    return OriginalString;
}

void TgPlotTranslationManager::SaveToFile(const QString &FileName) const
{
    try {
        // A line per entry, split at its first TAB: what would split
        // elsewhere is refused before anything is written.
        const auto breaks = [](const QString &Text) { return Text.contains(u'\r') || Text.contains(u'\n'); };
        for (int i = 0; i < FList.Count(); ++i) {
            QString source = GetItem(i)->OriginalString();
            if (!breaks(source) && !source.contains(u'\t') && !breaks(GetItem(i)->ReplacementString()))
                continue;
            source.replace(u'\t', QLatin1String("\\t")).replace(u'\r', QLatin1String("\\r"));
            throw Exception(QStringLiteral("Entry %1 (\"%2\"): the file cannot hold a line break in a text, "
                                           "nor a TAB in a source text")
                                .arg(i)
                                .arg(source.replace(u'\n', QLatin1String("\\n"))));
        }
        QString text;
        for (int i = FList.Count() - 1; i >= 0; --i)
            text += GetItem(i)->OriginalString() + u'\t' + GetItem(i)->ReplacementString() + QLatin1String("\r\n");
        QByteArray bytes;
        if (QStringView(text).isValidUtf16()) {
            bytes = "\xEF\xBB\xBF" + text.toUtf8();
        } else {
            // UTF-8 cannot carry unpaired surrogates: UTF-16 keeps them.
            bytes = QByteArray("\xFF\xFE", 2);
            for (QChar c : text) {
                bytes += char(c.unicode() & 0xFF);
                bytes += char(c.unicode() >> 8);
            }
        }
        SaveBytesAtomically(FileName, bytes);
    } catch (const std::exception &e) {
        throw Exception(QStringLiteral("Error Saving Translation Data - ") + QString::fromUtf8(e.what()));
    }
}

void TgPlotTranslationManager::LoadFromFile(const QString &FileName)
{
    std::vector<std::pair<QString, QString>> entries;
    try {
        TFileStream file(FileName, fmOpenRead);
        int number = 0;
        for (const QString &line : SplitLines(TextFileToString(file.ReadAll()))) {
            ++number;
            const int tab = line.indexOf(u'\t');
            if (tab < 0)
                throw Exception(QStringLiteral("Line %1: Invalid Format - Tab Deliminator Missing").arg(number));
            entries.emplace_back(line.left(tab), line.mid(tab + 1));
        }
    } catch (const std::exception &e) {
        throw Exception(QStringLiteral("Error Loading Data - ") + QString::fromUtf8(e.what()));
    }
    Replace(entries);
}

void TgPlotTranslationManager::Replace(const std::vector<std::pair<QString, QString>> &Entries)
{
    Clear();
    for (const auto &[original, replacement] : Entries) {
        TgPlotTranslationObject *entry = CreateObject();
        entry->SetOriginalString(original);
        entry->SetReplacementString(replacement);
    }
}

void TgPlotTranslationManager::WriteToStream(TWriter *Writer) const
{
    Writer->WriteValue(vaCollection);
    for (int i = FList.Count() - 1; i >= 0; --i) {
        Writer->WriteListBegin();
        Writer->WriteProperties(GetItem(i));
        Writer->WriteListEnd();
    }
    Writer->WriteListEnd();
}

void TgPlotTranslationManager::ReadFromStream(TReader *Reader)
{
    if (Reader->ReadValue() != vaCollection) {
        Clear();
        return;
    }
    // Read into loose entries (not registered anywhere) so that a damaged
    // stream leaves the table as it was.
    std::vector<std::pair<QString, QString>> entries;
    while (!Reader->EndOfList()) {
        TgPlotTranslationObject loose(nullptr, nullptr);
        Reader->ReadListBegin();
        Reader->ReadProperties(&loose);
        entries.emplace_back(loose.OriginalString(), loose.ReplacementString());
    }
    Reader->ReadListEnd();
    Replace(entries);
}

void TgPlotTranslationManager::NotificationInsert(TObject *Sender)
{
    if (FList.IndexOfObject(Sender) < 0)
        FList.AddObject(QString(), Sender); // before every equal key: position 0
}

void TgPlotTranslationManager::NotificationRemove(TObject *Sender)
{
    const int at = FList.IndexOfObject(Sender);
    if (at >= 0)
        FList.Delete(at);
}
