// The committed translations as the program uses them: every translation
// fills the same %1, %2 ... as its English, since arg() would otherwise put
// a value in the wrong place or none at all, in the English order unless its
// translator says otherwise, and keeps an access key where the English has
// one, and one only. Opposite directions stay apart.
#include <QDir>
#include <QFile>
#include <QMultiHash>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Message {
    QString context, source, comment, translatorComment, translation;
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
        } else if (xml.name() == u"message") {
            message = {};
        } else if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"comment") {
            message.comment = xml.readElementText();
        } else if (xml.name() == u"translatorcomment") {
            message.translatorComment = xml.readElementText();
        } else if (xml.name() == u"translation") {
            message.context = context;
            message.translation = xml.readElementText();
            messages.push_back(message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QStringList PlaceholderOrder(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%[1-9][0-9]?"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) found.append(it.next().captured());
    return found;
}
QSet<QString> Placeholders(const QString& text) {
    const QStringList order = PlaceholderOrder(text);
    return {order.begin(), order.end()};
}

// The order a translation fills its values in: the English one, or where
// the language's grammar wants another, the one its translator comment
// gives ("Order: %2 %1"). Two values swapped by mistake show either way.
QStringList IntendedOrder(const Message& m) {
    static const QRegularExpression declared(QStringLiteral("^Order:.*$"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch order = declared.match(m.translatorComment);
    return PlaceholderOrder(order.hasMatch() ? order.captured() : m.source);
}

// Single ampersands mark access keys; "&&" shows one.
int AccessKeys(QString text) {
    text.remove(QStringLiteral("&&"));
    // "&  " in running text is an ampersand a label shows as it is.
    static const QRegularExpression key(QStringLiteral("&(?=[^\\s&])"));
    return static_cast<int>(text.count(key));
}

class TranslationFile : public ::testing::TestWithParam<std::string> {};

TEST_P(TranslationFile, KeepsPlaceholdersAndAccessKeys) {
    const std::vector<Message> messages =
        MessagesOf(QStringLiteral(NYRA_TRANSLATIONS_DIR "/") + QString::fromStdString(GetParam()));
    ASSERT_GT(messages.size(), 50u);
    for (const Message& m : messages) {
        const std::string where = m.context.toStdString() + ": " + m.source.toStdString();
        EXPECT_FALSE(m.translation.trimmed().isEmpty()) << where;
        EXPECT_EQ(Placeholders(m.translation), Placeholders(m.source))
            << where << " -> " << m.translation.toStdString();
        EXPECT_EQ(PlaceholderOrder(m.translation), IntendedOrder(m))
            << where << " -> " << m.translation.toStdString() << " (a new order is confirmed by a translator "
            << "comment \"Order: ...\")";
        EXPECT_EQ(AccessKeys(m.translation), std::min(AccessKeys(m.source), 1))
            << where << " -> " << m.translation.toStdString();
    }
}

// Opposite directions by their words ("East") and by the letters a
// coordinate is written with ("E", whose comment is "east"): each pair is
// told apart, and each letter begins its own word, so that a pair swapped
// in one place shows.
TEST_P(TranslationFile, KeepsOppositeDirectionsApart) {
    QMultiHash<QString, QString> words, letters;
    for (const Message& m : MessagesOf(QStringLiteral(NYRA_TRANSLATIONS_DIR "/") + QString::fromStdString(GetParam()))) {
        words.insert(m.source, m.translation);
        if (!m.comment.isEmpty()) letters.insert(m.comment, m.translation);
    }
    const auto saying = [&](const QString& direction) {
        for (const QString& word : words.values(direction))
            for (const QString& letter : letters.values(direction.toLower()))
                EXPECT_TRUE(word.startsWith(letter)) << direction.toStdString() << ": " << word.toStdString();
        return words.values(direction) + letters.values(direction.toLower());
    };
    for (const auto& [one, other] : {std::pair{"North", "South"}, std::pair{"East", "West"}})
        for (const QString& a : saying(QString::fromLatin1(one)))
            for (const QString& b : saying(QString::fromLatin1(other))) EXPECT_NE(a, b) << one << " and " << other;
}

// Every catalogue of the program's and of Qt's words, each language's.
std::vector<std::string> Catalogues() {
    std::vector<std::string> names;
    for (const QString& name : QDir(QStringLiteral(NYRA_TRANSLATIONS_DIR)).entryList({QStringLiteral("*.ts")}))
        names.push_back(name.toStdString());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, TranslationFile, ::testing::ValuesIn(Catalogues()), [](const auto& info) {
    return info.param.substr(0, info.param.find('.'));
});

}  // namespace
