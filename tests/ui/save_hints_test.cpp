// What the report window's Save and Export offer and say: a file name for
// the person and the sign, the folder last saved to, and "Saved to ..."
// where the person and a screen reader notice it.
#include "ui/frm_result.h"
#include "ui/frm_save.h"
#include "ui/save_location.h"
#include "ui/status_line.h"
#include "ui_test_support.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace nyra::test {
namespace {

struct NameCase {
    const char* name;
    const char* person;
    const char* proposed;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class ProposedName : public ::testing::TestWithParam<NameCase> {};

TEST_P(ProposedName, HoldsNothingAFileNameCannot) {
    const NameCase& c = GetParam();
    EXPECT_EQ(
        ProposedFileName(QString::fromUtf8(c.person), QStringLiteral("Kataka"), QStringLiteral("moo")).toStdString(),
        c.proposed);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Names, ProposedName,
    ::testing::Values(
        NameCase{"PersonAndSign", "Asha", "Asha - Kataka.moo"},
        NameCase{"BlanksRunTogether", "  Asha   Rao ", "Asha Rao - Kataka.moo"},
        NameCase{"Slashes", "Asha/Rao/../x", "AshaRao..x - Kataka.moo"},
        NameCase{"ControlCharacters", "As\x01ha\tR\x7Fo\xC2\x85", "AshaRo - Kataka.moo"},
        NameCase{"MarkThatReordersText", "Asha\xE2\x80\xAEoom.exe", "Ashaoom.exe - Kataka.moo"},
        NameCase{"NotHidden", ". .bashrc", "bashrc - Kataka.moo"},
        NameCase{"OnlyDots", "..", "Kataka.moo"},
        NameCase{"Empty", "", "Kataka.moo"},
        NameCase{"OtherScriptsKept", "Zo\xC3\xAB \xE6\x9D\x8E", "Zo\xC3\xAB \xE6\x9D\x8E - Kataka.moo"},
        NameCase{"JoinersOfIndicScriptsKept", "\xE0\xA4\x95\xE0\xA5\x8D\xE2\x80\x8D\xE0\xA4\xB7",
                 "\xE0\xA4\x95\xE0\xA5\x8D\xE2\x80\x8D\xE0\xA4\xB7 - Kataka.moo"},
        NameCase{"LongNameCut", "Aaaaaaaaaa Bbbbbbbbbb Cccccccccc Dddddddddd Eeeeeeeeee",
                 "Aaaaaaaaaa Bbbbbbbbbb Cccccccccc Ddddddd - Kataka.moo"},
        // 40 letters of four bytes each would pass 120 bytes: cut whole
        // letters, never half a one.
        NameCase{"LongNameOfWideLettersCut",
                 "\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80"
                 "\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80"
                 "\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80"
                 "\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80"
                 "\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80"
                 "\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80"
                 "\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80"
                 "\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80",
                 "\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80"
                 "\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80"
                 "\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80"
                 "\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80"
                 "\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80"
                 "\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80\xF0\x9D\x90\x80"
                 " - Kataka.moo"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- The report window's Save and Export ------------------------------------------

class SaveHints : public OneWindowTest<frmSave> {
protected:
    void SetUp() override {
        result_ = new frmResult(ShowingSign("Kataka"), dialogs);
        Show(new frmSave(result_->calculation(), dialogs, result_));
    }
    void TearDown() override {
        delete result_;
        WindowTest::TearDown();
    }

    // Presses `button`, the dialog answering `path`; the proposal it was given.
    QString Press(const char* button, const QString& path) {
        dialogs.savePath = path;
        Child<QPushButton>(button)->click();
        return dialogs.saveRequests.empty() ? QString() : dialogs.saveRequests.back().proposedPath;
    }
    StatusLine* Status() const { return Child<StatusLine>("lblStatus"); }

    frmResult* result_ = nullptr;
};

TEST_F(SaveHints, FirstSaveOffersTheNameInDocumentsOrHome) {
    const QFileInfo proposed(Press("cmdSave", QString()));
    EXPECT_EQ(proposed.fileName(), QStringLiteral("Asha Rao - Kataka.moo"));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_TRUE(proposed.absolutePath() == QFileInfo(documents).absoluteFilePath() ||
                proposed.absolutePath() == QDir::homePath())
        << proposed.absolutePath().toStdString();
    EXPECT_TRUE(QFileInfo(proposed.absolutePath()).isDir());
}

TEST_F(SaveHints, TheFolderLastSavedToIsOfferedNextForBoth) {
    ASSERT_TRUE(QDir(ScratchFolder()).mkpath(QStringLiteral("charts")));
    const QString charts = Scratch(QStringLiteral("charts"));
    Press("cmdSave", charts + QStringLiteral("/first.moo"));
    EXPECT_EQ(QFileInfo(Press("cmdExportPdf", QString())).absolutePath(), charts);
    EXPECT_TRUE(Press("cmdExportPdf", QString()).endsWith(QStringLiteral(" - Kataka.pdf")));

    // A failed export is no folder to go back to.
    Press("cmdExportPdf", Scratch(QStringLiteral("missing/report.pdf")));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(QFileInfo(Press("cmdSave", QString())).absolutePath(), charts);

    // Nor is a folder that cannot be written now, or has gone since: the
    // dialog starts where the first save did.
    const auto readWrite = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    ASSERT_TRUE(QFile::setPermissions(charts, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_NE(QFileInfo(Press("cmdSave", QString())).absolutePath(), charts);
    ASSERT_TRUE(QFile::setPermissions(charts, readWrite));
    ASSERT_TRUE(QDir(charts).removeRecursively());
    EXPECT_NE(QFileInfo(Press("cmdSave", QString())).absolutePath(), charts);
}

TEST_F(SaveHints, SuccessIsSaidWhereAScreenReaderReadsIt) {
    EXPECT_FALSE(Status()->isVisible());
    const QString record = Scratch(QStringLiteral("asha.moo"));
    Press("cmdSave", record);
    EXPECT_TRUE(Status()->isVisible());
    EXPECT_EQ(Status()->Text(), QStringLiteral("Saved to ") + record);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Status());
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Notification);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Saved to ") + record);

    const QString pdf = Scratch(QStringLiteral("asha.pdf"));
    Press("cmdExportPdf", pdf);
    EXPECT_EQ(Status()->Text(), QStringLiteral("Exported to ") + pdf);
}

TEST_F(SaveHints, FailureAndCancelSayNoSuccess) {
    Press("cmdSave", QString());
    Press("cmdSave", Scratch(QStringLiteral("missing/asha.moo")));
    Press("cmdExportPdf", Scratch(QStringLiteral("missing/report.pdf")));
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_FALSE(Status()->isVisible());
    EXPECT_TRUE(Status()->Text().isEmpty());
}

TEST(StatusLineAlone, GoesAfterItsTime) {
    QWidget window;
    auto* status = new StatusLine(QStringLiteral("lblStatus"), 30, &window);
    window.show();
    status->Show(QStringLiteral("Saved to /tmp/a.moo"));
    EXPECT_TRUE(status->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([status] { return !status->isVisible(); }, 5000));
    EXPECT_TRUE(status->Text().isEmpty());
    EXPECT_TRUE(status->accessibleName().isEmpty());
}

}  // namespace
}  // namespace nyra::test
