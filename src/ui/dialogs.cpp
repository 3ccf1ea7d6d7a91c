#include "ui/dialogs.h"

#include "ui/messages.h"
#include "ui/replace_question.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>

namespace nyra {
namespace {

// Window managers draw captions somewhat larger than the text of a window,
// and put an icon and up to three buttons (about 32 px each at 96 dpi)
// beside them.
constexpr double kTitleFontScale = 1.25;
constexpr int kTitleBarFurniturePx = 4 * 32;

// A box with kAppTitle as its caption, wide enough to show it whole.
int RunMessageBox(QMessageBox::Icon icon, QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
                  QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, kAppTitle, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    // A short message makes a box too narrow for the window manager to show
    // the caption whole beside its buttons. The box sizes itself from its
    // layout's minimum, so a strut in the layout widens it.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        QFont title = box.font();
        title.setBold(true);
        title.setPointSizeF(title.pointSizeF() * kTitleFontScale);
        const int width = QFontMetrics(title).horizontalAdvance(kAppTitle) + kTitleBarFurniturePx;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    return box.exec();
}

// Qt's own file dialog opens at about 620 px, too narrow for its name, size,
// kind and date columns side by side: it opens as wide as they need where
// the screen allows.
constexpr QSize kFileDialogSize(920, 540);

void SizeToShowColumns(QFileDialog& dialog, QWidget* parent) {
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() * 0.9 : kFileDialogSize;
    dialog.resize(kFileDialogSize.boundedTo(room).expandedTo(dialog.minimumSizeHint()));
}

// Gives the chosen name its suffix before the question about replacing an
// existing file, so the question is about the file that will be written.
class SaveDialog : public QFileDialog {
public:
    SaveDialog(QWidget* parent, const SaveRequest& request) : QFileDialog(parent, request.title), request_(request) {
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        setNameFilter(request.filter);
        setDefaultSuffix(request.defaultSuffix);
        // The question before replacing a file is asked in accept(), where
        // it can name the file a link leads to.
        setOption(QFileDialog::DontConfirmOverwrite);
    }

    QString chosenPath() const { return chosen_; }

    void accept() override {
        const QStringList files = selectedFiles();
        // A folder typed as the name is opened by the dialog itself.
        if (files.size() != 1 || QFileInfo(files.first()).isDir()) return QFileDialog::accept();
        chosen_ = WithSuffix(files.first(), request_);
        if (const std::optional<QString> question = ReplaceQuestion(chosen_)) {
            if (QMessageBox::warning(this, windowTitle(), *question, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) != QMessageBox::Yes)
                return;
        }
        if (chosen_ == files.first()) return QFileDialog::accept();
        QDialog::accept();
    }

private:
    SaveRequest request_;
    QString chosen_;
};

QString RunSaveDialog(QWidget* parent, const SaveRequest& request) {
    // A fresh dialog every time, with the folder and name the request
    // proposes. Replacing a file asks first.
    SaveDialog dialog(parent, request);
    SizeToShowColumns(dialog, parent);
    if (!request.proposedPath.isEmpty()) {
        const QFileInfo proposed(request.proposedPath);
        dialog.setDirectory(proposed.absolutePath());
        dialog.selectFile(proposed.fileName());
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.chosenPath();
}

}  // namespace

QString WithSuffix(const QString& path, const SaveRequest& request) {
    const QString ending = u'.' + request.defaultSuffix;
    if (path.isEmpty() || path.endsWith(ending, request.suffixCase)) return path;
    return path + ending;
}

void Dialogs::Message(QWidget* parent, const QString& text, MessageIcon icon) {
    RunMessageBox(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information, parent, text,
                  QMessageBox::Ok, QMessageBox::Ok);
}

bool Dialogs::Ask(QWidget* parent, const QString& question, Answer byDefault) {
    return RunMessageBox(QMessageBox::Question, parent, question, QMessageBox::Yes | QMessageBox::No,
                         byDefault == Answer::No ? QMessageBox::No : QMessageBox::Yes) == QMessageBox::Yes;
}

QString Dialogs::OpenPath(QWidget* parent) {
    QFileDialog dialog(parent, QCoreApplication::translate("nyra::Dialogs", "Select the source file"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QCoreApplication::translate("nyra::Dialogs", "Nyra Free Moon Sign Astrology (*.moo)"));
    dialog.setDefaultSuffix(QStringLiteral("moo"));
    SizeToShowColumns(dialog, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString Dialogs::SavePath(QWidget* parent, const SaveRequest& request) { return RunSaveDialog(parent, request); }

PrintOutcome Dialogs::Print(const QTextDocument& document) { return PrintReport(document); }

Dialogs& SystemDialogs() {
    static Dialogs dialogs;
    return dialogs;
}

}  // namespace nyra
