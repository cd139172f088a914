#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <string>

#include "DeckTestSupport.h"
#include "files/DeckXml.h"
#include "text/FileBytes.h"

namespace svdb {
namespace {

// What a namespace-aware parse of an exported document finds. The reader
// decodes the bytes by the document's own encoding declaration.
struct Parsed {
    QString error;  // empty for a well-formed document
    QStringList instructions;
    QString title;
    QStringList cardNames;
    QStringList cardTexts;
};

Parsed Parse(const std::string& bytes) {
    QXmlStreamReader reader(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    EXPECT_TRUE(reader.namespaceProcessing());
    Parsed parsed;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::ProcessingInstruction) {
            parsed.instructions << reader.processingInstructionTarget().toString();
        } else if (token == QXmlStreamReader::StartElement) {
            const auto name = reader.name();
            if (name == u"title") parsed.title = reader.readElementText();
            if (name == u"cardName") parsed.cardNames << reader.readElementText();
            if (name == u"cardText") parsed.cardTexts << reader.readElementText();
        }
    }
    if (reader.hasError())
        parsed.error = reader.errorString() + " at line " + QString::number(reader.lineNumber());
    return parsed;
}

// Each value stands on a line of its own inside its element.
QString OnItsLine(const char* text) {
    return "\n" + QString::fromUtf8(text) + "\n";
}

TEST(ExportParseTest, GoldenDocumentIsWellFormed) {
    const auto bytes = ReadFileBytes(SVDB_TEST_DATA_DIR "/files/export_deck.xml");
    ASSERT_TRUE(bytes.has_value());
    const Parsed parsed = Parse(*bytes);
    EXPECT_EQ(parsed.error, QString());
    EXPECT_EQ(parsed.instructions, QStringList{"xml-stylesheet"});
    EXPECT_EQ(parsed.title, OnItsLine("A&B <星> \"影\""));
    EXPECT_EQ(parsed.cardNames,
              (QStringList{OnItsLine("ヴァルナ"), OnItsLine("エルザ"), OnItsLine("逆襲の号令")}));
}

// Texts that would break the markup read back as written, as title, card name
// and card text alike.
TEST(ExportParseTest, EveryTextReadsBack) {
    struct Case {
        const char* text;
        const char* read;
    };
    // clang-format off
    const Case cases[] = {
        {"",                          ""},
        {"A&B <C> \"D\" 'E'",         "A&B <C> \"D\" 'E'"},
        {"]]> &amp; <!-- x -->",      "]]> &amp; <!-- x -->"},
        {"<?pi x?><![CDATA[y]]></a>", "<?pi x?><![CDATA[y]]></a>"},
        {"①～－Ⅱ",                    "①～－Ⅱ"},
        {"星\x01影\x1b",              "星?影?"},
    };
    // clang-format on
    for (const Case& c : cases) {
        CardTable table = testing::MakeTestTable();
        const CardRef ref = testing::Ref("U-1");
        table.at(ref.slot, ref.row).front.name = c.text;
        table.at(ref.slot, ref.row).front.text = c.text;
        const DeckEntry entry = testing::Entry("連邦", "U-1", c.text, 3);
        const Parsed parsed = Parse(DeckXmlBytes({c.text, {&entry, 1}, 3, &table}));
        EXPECT_EQ(parsed.error, QString()) << c.text;
        EXPECT_EQ(parsed.title, OnItsLine(c.read)) << c.text;
        EXPECT_EQ(parsed.cardNames, QStringList{OnItsLine(c.read)}) << c.text;
        EXPECT_EQ(parsed.cardTexts, QStringList{OnItsLine(c.read)}) << c.text;
    }
}

}  // namespace
}  // namespace svdb
