#include "FontSubstitution.h"

#include <QFontDatabase>
#include <QHash>

namespace {

const char *const kSans = "Liberation Sans";
const char *const kSerif = "Liberation Serif";
const char *const kMono = "Liberation Mono";
const char *const kWide = "DejaVu Sans";
const char *const kCjk = "WenQuanYi Micro Hei";

struct Substitute {
    const char *windowsName; // UTF-8, compared without regard to case
    const char *installed;
};

// Metric-compatible where one exists (Arial / Times New Roman / Courier New
// and the Liberation fonts); the wide UI faces go to DejaVu Sans, every
// Chinese face to WenQuanYi Micro Hei.
const Substitute kTable[] = {
    {"Arial", kSans},
    {"Arial Narrow", kSans},
    {"Helvetica", kSans},
    {"MS Sans Serif", kSans},
    {"Microsoft Sans Serif", kSans},
    {"System", kSans},
    {"Small Fonts", kSans},
    {"Times New Roman", kSerif},
    {"Times", kSerif},
    {"MS Serif", kSerif},
    {"Georgia", kSerif},
    {"Courier New", kMono},
    {"Courier", kMono},
    {"Lucida Console", kMono},
    {"Consolas", kMono},
    {"Fixedsys", kMono},
    {"Tahoma", kWide},
    {"Verdana", kWide},
    {"Segoe UI", kWide},
    {"MS Shell Dlg", kWide},
    {"MS Shell Dlg 2", kWide},
    {"Trebuchet MS", kWide},
    {"Marlett", kWide},
    {"Wingdings", kWide},
    {"Symbol", kWide}, // list bullets: the same glyphs by their Unicode code points
    {"SimSun", kCjk},
    {"NSimSun", kCjk},
    {"SimHei", kCjk},
    {"KaiTi", kCjk},
    {"FangSong", kCjk},
    {"Microsoft YaHei", kCjk},
    {"Microsoft JhengHei", kCjk},
    {"MingLiU", kCjk},
    {"PMingLiU", kCjk},
    {"Arial Unicode MS", kCjk},
    {"\xE5\xAE\x8B\xE4\xBD\x93", kCjk},             // 宋体
    {"\xE6\x96\xB0\xE5\xAE\x8B\xE4\xBD\x93", kCjk}, // 新宋体
    {"\xE9\xBB\x91\xE4\xBD\x93", kCjk},             // 黑体
    {"\xE6\xA5\xB7\xE4\xBD\x93", kCjk},             // 楷体
    {"\xE4\xBB\xBF\xE5\xAE\x8B", kCjk},             // 仿宋
    {"\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91", kCjk}, // 微软雅黑
    {"DejaVu Sans", kWide},
    {"Liberation Sans", kSans},
    {"Liberation Serif", kSerif},
    {"Liberation Mono", kMono},
    {"WenQuanYi Micro Hei", kCjk},
};

// Every text measurement looks a name up: a hash of the case-folded names.
const char *Lookup(const QString &Name)
{
    static const QHash<QString, const char *> byName = [] {
        QHash<QString, const char *> h;
        for (const Substitute &s : kTable)
            h.insert(QString::fromUtf8(s.windowsName).toCaseFolded(), s.installed);
        return h;
    }();
    return byName.value(Name.trimmed().toCaseFolded(), nullptr);
}

bool Installed(const QString &Name)
{
    return !Name.isEmpty() && QFontDatabase::hasFamily(Name);
}

} // namespace

QString DefaultFontFamily()
{
    return QString::fromLatin1(kWide);
}

QString SubstituteFontFamily(const QString &Name)
{
    if (const char *s = Lookup(Name))
        return QString::fromLatin1(s);
    if (Installed(Name.trimmed()))
        return Name.trimmed();
    return DefaultFontFamily();
}

bool IsKnownFontFamily(const QString &Name)
{
    return Lookup(Name) != nullptr || Installed(Name.trimmed());
}

QStringList FontFamiliesFor(const QString &Name)
{
    QString first = SubstituteFontFamily(Name);
    QStringList list{first};
    if (first != QLatin1String(kCjk))
        list << QString::fromLatin1(kCjk);
    return list;
}
