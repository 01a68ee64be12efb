#include "IniDocument.h"

#include <QFile>
#include <QSaveFile>

namespace {

QString Unquote(const QString &v)
{
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        return v.mid(1, v.size() - 2);
    return v;
}

// The value as written to a line: quoted when reading it back (trimmed, one
// pair of quotes removed) would otherwise change it.
QString Stored(const QString &v)
{
    bool quoted = v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front();
    return quoted || v != v.trimmed() ? u'"' + v + u'"' : v;
}

bool Same(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

void IniDocument::Parse(const QString &Text)
{
    sections_.clear();
    QString text = Text;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        QString raw = lines[n];
        if (raw.endsWith(u'\r'))
            raw.chop(1);
        if (n == lines.size() - 1 && raw.isEmpty())
            break; // the newline that ends the last line
        QString t = raw.trimmed();
        if (t.startsWith(u'[') && t.endsWith(u']')) {
            sections_.push_back(Section{t.mid(1, t.size() - 2).trimmed(), true, {}});
            continue;
        }
        if (sections_.empty())
            sections_.push_back(Section{QString(), false, {}});
        Line line;
        line.raw = raw;
        int eq = t.indexOf(u'=');
        if (eq > 0 && !t.startsWith(u';')) {
            line.key = t.left(eq).trimmed();
            line.value = Unquote(t.mid(eq + 1).trimmed());
        }
        sections_.back().lines.push_back(line);
    }
}

QString IniDocument::ToText() const
{
    QString out;
    for (const Section &s : sections_) {
        if (s.header)
            out += u'[' + s.name + QStringLiteral("]\r\n");
        for (const Line &l : s.lines)
            out += (l.key.isEmpty() || !l.raw.isEmpty() ? l.raw : l.key + u'=' + Stored(l.value)) +
                   QStringLiteral("\r\n");
    }
    return out;
}

void IniDocument::LoadFile(const QString &FileName)
{
    QFile f(FileName);
    if (!f.open(QIODevice::ReadOnly)) {
        sections_.clear();
        return;
    }
    Parse(QString::fromUtf8(f.readAll()));
}

bool IniDocument::SaveFile(const QString &FileName) const
{
    QSaveFile f(FileName);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes = ToText().toUtf8();
    if (f.write(bytes) != bytes.size())
        return false;
    return f.commit();
}

IniDocument::Section *IniDocument::FindSection(const QString &Name)
{
    for (Section &s : sections_)
        if (s.header && Same(s.name, Name))
            return &s;
    return nullptr;
}

const IniDocument::Section *IniDocument::FindSection(const QString &Name) const
{
    return const_cast<IniDocument *>(this)->FindSection(Name);
}

bool IniDocument::Find(const QString &Section, const QString &Key, QString *Value) const
{
    const auto *s = FindSection(Section);
    if (!s)
        return false;
    for (const Line &l : s->lines)
        if (!l.key.isEmpty() && Same(l.key, Key)) {
            if (Value)
                *Value = l.value;
            return true;
        }
    return false;
}

void IniDocument::Set(const QString &Section, const QString &Key, const QString &Value)
{
    auto *s = FindSection(Section);
    if (!s) {
        sections_.push_back(IniDocument::Section{Section, true, {}});
        s = &sections_.back();
    }
    for (Line &l : s->lines)
        if (!l.key.isEmpty() && Same(l.key, Key)) {
            l.value = Value;
            l.raw.clear();
            return;
        }
    // Append after the last key, before trailing blank lines.
    auto pos = s->lines.end();
    while (pos != s->lines.begin() && std::prev(pos)->key.isEmpty() && std::prev(pos)->raw.trimmed().isEmpty())
        --pos;
    s->lines.insert(pos, Line{Key, Value, QString()});
}

QStringList IniDocument::Keys(const QString &Section) const
{
    QStringList r;
    if (const auto *s = FindSection(Section))
        for (const Line &l : s->lines)
            if (!l.key.isEmpty())
                r << l.key;
    return r;
}

QStringList IniDocument::Sections() const
{
    QStringList r;
    for (const Section &s : sections_)
        if (s.header)
            r << s.name;
    return r;
}

QStringList IniDocument::Values(const QString &Section) const
{
    QStringList r;
    if (const auto *s = FindSection(Section))
        for (const Line &l : s->lines)
            if (!l.key.isEmpty())
                r << l.key + u'=' + l.value;
    return r;
}

bool IniDocument::HasSection(const QString &Section) const
{
    return FindSection(Section) != nullptr;
}

void IniDocument::EraseSection(const QString &Section)
{
    for (auto it = sections_.begin(); it != sections_.end();)
        if (it->header && Same(it->name, Section))
            it = sections_.erase(it);
        else
            ++it;
}

void IniDocument::DeleteKey(const QString &Section, const QString &Key)
{
    if (auto *s = FindSection(Section))
        for (auto it = s->lines.begin(); it != s->lines.end(); ++it)
            if (!it->key.isEmpty() && Same(it->key, Key)) {
                s->lines.erase(it);
                return;
            }
}
