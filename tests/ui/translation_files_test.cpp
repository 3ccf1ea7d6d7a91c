// The committed translations as the program uses them: every translation
// fills the same %1, %2 ... as its English, since arg() would otherwise put
// a value in the wrong place or none at all, and keeps an access key where
// the English has one, and one only.
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Message {
    QString context, source, translation;
};

std::vector<Message> MessagesOf(const QString& path) {
    std::vector<Message> messages;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            message.context = context;
            message.translation = xml.readElementText();
            messages.push_back(message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QSet<QString> Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%[1-9][0-9]?"));
    QSet<QString> found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) found.insert(it.next().captured());
    return found;
}

// Single ampersands mark access keys; "&&" shows one.
int AccessKeys(QString text) {
    text.remove(QStringLiteral("&&"));
    // "&  " in running text is an ampersand a label shows as it is.
    static const QRegularExpression key(QStringLiteral("&(?=[^\\s&])"));
    return static_cast<int>(text.count(key));
}

class TranslationFile : public ::testing::TestWithParam<const char*> {};

TEST_P(TranslationFile, KeepsPlaceholdersAndAccessKeys) {
    const std::vector<Message> messages =
        MessagesOf(QStringLiteral(NYRA_TRANSLATIONS_DIR "/") + QString::fromLatin1(GetParam()));
    ASSERT_GT(messages.size(), 50u);
    for (const Message& m : messages) {
        const std::string where = m.context.toStdString() + ": " + m.source.toStdString();
        EXPECT_FALSE(m.translation.trimmed().isEmpty()) << where;
        EXPECT_EQ(Placeholders(m.translation), Placeholders(m.source))
            << where << " -> " << m.translation.toStdString();
        EXPECT_EQ(AccessKeys(m.translation), std::min(AccessKeys(m.source), 1))
            << where << " -> " << m.translation.toStdString();
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Hindi, TranslationFile, ::testing::Values("nyra_hi.ts", "qt_hi.ts"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });
// clang-format on

}  // namespace
