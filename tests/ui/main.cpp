// Widget tests need a QApplication; they run without a display.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The offscreen platform warns about every window whose size limits change
// once shown, every popup it cannot raise or let grab the keyboard; those
// lines would bury a real warning.
QtMessageHandler gQtMessages = nullptr;

void DropOffscreenPlatformWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
    gQtMessages(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Windows that remember choices must never read or write the settings
    // of whoever runs the tests, nor their runtime folder.
    QTemporaryDir settingsFolder;
    if (!settingsFolder.isValid()) return 1;
    if (!std::getenv("XDG_RUNTIME_DIR")) setenv("XDG_RUNTIME_DIR", qPrintable(settingsFolder.path()), 1);
    gQtMessages = qInstallMessageHandler(&DropOffscreenPlatformWarnings);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("nyra-tests"));
    QApplication::setApplicationName(QStringLiteral("ui-tests"));
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, settingsFolder.path());
    return RUN_ALL_TESTS();
}
