#include "FontMeasures.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <memory>
#include <mutex>
#include <vector>

namespace {

// What ToQFont reads of a font (its colour, charset and orientation do not
// change the Qt font).
struct TKey {
    QString Name;
    int Height;
    TFontStyles Style;
    TFontPitch Pitch;
    explicit TKey(const TFont &F) : Name(F.Name()), Height(F.Height()), Style(F.Style()), Pitch(F.Pitch()) {}
    bool operator==(const TKey &o) const
    {
        return Height == o.Height && Style == o.Style && Pitch == o.Pitch && Name == o.Name;
    }
};

// A text laid out in a rectangle of a size.
struct TLayoutKey {
    QString Text;
    int Width, Height, Flags;
    bool operator==(const TLayoutKey &o) const
    {
        return Width == o.Width && Height == o.Height && Flags == o.Flags && Text == o.Text;
    }
};
size_t qHash(const TLayoutKey &K, size_t Seed = 0)
{
    return qHashMulti(Seed, K.Text, K.Width, K.Height, K.Flags);
}

struct TEntry {
    TKey Key;
    QFont Font;
    int CellHeight = -1;
    QHash<QString, int> Widths;
    QHash<TLayoutKey, QRect> Bounds;
};

constexpr size_t MaxFonts = 16;
constexpr qsizetype MaxTexts = 4096; // per font and kind of measure

std::mutex lock;
// Most recently used first. Never destroyed: Qt fonts must not outlive the
// font database at exit.
std::vector<std::unique_ptr<TEntry>> &Entries()
{
    static auto *entries = new std::vector<std::unique_ptr<TEntry>>;
    return *entries;
}

bool CanKeep()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

// The font's entry, made if new; the caller holds the lock.
TEntry &EntryOf(const TFont &Font)
{
    auto &entries = Entries();
    const TKey key(Font);
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i]->Key == key) {
            if (i > 0)
                std::swap(entries[i], entries[i - 1]); // moves up as it is used
            return *entries[i > 0 ? i - 1 : 0];
        }
    if (entries.size() >= MaxFonts)
        entries.pop_back();
    entries.push_back(std::make_unique<TEntry>(TEntry{key, Font.ToQFont(), -1, {}, {}}));
    return *entries.back();
}

// Store's value for K, made by Make when new; the store starts afresh when
// full.
template <class Key, class Value, class Maker>
Value Kept(QHash<Key, Value> &Store, const Key &K, Maker &&Make)
{
    const auto found = Store.constFind(K);
    if (found != Store.cend())
        return *found;
    if (Store.size() >= MaxTexts)
        Store.clear();
    const Value value = Make();
    Store.insert(K, value);
    return value;
}

} // namespace

namespace FontMeasures {

QFont QtFont(const TFont &Font)
{
    if (!CanKeep())
        return Font.ToQFont();
    std::lock_guard<std::mutex> guard(lock);
    return EntryOf(Font).Font;
}

int TextWidth(const TFont &Font, const QString &Text)
{
    if (!CanKeep())
        return QFontMetrics(Font.ToQFont()).horizontalAdvance(Text);
    std::lock_guard<std::mutex> guard(lock);
    TEntry &e = EntryOf(Font);
    return Kept(e.Widths, Text, [&] { return QFontMetrics(e.Font).horizontalAdvance(Text); });
}

int CellHeight(const TFont &Font)
{
    if (!CanKeep())
        return QFontMetrics(Font.ToQFont()).height();
    std::lock_guard<std::mutex> guard(lock);
    TEntry &e = EntryOf(Font);
    if (e.CellHeight < 0)
        e.CellHeight = QFontMetrics(e.Font).height();
    return e.CellHeight;
}

QRect TextBounds(const TFont &Font, QSize Area, int Flags, const QString &Text)
{
    const QRect area(QPoint(0, 0), Area);
    if (!CanKeep())
        return QFontMetrics(Font.ToQFont()).boundingRect(area, Flags, Text);
    std::lock_guard<std::mutex> guard(lock);
    TEntry &e = EntryOf(Font);
    return Kept(e.Bounds, TLayoutKey{Text, Area.width(), Area.height(), Flags},
                [&] { return QFontMetrics(e.Font).boundingRect(area, Flags, Text); });
}

} // namespace FontMeasures
