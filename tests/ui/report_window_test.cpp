// The report window: its report, links, clipboard, labels, saving, PDF
// export and printing, and how well the birth time was known on each.
#include "ui/frm_save.h"
#include "ui/save_location.h"

#include "links/web_links.h"
#include "record/record_file.h"
#include "ui/birth_line.h"
#include "ui/report_pdf.h"
#include "ui/report_text.h"
#include "ui/status_line.h"
#include "ui_test_support.h"

#include "../support/disk_faults.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <memory>
#include <vector>

namespace nyra::test {
namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPoint position, Qt::MouseButton button) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, position, widget->mapToGlobal(position), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// Asha Rao's calculation, described as Mesha.
Calculation Asha() {
    Calculation calculation = CalculationOf(AshaAtDelhi());
    calculation.description = Describe("Mesha");
    return calculation;
}

class ReportWindow : public OneWindowTest<frmSave> {
protected:
    void Open() { Show(new frmSave(calculation, dialogs)); }

    QTextEdit* Report() const { return Child<QTextEdit>("RTB"); }
    QString ReportText() const { return Report()->toPlainText(); }
    void Click(const char* button) const { Child<QPushButton>(button)->click(); }

    // The report of the calculation's description, composed afresh.
    QString ExpectedText() const {
        QTextDocument report;
        ComposeReport(&report, calculation.description);
        return report.toPlainText();
    }

    // A point of the viewport over the middle of `text`'s third character,
    // scrolled into view.
    QPoint PointOver(const QString& text) const {
        QTextEdit* report = Report();
        const QTextCursor found = report->document()->find(text);
        EXPECT_FALSE(found.isNull()) << text.toStdString();
        QTextCursor cursor(report->document());
        cursor.setPosition(found.selectionStart() + 2);
        report->setTextCursor(cursor);
        report->ensureCursorVisible();
        const QRect before = report->cursorRect(cursor);
        cursor.setPosition(found.selectionStart() + 3);
        const QRect after = report->cursorRect(cursor);
        return QPoint((before.center().x() + after.center().x()) / 2, before.center().y());
    }

    // The window reads the calculation as long as it is open.
    Calculation calculation = Asha();
};

TEST_F(ReportWindow, IsAModalWindowWithItsControls) {
    Open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Nyra Moon Sign v2.10"));
    EXPECT_TRUE(window->isModal());
    EXPECT_EQ(Child<QPushButton>("cmdSave")->text(), QStringLiteral("&Save"));
    EXPECT_EQ(Child<QPushButton>("cmdPrint")->text(), QStringLiteral("&Print"));
    EXPECT_EQ(Child<QPushButton>("cmdExportPdf")->text(), QStringLiteral("E&xport PDF..."));
    const QFont font = Report()->font();
    EXPECT_EQ(font.family(), QStringLiteral("Verdana"));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.75);
    EXPECT_FALSE(font.bold());
}

TEST_F(ReportWindow, ShowsTheCalculationsDescription) {
    Open();
    EXPECT_EQ(ReportText(), ExpectedText());
    EXPECT_TRUE(ReportText().startsWith(QStringLiteral("Common: \nVedic Name: Mesha\n")));
    // Above the report, whose result it is; the report itself names nobody.
    EXPECT_EQ(Child<QLabel>("lblBirth")->text(), BirthLineText(TitleOf(calculation)));
    EXPECT_TRUE(Child<QLabel>("lblBirth")->text().startsWith(QStringLiteral("Asha Rao, born ")));
}

TEST_F(ReportWindow, ReopeningComposesAnewWithoutDoubling) {
    Open();
    window->hide();
    window->show();
    EXPECT_EQ(ReportText(), ExpectedText());
    EXPECT_EQ(ReportText().count(QStringLiteral("Common: ")), 1);

    calculation.description = Describe("Vrishabha");
    Open();
    EXPECT_EQ(ReportText(), ExpectedText());
    EXPECT_TRUE(ReportText().contains(QStringLiteral("Vedic Name: Vrishabha")));
}

TEST_F(ReportWindow, UserCannotEditTheReport) {
    Open();
    EXPECT_TRUE(Report()->isReadOnly());
    Report()->setFocus();
    QTest::keyClicks(Report(), QStringLiteral("typed"));
    QTest::keyClick(Report(), Qt::Key_Backspace);
    QTest::keyClick(Report(), Qt::Key_Delete);
    EXPECT_EQ(ReportText(), ExpectedText());
}

// Offscreen the clipboard is the program's own; another program's copy,
// which stays, is seen under X11.
TEST_F(ReportWindow, OpeningEmptiesTheClipboard) {
    QGuiApplication::clipboard()->setText(QStringLiteral("copied in this program"));
    Open();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

struct MouseRow {
    const char* name;
    QEvent::Type type;
    Qt::MouseButton button;
};

void PrintTo(const MouseRow& row, std::ostream* os) { *os << row.name; }

class ReportMouse : public ReportWindow, public ::testing::WithParamInterface<MouseRow> {};

TEST_P(ReportMouse, EmptiesTheClipboard) {
    Open();
    const QPoint point = PointOver(QStringLiteral("Vedic Name"));
    QGuiApplication::clipboard()->setText(QStringLiteral("copied from the report"));
    SendMouse(Report()->viewport(), GetParam().type, point, GetParam().button);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
    EXPECT_EQ(ReportText(), ExpectedText());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Report, ReportMouse,
                         ::testing::Values(MouseRow{"Press", QEvent::MouseButtonPress, Qt::LeftButton},
                                           MouseRow{"Move", QEvent::MouseMove, Qt::NoButton},
                                           MouseRow{"Release", QEvent::MouseButtonRelease, Qt::LeftButton},
                                           MouseRow{"DoubleClick", QEvent::MouseButtonDblClick, Qt::LeftButton},
                                           MouseRow{"RightPress", QEvent::MouseButtonPress, Qt::RightButton}),
                         [](const ::testing::TestParamInfo<MouseRow>& info) { return info.param.name; });
// clang-format on

class ReportLinks : public ReportWindow {
protected:
    void SetUp() override {
        calculation.description.Nature = "Visit www.example.org today";
        Open();
    }
    UrlRecorder browser;
};

TEST_F(ReportLinks, LinkOpensOnThePressAndOnlyOnce) {
    const QPoint link = PointOver(QStringLiteral("www.example.org"));
    ASSERT_EQ(Report()->anchorAt(link), QStringLiteral("http://www.example.org"));

    SendMouse(Report()->viewport(), QEvent::MouseButtonPress, link, Qt::LeftButton);
    ASSERT_EQ(browser.opened.size(), 1) << "the press alone opens the link";
    EXPECT_EQ(browser.opened[0], QUrl(QStringLiteral("http://www.example.org")));

    SendMouse(Report()->viewport(), QEvent::MouseButtonRelease, link, Qt::LeftButton);
    EXPECT_EQ(browser.opened.size(), 1) << "the release must not open it again";
    EXPECT_EQ(ReportText(), ExpectedText());
}

TEST_F(ReportLinks, OtherButtonsAndPlainTextOpenNothing) {
    const QPoint link = PointOver(QStringLiteral("www.example.org"));
    SendMouse(Report()->viewport(), QEvent::MouseButtonPress, link, Qt::RightButton);
    SendMouse(Report()->viewport(), QEvent::MouseButtonRelease, link, Qt::RightButton);
    const QPoint text = PointOver(QStringLiteral("Visit"));
    SendMouse(Report()->viewport(), QEvent::MouseButtonPress, text, Qt::LeftButton);
    SendMouse(Report()->viewport(), QEvent::MouseButtonRelease, text, Qt::LeftButton);
    EXPECT_TRUE(browser.opened.isEmpty());
}

TEST_F(ReportLinks, PressStillReachesTheView) {
    // The press on a link also places the cursor, as any press does.
    const QPoint link = PointOver(QStringLiteral("www.example.org"));
    Report()->moveCursor(QTextCursor::Start);
    SendMouse(Report()->viewport(), QEvent::MouseButtonPress, link, Qt::LeftButton);
    SendMouse(Report()->viewport(), QEvent::MouseButtonRelease, link, Qt::LeftButton);
    EXPECT_GT(Report()->textCursor().position(), 0);
}

TEST_F(ReportWindow, PromotionTexts) {
    Open();
    const QLabel* fullBrand = Child<QLabel>("lblFullBrand");
    EXPECT_EQ(fullBrand->text(),
              QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                             "Get this software fully branded for your website. Click here for more details."));
    EXPECT_EQ(fullBrand->parentWidget(), Child<QFrame>("fraFullBrand"));
    const QString coBrand = Child<QLabel>("lblCobrand")->text();
    EXPECT_TRUE(coBrand.endsWith(QStringLiteral("Click Here for more info on co-branding.")));
    EXPECT_EQ(coBrand.count(u'&'), 1);
    EXPECT_EQ(Child<QLabel>("Label14")->text(), QStringLiteral("The Most Popular Online Orrelin Discussion Board"));
    EXPECT_TRUE(Child<QLabel>("Label3")->text().contains(QUrl(ProductPageUrl()).host()));
}

class ReportFiles : public ReportWindow {
protected:
    void SetUp() override { Open(); }
    QString PathOf(const char* name) const { return Scratch(QString::fromLatin1(name)); }
    // Saves or exports to `path`, as the save dialog answers.
    void SaveTo(const QString& path, const char* button) {
        dialogs.savePath = path;
        Click(button);
    }
};

TEST_F(ReportFiles, SaveWritesARecordThatReadsBack) {
    const QString path = PathOf("asha.moo");
    SaveTo(path, "cmdSave");

    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].title, QStringLiteral("Save Your Moon Sign Details"));
    EXPECT_EQ(dialogs.saveRequests[0].filter, QStringLiteral("Rich Text Format (*.moo)"));
    EXPECT_EQ(dialogs.saveRequests[0].defaultSuffix, QStringLiteral("moo"));
    EXPECT_TRUE(dialogs.messages.empty());

    const Result<SavedRecord> back = LoadSavedRecord(QFile::encodeName(path).toStdString());
    ASSERT_TRUE(back.ok()) << back.problem().Text();
    EXPECT_EQ(back->birth, AshaAtDelhi());

    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ReportText(), ExpectedText());
}

TEST_F(ReportFiles, SaveOverReadOnlyFileTellsAndKeepsIt) {
    const QString path = PathOf("kept.moo");
    WriteFile(path, "old record");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    SaveTo(path, "cmdSave");

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral("Could not save \"") + path + u'"'))
        << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(FileBytes(path), QByteArray("old record"));
    EXPECT_EQ(FolderEntries(ScratchFolder()), QStringList{QStringLiteral("kept.moo")});
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ReportFiles, CancelledSaveWritesNothingAndSaysNothing) {
    SaveTo(QString(), "cmdSave");
    EXPECT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(FolderEntries(ScratchFolder()).isEmpty());
}

TEST_F(ReportFiles, ExportWritesThePdfReport) {
    const QString path = PathOf("report.pdf");
    SaveTo(path, "cmdExportPdf");

    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].filter, QStringLiteral("PDF (*.pdf)"));
    EXPECT_EQ(dialogs.saveRequests[0].defaultSuffix, QStringLiteral("pdf"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(FileBytes(path).startsWith("%PDF"));
    EXPECT_EQ(FolderEntries(ScratchFolder()), QStringList{QStringLiteral("report.pdf")}) << "no temporary file left";

    const std::optional<QStringList> pages = PdfPages(path);
    if (!pages) GTEST_SKIP() << "pdftotext is not installed";
    const QString text = pages->join(u'\n');
    EXPECT_TRUE(text.contains(QStringLiteral("Common:")));
    EXPECT_TRUE(text.contains(QStringLiteral("Lucky For....Rashi:")));
    EXPECT_TRUE(text.contains(QStringLiteral("Vedic Name: Mesha")));
    EXPECT_TRUE(text.contains(QStringLiteral("Best Period of Activity:")));
}

TEST_F(ReportFiles, ExportReplacesAnExistingFile) {
    const QString path = PathOf("report.pdf");
    WriteFile(path, "an older report");
    SaveTo(path, "cmdExportPdf");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(FileBytes(path).startsWith("%PDF"));
    EXPECT_EQ(FolderEntries(ScratchFolder()), QStringList{QStringLiteral("report.pdf")});
}

TEST_F(ReportFiles, ExportOverReadOnlyFileTellsAndKeepsIt) {
    const QString path = PathOf("report.pdf");
    WriteFile(path, "an older report");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    SaveTo(path, "cmdExportPdf");

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(dialogs.messages[0].text.contains(path)) << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(FileBytes(path), QByteArray("an older report"));
    EXPECT_EQ(FolderEntries(ScratchFolder()), QStringList{QStringLiteral("report.pdf")});
}

TEST_F(ReportFiles, ExportIntoAMissingFolderTells) {
    const QString path = PathOf("missing/report.pdf");
    SaveTo(path, "cmdExportPdf");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(dialogs.messages[0].text.contains(path));
    EXPECT_TRUE(FolderEntries(ScratchFolder()).isEmpty());
}

TEST_F(ReportFiles, CancelledExportWritesNothingAndSaysNothing) {
    SaveTo(QString(), "cmdExportPdf");
    EXPECT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(FolderEntries(ScratchFolder()).isEmpty());
}

// ------------------------------------------------------ write failures

// A 64 KB disk holds the old file, the filler and nothing more.
constexpr std::size_t kSmallDiskBytes = 64 * 1024;
// "A few KB free": far less than any report's PDF.
constexpr std::size_t kFreeBytesLeft = 8 * 1024;
constexpr rlim_t kFileSizeLimitBytes = 8 * 1024;

enum class Fault { FullDisk, SizeLimit };

struct ExportFaultCase {
    const char* name;
    Fault fault;
    const char* target;  ///< in the folder that holds report.pdf
    bool readOnlyFolder;
    const char* reason;
};

void PrintTo(const ExportFaultCase& row, std::ostream* os) { *os << row.name; }

class ExportFault : public ReportFiles, public ::testing::WithParamInterface<ExportFaultCase> {
protected:
    void TearDown() override {
        if (!folder_.isEmpty()) ::chmod(QFile::encodeName(folder_).constData(), 0755);
        QDir(folder_).removeRecursively();
        disk_.reset();
        ReportFiles::TearDown();
    }
    std::unique_ptr<SmallDisk> disk_;
    QString folder_;
};

// The PDF writer itself reports no write error; the export must, and keep
// the old file byte for byte with nothing left beside it.
TEST_P(ExportFault, TellsAndKeepsTheOldFile) {
    const ExportFaultCase& row = GetParam();
    const QByteArray oldBytes = "%PDF-1.4 an older report %%EOF";
    if (row.fault == Fault::FullDisk) {
        disk_ = std::make_unique<SmallDisk>(kSmallDiskBytes);
        if (!disk_->mounted()) GTEST_SKIP() << disk_->reason();
        folder_ = QFile::decodeName(disk_->path().c_str());
    } else {
        folder_ = ScratchFolder();
    }
    const QString old = folder_ + QStringLiteral("/report.pdf");
    WriteFile(old, oldBytes);
    if (row.fault == Fault::FullDisk) {
        ASSERT_TRUE(disk_->Fill(kFreeBytesLeft));
    }
    if (row.readOnlyFolder) {
        ASSERT_EQ(::chmod(QFile::encodeName(folder_).constData(), 0555), 0);
    }
    const QStringList before = FolderEntries(folder_);
    const QString path = folder_ + u'/' + QString::fromLatin1(row.target);
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (row.fault == Fault::SizeLimit) limit = std::make_unique<FileSizeLimit>(kFileSizeLimitBytes);
        SaveTo(path, "cmdExportPdf");
    }

    ASSERT_EQ(dialogs.messages.size(), 1u) << "a failed export was reported as success";
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(dialogs.messages[0].text.toStdString(),
              QStringLiteral("Could not export \"%1\": %2").arg(path, QString::fromLatin1(row.reason)).toStdString());
    EXPECT_EQ(FileBytes(old), oldBytes);
    EXPECT_EQ(FolderEntries(folder_), before);
    EXPECT_TRUE(window->isVisible());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Report, ExportFault,
    ::testing::Values(
        ExportFaultCase{"FullDiskOverOld", Fault::FullDisk, "report.pdf", false, "No space left on device"},
        ExportFaultCase{"FullDiskNewFile", Fault::FullDisk, "new.pdf", false, "No space left on device"},
        ExportFaultCase{"FullDiskInReadOnlyFolder", Fault::FullDisk, "report.pdf", true,
                        "No space left on device"},
        ExportFaultCase{"SizeLimitOverOld", Fault::SizeLimit, "report.pdf", false, "File too large"},
        ExportFaultCase{"SizeLimitNewFile", Fault::SizeLimit, "new.pdf", false, "File too large"},
        ExportFaultCase{"SizeLimitInReadOnlyFolder", Fault::SizeLimit, "report.pdf", true, "File too large"}),
    [](const ::testing::TestParamInfo<ExportFaultCase>& info) { return info.param.name; });
// clang-format on

struct CompletePdfCase {
    const char* name;
    QByteArray (*cut)(const QByteArray& whole);
    bool complete;
};

void PrintTo(const CompletePdfCase& row, std::ostream* os) { *os << row.name; }

class CompletePdf : public ReportWindow, public ::testing::WithParamInterface<CompletePdfCase> {};

TEST_P(CompletePdf, OnlyAWholeFilePasses) {
    Open();
    const QByteArray whole = ReportPdf(*Report()->document());
    ASSERT_TRUE(whole.startsWith("%PDF-"));
    EXPECT_EQ(IsCompletePdf(GetParam().cut(whole)), GetParam().complete);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Report, CompletePdf,
    ::testing::Values(
        CompletePdfCase{"Whole", [](const QByteArray& pdf) { return pdf; }, true},
        CompletePdfCase{"CutInHalf", [](const QByteArray& pdf) { return pdf.left(pdf.size() / 2); }, false},
        CompletePdfCase{"LastBytesMissing", [](const QByteArray& pdf) { return pdf.chopped(8); }, false},
        CompletePdfCase{"HeaderMissing", [](const QByteArray& pdf) { return pdf.mid(5); }, false},
        CompletePdfCase{"OnlyTheEnds", [](const QByteArray& pdf) { return pdf.left(16) + pdf.right(16); }, false},
        CompletePdfCase{"Empty", [](const QByteArray&) { return QByteArray(); }, false}),
    [](const ::testing::TestParamInfo<CompletePdfCase>& info) { return info.param.name; });
// clang-format on

// ------------------------------------------------ names and folders

struct SaveTarget {
    const char* name;
    const char* button;
    const char* typed;    ///< the name the dialog returns
    const char* written;  ///< the only file in the folder afterwards
};

void PrintTo(const SaveTarget& row, std::ostream* os) { *os << row.name; }

// The written file must be one Open and a PDF viewer recognise.
bool IsUsable(const SaveTarget& row, const QString& path) {
    if (qstrcmp(row.button, "cmdExportPdf") == 0) return IsCompletePdf(FileBytes(path));
    const Result<SavedRecord> back = LoadSavedRecord(QFile::encodeName(path).toStdString());
    return back && back->birth == AshaAtDelhi();
}

class SaveName : public ReportFiles, public ::testing::WithParamInterface<SaveTarget> {};

TEST_P(SaveName, EndsInTheSuffixOpenWants) {
    SaveTo(PathOf(GetParam().typed), GetParam().button);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(FolderEntries(ScratchFolder()), QStringList{QString::fromLatin1(GetParam().written)});
    EXPECT_TRUE(IsUsable(GetParam(), PathOf(GetParam().written)));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Report, SaveName,
                         ::testing::Values(SaveTarget{"RecordAsText", "cmdSave", "notes.txt", "notes.txt.moo"},
                                           SaveTarget{"RecordUpperCase", "cmdSave", "Trap.MOO", "Trap.MOO.moo"},
                                           SaveTarget{"RecordMoo", "cmdSave", "asha.moo", "asha.moo"},
                                           SaveTarget{"PdfAsText", "cmdExportPdf", "report.txt", "report.txt.pdf"},
                                           SaveTarget{"PdfUpperCase", "cmdExportPdf", "Report.PDF", "Report.PDF"}),
                         [](const ::testing::TestParamInfo<SaveTarget>& info) { return info.param.name; });
// clang-format on

class ReadOnlyFolder : public ReportFiles, public ::testing::WithParamInterface<SaveTarget> {
protected:
    void TearDown() override {
        ::chmod(QFile::encodeName(ScratchFolder()).constData(), 0755);
        ReportFiles::TearDown();
    }
};

// A writable file in a folder the user may not change can still be
// updated; the folder gains nothing.
TEST_P(ReadOnlyFolder, WritableFileIsUpdated) {
    const QString path = PathOf(GetParam().written);
    WriteFile(path, "an older file");
    ASSERT_EQ(::chmod(QFile::encodeName(ScratchFolder()).constData(), 0555), 0);
    SaveTo(path, GetParam().button);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(FolderEntries(ScratchFolder()), QStringList{QString::fromLatin1(GetParam().written)});
    EXPECT_TRUE(IsUsable(GetParam(), path));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Report, ReadOnlyFolder,
                         ::testing::Values(SaveTarget{"Record", "cmdSave", "kept.moo", "kept.moo"},
                                           SaveTarget{"Pdf", "cmdExportPdf", "kept.pdf", "kept.pdf"}),
                         [](const ::testing::TestParamInfo<SaveTarget>& info) { return info.param.name; });
// clang-format on

// Steps through the modal windows the program opens: each step waits for
// the top modal window to be of its type and then acts on it. Whatever is
// still open after the time limit is closed, so a test fails instead of
// hanging.
class ModalScript : public QObject {
public:
    template <typename T>
    void Then(std::function<void(T*)> act) {
        steps_.push_back({[](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
                          [act](QWidget* w) { act(qobject_cast<T*>(w)); }});
    }

    void Start() {
        Arm();
        QTimer::singleShot(kTimeLimitMs, this, [] {
            while (QWidget* modal = QApplication::activeModalWidget()) {
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
                QCoreApplication::processEvents();
            }
        });
    }

    bool Finished() const { return next_ == steps_.size(); }

private:
    struct Step {
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> act;
    };

    // A timer of its own for every step: a step's action may wait inside
    // the next modal window, and Qt does not fire a timer again while its
    // own handler runs.
    void Arm() {
        if (next_ >= steps_.size()) return;
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this, poll] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || !modal->isVisible() || !steps_[next_].matches(modal)) return;
            poll->stop();
            const Step& step = steps_[next_++];
            Arm();
            step.act(modal);
        });
        poll->start(kPollMs);
    }

    static constexpr int kPollMs = 20;
    static constexpr int kTimeLimitMs = 10'000;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
};

struct ReplaceCase {
    const char* name;
    bool exists;                         ///< notes.txt.moo is there before
    QMessageBox::StandardButton answer;  ///< to the question about replacing it
    bool written;
};

void PrintTo(const ReplaceCase& row, std::ostream* os) { *os << row.name; }

class SaveDialogSuffix : public ReportFiles, public ::testing::WithParamInterface<ReplaceCase> {};

// The real dialog adds the suffix before it asks about replacing a file,
// so the question is about the file that is written.
TEST_P(SaveDialogSuffix, AsksAboutTheFileItWrites) {
    const ReplaceCase& row = GetParam();
    const QString target = PathOf("notes.txt.moo");
    if (row.exists) WriteFile(target, "old record");
    const QByteArray before = FileBytes(target);

    ModalScript script;
    QStringList questions;
    // The dialog opens where the last save went, offering a name of its own.
    RememberSaveFolder(PathOf("last.moo"));
    script.Then<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->directory().absolutePath(), QDir(ScratchFolder()).absolutePath());
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text(), QStringLiteral("Asha Rao - Mesha.moo"));
        name->setText(QStringLiteral("notes.txt"));
        static_cast<QDialog*>(dialog)->accept();  // as the Save button does
        // "No" leaves the dialog open for another name; the user cancels.
        if (dialog->isVisible()) dialog->reject();
    });
    if (row.exists) {
        script.Then<QMessageBox>([&](QMessageBox* box) {
            questions << box->text();
            box->button(row.answer)->click();
        });
    }
    script.Start();
    dialogs.realSaveDialog = true;
    Click("cmdSave");

    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(FolderEntries(ScratchFolder()), QStringList{QStringLiteral("notes.txt.moo")});
    if (row.exists) {
        EXPECT_EQ(questions, QStringList{QStringLiteral("notes.txt.moo already exists.\nDo you want to replace it?")});
    }
    if (row.written) {
        EXPECT_TRUE(IsUsable(SaveTarget{"", "cmdSave", "", ""}, target));
    } else {
        EXPECT_EQ(FileBytes(target), before);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Report, SaveDialogSuffix,
                         ::testing::Values(ReplaceCase{"NewFile", false, QMessageBox::NoButton, true},
                                           ReplaceCase{"ReplaceAnswered", true, QMessageBox::Yes, true},
                                           ReplaceCase{"ReplaceRefused", true, QMessageBox::No, false}),
                         [](const ::testing::TestParamInfo<ReplaceCase>& info) { return info.param.name; });
// clang-format on

// ----------------------------------------------------------- printing

struct PrintCase {
    const char* name;
    PrintOutcome outcome;
    const char* message;  ///< nullptr: none
};

void PrintTo(const PrintCase& row, std::ostream* os) { *os << row.name; }

class ReportPrint : public ReportWindow, public ::testing::WithParamInterface<PrintCase> {};

// The whole report goes to the printer even with a selection, nothing
// stays selected, and a job the printing system refused is told like a
// missing printer.
TEST_P(ReportPrint, TellsWhenTheReportDidNotReachThePrinter) {
    Open();
    dialogs.printOutcome = GetParam().outcome;
    Report()->selectAll();
    Click("cmdPrint");

    // The page opens with the title block, as the PDF does.
    ASSERT_EQ(dialogs.printed.size(), 1);
    EXPECT_TRUE(dialogs.printed[0].startsWith(QStringLiteral("Nyra Moon Sign\n"))) << dialogs.printed[0].toStdString();
    EXPECT_TRUE(dialogs.printed[0].contains(QStringLiteral("Name: Asha Rao")));
    EXPECT_TRUE(dialogs.printed[0].endsWith(ExpectedText())) << dialogs.printed[0].toStdString();
    EXPECT_FALSE(Report()->textCursor().hasSelection());
    // A job that went out is confirmed on the status line.
    EXPECT_EQ(Child<StatusLine>("lblStatus")->Text().toStdString(), GetParam().message ? "" : "Sent to Office");
    if (GetParam().message == nullptr) {
        EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    } else {
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
        EXPECT_EQ(dialogs.messages[0].text.toStdString(), GetParam().message);
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ReportText(), ExpectedText());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Report, ReportPrint,
    ::testing::Values(
        PrintCase{"Printed", {QStringLiteral("Office"), std::nullopt}, nullptr},
        PrintCase{"NoPrinter", {}, "No printer is available. Use Export PDF to keep the report."},
        PrintCase{"QueueRefuses",
                  {QStringLiteral("Office"), QStringLiteral("The printer is not accepting jobs.")},
                  "The report could not be printed on \"Office\": The printer is not accepting jobs. "
                  "Use Export PDF to keep the report."},
        PrintCase{"JobRefused",
                  {QStringLiteral("Office"), QStringLiteral("Destination \"Office\" is not accepting jobs")},
                  "The report could not be printed on \"Office\": Destination \"Office\" is not accepting jobs. "
                  "Use Export PDF to keep the report."}),
    [](const ::testing::TestParamInfo<PrintCase>& info) { return info.param.name; });
// clang-format on

// Against a real CUPS queue that refuses jobs (cupsreject), when one is
// given: NYRA_TEST_REFUSING_PRINTER names it, and it must be the default
// printer of the CUPS server the test reaches (CUPS_SERVER).
TEST_F(ReportWindow, RefusingCupsQueueTells) {
    const QString queue = qEnvironmentVariable("NYRA_TEST_REFUSING_PRINTER");
    if (queue.isEmpty()) GTEST_SKIP() << "no refusing CUPS queue given in NYRA_TEST_REFUSING_PRINTER";
    ASSERT_EQ(QPrinterInfo::defaultPrinter().printerName(), queue) << "the refusing queue must be the default";
    ASSERT_TRUE(PrintQueueRefusal(queue).has_value());
    Open();
    dialogs.realPrinting = true;
    Click("cmdPrint");
    ASSERT_EQ(dialogs.messages.size(), 1u) << "a refused print job went unreported";
    EXPECT_EQ(dialogs.messages[0].text.toStdString(),
              QStringLiteral("The report could not be printed on \"%1\": The printer is not accepting jobs. "
                             "Use Export PDF to keep the report.")
                  .arg(queue)
                  .toStdString());
}

TEST_F(ReportWindow, PrintWithoutPrinterSaysSoAndClearsTheSelection) {
    if (!QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed; printing would use it";
    Open();
    dialogs.realPrinting = true;
    Report()->selectAll();
    Click("cmdPrint");

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("No printer is available. Use Export PDF to keep the report."));
    EXPECT_FALSE(Report()->textCursor().hasSelection());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ReportText(), ExpectedText());
}

// ------------------------------------------ how well the time was known

struct TimeKnownCase {
    const char* name;
    TimeWindow timeKnown;
    const char* birthTime;      ///< After "Birth time: "; "" for an exact time.
    const char* possibleSigns;  ///< After "Possible Moon signs: ".
};

void PrintTo(const TimeKnownCase& row, std::ostream* os) { *os << row.name; }

class ReportTimeKnown : public ReportWindow, public ::testing::WithParamInterface<TimeKnownCase> {};

// The window, the printed page and the PDF each say how well the time was
// known and which signs it leaves, or, for an exact time, neither.
TEST_P(ReportTimeKnown, EveryOutputSaysItOrNone) {
    // New Delhi, 16 August 1947: the Moon leaves Kataka for Simha at 17:19.
    calculation = CalculationOf(Birth({1947, 8, 16, 12, 0, 77 + 13 / 60.0, 330}), GetParam().timeKnown);
    Open();
    Click("cmdPrint");
    dialogs.savePath = Scratch(QStringLiteral("report.pdf"));
    Click("cmdExportPdf");
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    ASSERT_EQ(dialogs.printed.size(), 1);
    const std::optional<QStringList> pages = PdfPages(dialogs.savePath);
    if (!pages) GTEST_SKIP() << "pdftotext is not installed";

    const QString birthTime = QStringLiteral("Birth time: ") + QString::fromUtf8(GetParam().birthTime);
    const QString possibleSigns = QStringLiteral("Possible Moon signs: ") + QString::fromUtf8(GetParam().possibleSigns);
    const bool exact = !*GetParam().birthTime;
    EXPECT_EQ(Shown("fraTimeKnown"), !exact);
    if (!exact) {
        EXPECT_EQ(QString::fromStdString(Text("lblTimeKnown")), birthTime + u'\n' + possibleSigns);
    }
    const std::pair<const char*, QString> outputs[] = {{"printed page", dialogs.printed[0]},
                                                       {"PDF", pages->join(u'\n').simplified()}};
    for (const auto& [output, text] : outputs) {
        EXPECT_EQ(text.contains(QStringLiteral("Birth time: ")), !exact) << output;
        EXPECT_EQ(text.contains(QStringLiteral("Possible Moon signs: ")), !exact) << output;
        if (!exact) {
            EXPECT_TRUE(text.contains(birthTime)) << output << ":\n" << text.toStdString();
            EXPECT_TRUE(text.contains(possibleSigns)) << output << ":\n" << text.toStdString();
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Report, ReportTimeKnown,
    ::testing::Values(TimeKnownCase{"Exact", TimeWindow::Exact(), "", ""},
                      TimeKnownCase{"NotKnown", TimeWindow::WholeDay(),
                                    "not known (12:00 used for the descriptions)",
                                    "Kataka 72% until 17:19, then Simha 28%"},
                      TimeKnownCase{"WithinAnHourInsideOneSign", TimeWindow::PlusMinus(60),
                                    "within 1 hour of 12:00 (12:00 used for the descriptions)",
                                    "Kataka, certain all through that time"}),
    [](const ::testing::TestParamInfo<TimeKnownCase>& info) { return info.param.name; });
// clang-format on

}  // namespace
}  // namespace nyra::test
