// Widget tests need a QApplication; they run without a display.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Windows that remember choices must never read or write the settings
    // of whoever runs the tests.
    QTemporaryDir settingsFolder;
    if (!settingsFolder.isValid()) return 1;
    QApplication::setOrganizationName(QStringLiteral("nyra-tests"));
    QApplication::setApplicationName(QStringLiteral("ui-tests"));
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, settingsFolder.path());
    return RUN_ALL_TESTS();
}
