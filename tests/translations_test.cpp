// The Italian translation source against the text constants and the
// framework's own texts, both ways: each has a finished Italian entry under
// its key, and every entry belongs to one of them. The lists are the ones the
// functions are defined from.

#include "frameworktexts.h"
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

namespace corvanta {
void PrintTo(const FrameworkText& t, std::ostream* os) { *os << t.key; }
} // namespace corvanta

namespace {

// The entry of `key` is there once, finished, and translates `english`; the
// text read in Italian is that entry's, from the built table. Gives the entry.
const Entry* expectFinishedEntry(const char* key, const char* english, const std::string& readInItalian)
{
    EXPECT_EQ(italian().error, "");
    const auto found = italian().entries.find(key);
    if (found == italian().entries.end()) {
        ADD_FAILURE() << key << " has no Italian entry";
        return nullptr;
    }
    const Entry& e = found->second;
    EXPECT_EQ(e.count, 1) << key << " has more than one entry";
    EXPECT_NE(e.translation, "") << key << " is not translated";
    EXPECT_EQ(e.type, "") << key << " is marked " << e.type;
    EXPECT_EQ(e.source, english) << key << "'s entry translates another text";
    EXPECT_EQ(readInItalian, e.translation) << key;
    return &e;
}

class ItalianEntryOf : public ::testing::TestWithParam<Localize::Constant> {};

TEST_P(ItalianEntryOf, ConstantIsThereOnceAndFinished)
{
    const Localize::Constant& c = GetParam();
    ASSERT_EQ(italian().error, "");
    expectFinishedEntry(c.key, c.english, c.read("it"));
}

INSTANTIATE_TEST_SUITE_P(EveryConstant,
                         ItalianEntryOf,
                         ::testing::ValuesIn(Localize::Constants()),
                         [](const auto& info) {
                             const std::string key = info.param.key;
                             return key.substr(key.find('.') + 1);
                         });

class ItalianEntryOfFrameworkText : public ::testing::TestWithParam<FrameworkText> {};

// The framework fills in its texts' place markers, so the translation keeps
// every one of them.
TEST_P(ItalianEntryOfFrameworkText, IsThereOnceFinishedAndKeepsItsPlaceMarkers)
{
    const FrameworkText& t = GetParam();
    ASSERT_EQ(italian().error, "");
    const Entry* e = expectFinishedEntry(t.key, t.english, Localized(t, "it"));
    ASSERT_NE(e, nullptr);
    for (const char* marker : {"%1", "%2"}) {
        const auto count = [&](const std::string& text) {
            std::size_t n = 0;
            for (auto at = text.find(marker); at != std::string::npos; at = text.find(marker, at + 1))
                ++n;
            return n;
        };
        EXPECT_EQ(count(e->translation), count(t.english)) << t.key << ": " << marker;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFrameworkText,
                         ItalianEntryOfFrameworkText,
                         ::testing::ValuesIn(FrameworkTexts()),
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
    for (const FrameworkText& t : FrameworkTexts())
        keys.insert(t.key);
    for (const auto& [id, entry] : italian().entries)
        EXPECT_TRUE(keys.count(id)) << "entry \"" << id << "\" (" << entry.source
                                    << ") belongs to no constant and no framework text";
}

} // namespace
