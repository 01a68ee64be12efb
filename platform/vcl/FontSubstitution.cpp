#include "FontSubstitution.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QSet>

#include <atomic>
#include <cstring>
#include <iterator>
#include <mutex>

namespace {

const char *const kSans = "Liberation Sans";
const char *const kSerif = "Liberation Serif";
const char *const kMono = "Liberation Mono";
const char *const kWide = "DejaVu Sans";
const char *const kCjk = "WenQuanYi Micro Hei";

// Debian's fonts-wine: outline fonts with the metrics of the Windows faces
// the layouts were drawn for, in a folder that fontconfig does not scan.
// The Japanese variants share family names with these and stay out.
// Each family's files are added when a name first resolves to it: adding a
// file costs the font database a scan of it.
const char *const kTwinFolder = "/usr/share/wine/fonts/";
struct TwinFiles {
    const char *family;
    const char *files[2];
};
const TwinFiles kTwinFiles[] = {
    {"Tahoma", {"tahoma.ttf", "tahomabd.ttf"}},   {"MS Sans Serif", {"ms_sans_serif.ttf"}},
    {"Small Fonts", {"small_fonts.ttf"}},         {"Marlett", {"marlett.ttf"}},
    {"Symbol", {"symbol.ttf"}},                   {"Wingdings", {"wingding.ttf"}},
    {"Webdings", {"webdings.ttf"}},               {"Courier", {"courier.ttf"}},
    {"Fixedsys", {"fixedsys.ttf"}},               {"System", {"system.ttf"}},
};

struct Substitute {
    const char *windowsName; // UTF-8, compared without regard to case
    const char *twin;        // the metric twin from kTwinFolder, or none
    const char *installed;   // used when there is no twin or it is missing
};

// The metric twin where one exists (the Windows UI faces from fonts-wine;
// Arial / Times New Roman / Courier New and the Liberation fonts); the other
// UI faces go to DejaVu Sans, every Chinese face to WenQuanYi Micro Hei.
const Substitute kTable[] = {
    {"Arial", nullptr, kSans},
    {"Arial Narrow", nullptr, kSans},
    {"Helvetica", nullptr, kSans},
    {"MS Sans Serif", "MS Sans Serif", kSans},
    {"Microsoft Sans Serif", "MS Sans Serif", kSans},
    {"System", "System", kSans},
    {"Small Fonts", "Small Fonts", kSans},
    {"Times New Roman", nullptr, kSerif},
    {"Times", nullptr, kSerif},
    {"MS Serif", nullptr, kSerif},
    {"Georgia", nullptr, kSerif},
    {"Courier New", nullptr, kMono},
    {"Courier", "Courier", kMono},
    {"Lucida Console", nullptr, kMono},
    {"Consolas", nullptr, kMono},
    {"Fixedsys", "Fixedsys", kMono},
    {"Tahoma", "Tahoma", kWide},
    {"Verdana", nullptr, kWide},
    {"Segoe UI", nullptr, kWide},
    {"MS Shell Dlg", "MS Sans Serif", kWide},
    {"MS Shell Dlg 2", "Tahoma", kWide},
    {"Trebuchet MS", nullptr, kWide},
    {"Marlett", "Marlett", kWide},
    {"Wingdings", "Wingdings", kWide},
    {"Webdings", "Webdings", kWide},
    {"Symbol", "Symbol", kWide}, // list bullets: U+2022 is in both
    {"SimSun", nullptr, kCjk},
    {"NSimSun", nullptr, kCjk},
    {"SimHei", nullptr, kCjk},
    {"KaiTi", nullptr, kCjk},
    {"FangSong", nullptr, kCjk},
    {"Microsoft YaHei", nullptr, kCjk},
    {"Microsoft JhengHei", nullptr, kCjk},
    {"MingLiU", nullptr, kCjk},
    {"PMingLiU", nullptr, kCjk},
    {"Arial Unicode MS", nullptr, kCjk},
    {"\xE5\xAE\x8B\xE4\xBD\x93", nullptr, kCjk},             // 宋体
    {"\xE6\x96\xB0\xE5\xAE\x8B\xE4\xBD\x93", nullptr, kCjk}, // 新宋体
    {"\xE9\xBB\x91\xE4\xBD\x93", nullptr, kCjk},             // 黑体
    {"\xE6\xA5\xB7\xE4\xBD\x93", nullptr, kCjk},             // 楷体
    {"\xE4\xBB\xBF\xE5\xAE\x8B", nullptr, kCjk},             // 仿宋
    {"\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91", nullptr, kCjk}, // 微软雅黑
    {"DejaVu Sans", nullptr, kWide},
    {"Liberation Sans", nullptr, kSans},
    {"Liberation Serif", nullptr, kSerif},
    {"Liberation Mono", nullptr, kMono},
    {"WenQuanYi Micro Hei", nullptr, kCjk},
};

std::mutex twinsMutex;
// Per twin: whether its files were added, and then whether they brought its
// family; read without the lock once added.
std::atomic<bool> twinAdded[std::size(kTwinFiles)];
bool twinPresent[std::size(kTwinFiles)]; // written before twinAdded[i] turns true

// Adds twin I's files unless they were; whether they brought its family.
// Nothing until a Qt GUI application exists: the font database needs one.
bool AddTwin(size_t I)
{
    if (twinAdded[I].load(std::memory_order_acquire))
        return twinPresent[I];
    std::lock_guard<std::mutex> lock(twinsMutex);
    if (twinAdded[I].load(std::memory_order_relaxed))
        return twinPresent[I];
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    const QString wanted = QString::fromLatin1(kTwinFiles[I].family).toCaseFolded();
    for (const char *file : kTwinFiles[I].files) {
        if (!file)
            continue;
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kTwinFolder) + file);
        if (id >= 0)
            for (const QString &family : QFontDatabase::applicationFontFamilies(id))
                twinPresent[I] = twinPresent[I] || family.toCaseFolded() == wanted;
    }
    twinAdded[I].store(true, std::memory_order_release);
    return twinPresent[I];
}

// Whether the twin family is there, its files added if they were not.
bool HasTwin(const char *Family)
{
    for (size_t i = 0; i < std::size(kTwinFiles); ++i)
        if (std::strcmp(kTwinFiles[i].family, Family) == 0)
            return AddTwin(i);
    return false;
}

// Every twin added (a name no table row knows may still be one of theirs);
// whether any family came.
bool AddAllTwins()
{
    bool any = false;
    for (size_t i = 0; i < std::size(kTwinFiles); ++i)
        any = AddTwin(i) || any;
    return any;
}

// Every text measurement looks a name up: a hash of the case-folded names.
const Substitute *Lookup(const QString &Name)
{
    static const QHash<QString, const Substitute *> byName = [] {
        QHash<QString, const Substitute *> h;
        for (const Substitute &s : kTable)
            h.insert(QString::fromUtf8(s.windowsName).toCaseFolded(), &s);
        return h;
    }();
    return byName.value(Name.trimmed().toCaseFolded(), nullptr);
}

const char *Resolve(const Substitute &S)
{
    if (S.twin && HasTwin(S.twin))
        return S.twin;
    return S.installed;
}

bool Installed(const QString &Name)
{
    return !Name.isEmpty() && QFontDatabase::hasFamily(Name);
}

} // namespace

bool AddWindowsFontTwins()
{
    return AddAllTwins();
}

QString DefaultFontFamily()
{
    return QString::fromLatin1(kWide);
}

QString SubstituteFontFamily(const QString &Name)
{
    if (const Substitute *s = Lookup(Name))
        return QString::fromLatin1(Resolve(*s));
    AddAllTwins();
    if (Installed(Name.trimmed()))
        return Name.trimmed();
    return DefaultFontFamily();
}

bool IsKnownFontFamily(const QString &Name)
{
    if (Lookup(Name))
        return true;
    AddAllTwins();
    return Installed(Name.trimmed());
}

QStringList FontFamiliesFor(const QString &Name)
{
    QString first = SubstituteFontFamily(Name);
    QStringList list{first};
    if (first != QLatin1String(kCjk))
        list << QString::fromLatin1(kCjk);
    return list;
}
