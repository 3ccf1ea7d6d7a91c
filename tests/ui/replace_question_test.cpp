// The question a save dialog asks before replacing a file names the file
// that is replaced, which for a link is not the one chosen.
#include "ui/replace_question.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <optional>

namespace nyra {
namespace {

// Another user, as on Debian: nobody.
constexpr uid_t kOtherUser = 65534;

struct QuestionRow {
    const char* name;
    // Makes what the dialog's answer `chosen` names; `thesis` is an existing
    // file in another folder.
    std::function<bool(const QString& chosen, const QString& thesis)> make;
    const char* question;  ///< %1 stands for the thesis' folder; nullptr: none.
};

void PrintTo(const QuestionRow& row, std::ostream* os) { *os << row.name; }

class ReplaceQuestionTest : public ::testing::TestWithParam<QuestionRow> {};

TEST_P(ReplaceQuestionTest, NamesTheFileThatIsReplaced) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QDir root(folder.path());
    ASSERT_TRUE(root.mkdir(QStringLiteral("docs")) && root.mkdir(QStringLiteral("shared")));
    const QString thesis = root.filePath(QStringLiteral("docs/thesis.pdf"));
    QFile file(thesis);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("%PDF-") == 5);
    file.close();
    ASSERT_EQ(::chmod(QFile::encodeName(root.filePath(QStringLiteral("shared"))).constData(), 01777), 0);
    const QString chosen = root.filePath(QStringLiteral("shared/report.pdf"));
    if (!GetParam().make(chosen, thesis)) GTEST_SKIP() << "cannot make the file the row needs";

    const std::optional<QString> question = ReplaceQuestion(chosen);

    if (GetParam().question == nullptr) {
        EXPECT_EQ(question, std::nullopt) << question->toStdString();
    } else {
        EXPECT_EQ(question, QString::fromUtf8(GetParam().question)
                                .replace(QStringLiteral("%1"), root.filePath(QStringLiteral("docs"))));
    }
}

bool Nothing(const QString&, const QString&) { return true; }
bool LinkToThesis(const QString& chosen, const QString& thesis) { return QFile::link(thesis, chosen); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Files, ReplaceQuestionTest,
    ::testing::Values(
        QuestionRow{"NoFile", Nothing, nullptr},
        QuestionRow{"File", [](const QString& chosen, const QString& thesis) { return QFile::copy(thesis, chosen); },
                    "report.pdf already exists.\nDo you want to replace it?"},
        QuestionRow{"Link", LinkToThesis, "report.pdf is a link to %1/thesis.pdf. Replace thesis.pdf?"},
        QuestionRow{"LinkToALink",
                    [](const QString& chosen, const QString& thesis) {
                        return QFile::link(thesis, chosen + ".first") && QFile::link(chosen + ".first", chosen);
                    },
                    "report.pdf is a link to %1/thesis.pdf. Replace thesis.pdf?"},
        // The save refuses these and says why; there is nothing to replace.
        QuestionRow{"LinkToNothing",
                    [](const QString& chosen, const QString& thesis) { return QFile::link(thesis + ".gone", chosen); },
                    nullptr},
        QuestionRow{"LinkAnotherUserPlanted",
                    [](const QString& chosen, const QString& thesis) {
                        return LinkToThesis(chosen, thesis) &&
                               ::lchown(QFile::encodeName(chosen).constData(), kOtherUser, kOtherUser) == 0;
                    },
                    nullptr}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra
