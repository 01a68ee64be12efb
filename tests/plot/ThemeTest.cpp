#include "Font.h"
#include "MessageOf.h"
#include "Registry.h"
#include "gVCLComponent.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Outside the anonymous namespace: its class name names its theme files.
class TThemedPlot : public TgCustomComponent {
public:
    using TgCustomComponent::TgCustomComponent;
    TFont font;
    bool flag = false;
    TFont *Font() { return &font; }
    bool Flag() const { return flag; }
    void SetFlag(bool v) { flag = v; }
    void PaintToCanvas(TCanvas *) override {}
    const TPublishedClass *PublishedClass() const override
    {
        static const TPublishedClass info = TPublishedBuilder<TThemedPlot>(TgComponent::StaticPublished())
                                                .Bool("Flag", &TThemedPlot::Flag, &TThemedPlot::SetFlag, false)
                                                .Object("Font", &TThemedPlot::Font)
                                                .Build();
        return &info;
    }
};

namespace {

struct ThemeFixture : ::testing::Test {
    QTemporaryDir dir;
    TThemedPlot plot{nullptr};

    void SetUp() override
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("user-registry"));
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, dir.filePath("system-registry"));
        QDir(dir.path()).mkpath("vendor");
        QDir(dir.path()).mkpath("mine");
        TRegistry machine(HKEY_LOCAL_MACHINE);
        machine.OpenKey("SOFTWARE\\Tarvex\\Themes", true);
        machine.WriteString("Tarvex Defined Theme Path", dir.filePath("vendor"));
        machine.WriteString("User Defined Theme Path", dir.filePath("nowhere"));
        machine.CloseKey();
        TRegistry user(HKEY_CURRENT_USER);
        user.OpenKey("SOFTWARE\\Tarvex\\Themes", true);
        user.WriteString("User Defined Theme Path", "  " + dir.filePath("mine") + "  "); // the user's wins
        user.CloseKey();
    }
    void Write(const QString &file, const QByteArray &text)
    {
        QFile f(dir.filePath(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
};

const QByteArray kVendor = "<SchemeTypes>\r\n"
                           "<SchemeType>\r\n<Name>Colours</Name>\r\n"
                           "<Scheme>\r\n<Name>Red</Name>\r\n<Properties>\r\n"
                           "<Font.Color>255</Font.Color>\r\n<Flag>true</Flag>\r\n"
                           "</Properties>\r\n</Scheme>\r\n"
                           "</SchemeType>\r\n"
                           "<SchemeType>\r\n<Name>Empty</Name>\r\n</SchemeType>\r\n"
                           "</SchemeTypes>\r\n";
const QByteArray kUser = "<SchemeTypes>\r\n<SchemeType>\r\n<Name>COLOURS</Name>\r\n"
                         "<Scheme>\r\n<Name>Mine</Name>\r\n<Properties>\r\n<Font.Color>65280</Font.Color>\r\n"
                         "</Properties>\r\n</Scheme>\r\n</SchemeType>\r\n</SchemeTypes>\r\n";

TEST_F(ThemeFixture, GoodFilesFromBothFolders)
{
    Write("vendor/TThemedPlot.xml", kVendor);
    Write("mine/TThemedPlotUser.xml", kUser);
    plot.LoadThemes();
    ASSERT_EQ(plot.GetThemeCategoryCount(), 2);
    EXPECT_EQ(plot.GetThemeCategoryName(0), "Colours");
    ASSERT_EQ(plot.GetThemeCategorySchemeCount(0), 2); // the user's scheme joins the category
    EXPECT_FALSE(plot.GetThemeCategorySchemeIsUser(0, 0));
    EXPECT_TRUE(plot.GetThemeCategorySchemeIsUser(0, 1));
    EXPECT_EQ(plot.GetThemeCategorySchemeName(0, 1), "Mine");
    EXPECT_EQ(plot.GetThemeCategorySchemeCount(1), 0);

    plot.ApplyScheme(0, 0);
    EXPECT_EQ(plot.Font()->Color(), 255);
    EXPECT_TRUE(plot.Flag());
    plot.ApplyScheme(0, 1);
    EXPECT_EQ(plot.Font()->Color(), 65280);
    EXPECT_THROW(plot.ApplyScheme(0, 2), EListError);
    EXPECT_THROW(plot.GetThemeCategoryName(2), EListError);

    plot.LoadThemes(); // rebuilt, not appended
    EXPECT_EQ(plot.GetThemeCategorySchemeCount(0), 2);
}

TEST_F(ThemeFixture, MalformedFiles)
{
    struct Case {
        const char *name;
        QByteArray text;
    } cases[] = {
        {"indented", QByteArray(kVendor).replace("<Name>Red", "  <Name>Red").replace("<SchemeType>", "  <SchemeType>")},
        {"a scheme not closed", QByteArray(kVendor).replace("</Scheme>\r\n", "")},
        {"a property not closed", QByteArray(kVendor).replace("</Flag>", "</Flog>")},
    };
    for (const Case &c : cases) {
        Write("vendor/TThemedPlot.xml", c.text);
        EXPECT_EQ(MessageOf([&] { plot.LoadThemes(); }), "Error Loading Scheme. XML File Malformed") << c.name;
    }
    // What was read before the fault stays.
    Write("vendor/TThemedPlot.xml", QByteArray(kVendor).replace("</SchemeType>\r\n<SchemeType>", "</SchemeType>\r\n<Oops>"));
    EXPECT_EQ(MessageOf([&] { plot.LoadThemes(); }), "Error Loading Scheme. XML File Malformed");
    EXPECT_EQ(plot.GetThemeCategoryCount(), 1);
    EXPECT_EQ(plot.GetThemeCategorySchemeCount(0), 1);
}

// A theme path kept as another type than text is a registry error; the
// catalogue read before is cleared all the same.
TEST_F(ThemeFixture, PathOfAnotherTypeIsARegistryError)
{
    Write("vendor/TThemedPlot.xml", kVendor);
    plot.LoadThemes();
    ASSERT_EQ(plot.GetThemeCategoryCount(), 2);
    {
        QSettings user(QSettings::IniFormat, QSettings::UserScope, "TQ62", "Registry");
        user.setValue("SOFTWARE/Tarvex/Themes/User Defined Theme Path", QByteArray("\x01\x02"));
    }
    EXPECT_EQ(MessageOf([&] { plot.LoadThemes(); }), "Invalid data type for 'User Defined Theme Path'");
    EXPECT_EQ(plot.GetThemeCategoryCount(), 0);
    {
        QSettings user(QSettings::IniFormat, QSettings::UserScope, "TQ62", "Registry");
        user.setValue("SOFTWARE/Tarvex/Themes/User Defined Theme Path", QString()); // text again
    }
    plot.LoadThemes();
    EXPECT_EQ(plot.GetThemeCategoryCount(), 2);
}

} // namespace
