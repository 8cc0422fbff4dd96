// The shell folder numbers on an XDG desktop.

#include "platform/einstellungsordner.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

TEST(Sonderordner, ShellFolderNumbersFollowTheXdgVariables)
{
    QTemporaryDir konfig;
    QTemporaryDir daten;
    ASSERT_TRUE(konfig.isValid() && daten.isValid());
    setenv("XDG_CONFIG_HOME", konfig.path().toLocal8Bit().constData(), 1);
    setenv("XDG_DATA_HOME", daten.path().toLocal8Bit().constData(), 1);

    EXPECT_EQ(GetSpecialFolderPath(CSIDL_APPDATA), konfig.path());
    EXPECT_EQ(GetSpecialFolderPath(26), konfig.path());
    EXPECT_EQ(GetSpecialFolderPath(CSIDL_LOCAL_APPDATA), daten.path());
    EXPECT_FALSE(GetSpecialFolderPath(CSIDL_PERSONAL).isEmpty());
    // Numbers without a counterpart give nothing, as a failed shell call.
    for (const int ohne : {-1, 2, 27, 0x23, 1000})
        EXPECT_TRUE(GetSpecialFolderPath(ohne).isEmpty()) << ohne;
    // The settings live in the application-data folder.
    EXPECT_EQ(Einstellungsordner(), QDir(konfig.path()).filePath(QStringLiteral("tessaplun")));

    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_DATA_HOME");
}
