// The main menu's bar after Rebuild: as a bar made afresh from the same items,
// keeping its entries while the same items show.

#include "Form.h"
#include "Menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The items of one menu: File (Open, -, Exit), Language (Chinese, English
// checked), Connect (Connected) hidden, About.
struct Items {
    TMenuItem *file, *open, *line, *exit, *language, *chinese, *english, *connect, *connected, *about;
};

TMenuItem *Add(TMainMenu *menu, TMenuItem *parent, const char *caption)
{
    auto *item = new TMenuItem(menu);
    item->SetCaption(QString::fromUtf8(caption));
    (parent ? parent : menu->Items())->Add(item);
    return item;
}

Items Fill(TMainMenu *menu)
{
    Items i{};
    i.file = Add(menu, nullptr, "File");
    i.open = Add(menu, i.file, "Open");
    i.line = Add(menu, i.file, "-");
    i.exit = Add(menu, i.file, "Exit");
    i.language = Add(menu, nullptr, "Language");
    i.chinese = Add(menu, i.language, "简体中文");
    i.english = Add(menu, i.language, "English");
    i.english->SetChecked(true);
    i.connect = Add(menu, nullptr, "Connect");
    i.connect->SetVisible(false);
    i.connected = Add(menu, i.connect, "Connect");
    i.about = Add(menu, nullptr, "About");
    return i;
}

// Every entry of a bar or menu: text, enabled, checkable and checked, and
// what its submenu shows.
std::string Describe(const QWidget *menu)
{
    std::string out;
    for (const QAction *a : menu->actions()) {
        if (a->isSeparator()) {
            out += "-;";
            continue;
        }
        out += a->text().toStdString() + (a->isEnabled() ? "" : " disabled") + (a->isCheckable() ? " checkable" : "") +
               (a->isChecked() ? " checked" : "");
        if (a->menu())
            out += "{" + Describe(a->menu()) + "}";
        out += ";";
    }
    return out;
}

} // namespace

TEST(MainMenu, RebuildShowsWhatAFreshBarShowsAndKeepsTheEntriesOfTheSameItems)
{
    struct Row {
        const char *name;
        std::function<void(const Items &)> change;
        bool sameEntries;
    };
    const std::vector<Row> rows = {
        {"bar caption", [](const Items &i) { i.language->SetCaption(QString::fromUtf8("语言")); }, true},
        {"submenu caption", [](const Items &i) { i.exit->SetCaption("Quit"); }, true},
        {"check moves", [](const Items &i) { i.english->SetChecked(false), i.chinese->SetChecked(true); }, true},
        {"disabled", [](const Items &i) { i.open->SetEnabled(false), i.language->SetEnabled(false); }, true},
        {"separator becomes an entry", [](const Items &i) { i.line->SetCaption("Save"); }, false},
        {"bar item shown", [](const Items &i) { i.connect->SetVisible(true); }, false},
        {"submenu item hidden", [](const Items &i) { i.open->SetVisible(false); }, false},
        {"entry gets a submenu", [](const Items &i) { Add(static_cast<TMainMenu *>(i.about->Owner()), i.about, "Help"); },
         false},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        TForm shown(nullptr, CreateNew), fresh(nullptr, CreateNew);
        auto *menu = new TMainMenu(&shown);
        const Items items = Fill(menu);
        shown.SetMenu(menu);
        QMenuBar *bar = menu->Bar();
        const QList<QAction *> before = bar->actions();
        r.change(items);
        menu->Rebuild();

        auto *again = new TMainMenu(&fresh);
        r.change(Fill(again));
        fresh.SetMenu(again);
        EXPECT_EQ(Describe(bar), Describe(again->Bar()));
        EXPECT_EQ(bar->actions() == before, r.sameEntries);
    }
}

TEST(MainMenu, KeptEntryStillClicksItsItem)
{
    TForm form(nullptr, CreateNew);
    auto *menu = new TMainMenu(&form);
    const Items items = Fill(menu);
    form.SetMenu(menu);
    int clicks = 0;
    items.english->OnClick = [&](TObject *) { ++clicks; };
    items.english->SetCaption("Englisch");
    menu->Rebuild();
    QAction *language = menu->Bar()->actions().at(1);
    ASSERT_NE(language->menu(), nullptr);
    QAction *english = language->menu()->actions().at(1);
    EXPECT_EQ(english->text(), QStringLiteral("Englisch"));
    english->trigger();
    EXPECT_EQ(clicks, 1);
}
