#pragma once
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <string>

// Points the XDG folders into a fresh temporary folder, so no test touches
// the user's configuration.
class StoreFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp_.isValid());
        for (const char *var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
            saved_[var] = qgetenv(var);
            qputenv(var, QDir(tmp_.path()).filePath(QLatin1String(var)).toUtf8());
        }
    }
    void TearDown() override
    {
        for (auto &[var, value] : saved_)
            value.isEmpty() ? qunsetenv(var.c_str()) : qputenv(var.c_str(), value);
    }
    QString ConfigHome() const { return QDir(tmp_.path()).filePath(QStringLiteral("XDG_CONFIG_HOME")); }
    QString AppConfig() const { return QDir(ConfigHome()).filePath(QCoreApplication::applicationName()); }
    QString ExeBase() const { return QFileInfo(QCoreApplication::applicationFilePath()).fileName(); }

    QTemporaryDir tmp_;
    std::map<std::string, QByteArray> saved_;
};
