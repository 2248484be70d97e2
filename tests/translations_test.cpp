// The Italian translation source against the text constants, both ways:
// every constant has a finished Italian entry under its key, and every entry
// belongs to a constant. The list of constants is the one the functions are
// defined from.

#include "localize.h"

#include <QFile>
#include <QString>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace corvanta;

namespace {

struct Entry {
    std::string source;
    std::string translation;
    std::string type; // the translation's type attribute: "unfinished", "vanished", ... or ""
    int count = 0;    // how often the id occurs
};

struct Source {
    std::string error; // empty when the file was read
    std::map<std::string, Entry> entries;
};

Source read(const QString& path)
{
    Source result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = "cannot open " + path.toStdString();
        return result;
    }
    QXmlStreamReader xml(&file);
    Entry* current = nullptr;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message")) {
            current = &result.entries[xml.attributes().value("id").toString().toStdString()];
            ++current->count;
        } else if (current && xml.name() == QLatin1String("source")) {
            current->source = xml.readElementText().toStdString();
        } else if (current && xml.name() == QLatin1String("translation")) {
            current->type = xml.attributes().value("type").toString().toStdString();
            current->translation = xml.readElementText().toStdString();
        }
    }
    if (xml.hasError())
        result.error = path.toStdString() + ": " + xml.errorString().toStdString();
    return result;
}

const Source& italian()
{
    static const Source source = read(QStringLiteral(CORVANTA_IT_TS));
    return source;
}

} // namespace

namespace corvanta::Localize {
void PrintTo(const Constant& c, std::ostream* os) { *os << c.key; }
} // namespace corvanta::Localize

namespace {

class ItalianEntryOf : public ::testing::TestWithParam<Localize::Constant> {};

TEST_P(ItalianEntryOf, ConstantIsThereOnceAndFinished)
{
    const Localize::Constant& c = GetParam();
    ASSERT_EQ(italian().error, "");
    const auto found = italian().entries.find(c.key);
    ASSERT_NE(found, italian().entries.end()) << c.key << " has no Italian entry";
    const Entry& e = found->second;
    EXPECT_EQ(e.count, 1) << c.key << " has more than one entry";
    EXPECT_NE(e.translation, "") << c.key << " is not translated";
    EXPECT_EQ(e.type, "") << c.key << " is marked " << e.type;
    EXPECT_EQ(e.source, c.english) << c.key << "'s entry translates another text";
    // The constant reads that entry from the built table.
    EXPECT_EQ(c.read("it"), e.translation) << c.key;
}

INSTANTIATE_TEST_SUITE_P(EveryConstant,
                         ItalianEntryOf,
                         ::testing::ValuesIn(Localize::Constants()),
                         [](const auto& info) {
                             const std::string key = info.param.key;
                             return key.substr(key.find('.') + 1);
                         });

TEST(ItalianSource, EveryEntryBelongsToAConstant)
{
    ASSERT_EQ(italian().error, "");
    ASSERT_FALSE(italian().entries.empty()) << CORVANTA_IT_TS << " holds no entry";
    std::set<std::string> keys;
    for (const Localize::Constant& c : Localize::Constants())
        keys.insert(c.key);
    for (const auto& [id, entry] : italian().entries)
        EXPECT_TRUE(keys.count(id)) << "entry \"" << id << "\" (" << entry.source << ") belongs to no constant";
}

} // namespace
