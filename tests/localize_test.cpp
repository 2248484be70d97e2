#include "localize.h"
#include "picture.h"
#include "system.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <map>
#include <string>

using namespace corvanta;

namespace {

struct Constant {
    const char* name;
    std::string (*read)(const std::string&);
    const char* key;
    const char* english;
};

// Every constant with its key and English default, written out by hand so a
// slip in either shows up here.
const Constant kConstants[] = {
    {"kArchivio", &Localize::kArchivio, "Localize.kArchivio", "File"},
    {"kChiudi", &Localize::kChiudi, "Localize.kChiudi", "Close"},
    {"kEsci", &Localize::kEsci, "Localize.kEsci", "Quit"},
    {"kCompos", &Localize::kCompos, "Localize.kCompos", "Edit"},
    {"kAnnulla", &Localize::kAnnulla, "Localize.kAnnulla", "Undo"},
    {"kTaglia", &Localize::kTaglia, "Localize.kTaglia", "Cut"},
    {"kCopia", &Localize::kCopia, "Localize.kCopia", "Copy"},
    {"kIncolla", &Localize::kIncolla, "Localize.kIncolla", "Paste"},
    {"kCancella", &Localize::kCancella, "Localize.kCancella", "Clear"},
    {"kSelTutto", &Localize::kSelTutto, "Localize.kSelTutto", "Select all"},
    {"kFinestra", &Localize::kFinestra, "Localize.kFinestra", "Window"},
    {"kPriSer", &Localize::kPriSer, "Localize.kPriSer", "First Series"},
    {"kSecSer", &Localize::kSecSer, "Localize.kSecSer", "Second Series"},
    {"kAiuto", &Localize::kAiuto, "Localize.kAiuto", "Help"},
    {"kCorvantaRead", &Localize::kCorvantaRead, "Localize.kCorvantaRead", "Corvanta Read Me!"},
    {"kInfo", &Localize::kInfo, "Localize.kInfo", "About Corvanta"},
    {"kLett", &Localize::kLett, "Localize.kLett", "Code"},
    {"kNum", &Localize::kNum, "Localize.kNum", "Serial Number"},
    {"kVerifica", &Localize::kVerifica, "Localize.kVerifica", "Test"},
    {"kLaBanc", &Localize::kLaBanc, "Localize.kLaBanc", "The banknote"},
    {"kProvDa", &Localize::kProvDa, "Localize.kProvDa", "comes from"},
    {"kStampIn", &Localize::kStampIn, "Localize.kStampIn", "printed in"},
    {"kELaNum", &Localize::kELaNum, "Localize.kELaNum", "and the numbers"},
    {"kValida", &Localize::kValida, "Localize.kValida", "is Valid"},
    {"kNoValida", &Localize::kNoValida, "Localize.kNoValida", "is INVALID"},
    {"kMal", &Localize::kMal, "Localize.kMal", "Malta"},
    {"kCip", &Localize::kCip, "Localize.kCip", "Cyprus"},
    {"kSlo", &Localize::kSlo, "Localize.kSlo", "Slovenia"},
    {"kFin", &Localize::kFin, "Localize.kFin", "Finland"},
    {"kPor", &Localize::kPor, "Localize.kPor", "Portugal"},
    {"kAus", &Localize::kAus, "Localize.kAus", "Austria"},
    {"kPae", &Localize::kPae, "Localize.kPae", "Netherlands"},
    {"kLus", &Localize::kLus, "Localize.kLus", "Luxembourg"},
    {"kIta", &Localize::kIta, "Localize.kIta", "Italy"},
    {"kIrl", &Localize::kIrl, "Localize.kIrl", "Ireland"},
    {"kFra", &Localize::kFra, "Localize.kFra", "France"},
    {"kSpa", &Localize::kSpa, "Localize.kSpa", "Spain"},
    {"kGer", &Localize::kGer, "Localize.kGer", "Germany"},
    {"kGre", &Localize::kGre, "Localize.kGre", "Greece"},
    {"kBel", &Localize::kBel, "Localize.kBel", "Belgium"},
    {"kPol", &Localize::kPol, "Localize.kPol", "Poland"},
    {"kRegun", &Localize::kRegun, "Localize.kRegun", "United Kingdom"},
    {"kInfoWin1", &Localize::kInfoWin1, "Localize.kInfoWin1", "Version"},
    {"Language", &Localize::Language, "Localize.Language", "en"},
};

void PrintTo(const Constant& c, std::ostream* os) { *os << c.name; }

QString xmlEscape(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

QString lreleasePath()
{
    const QString bundled = QDir(QLibraryInfo::path(QLibraryInfo::BinariesPath)).filePath(QStringLiteral("lrelease"));
    if (QFile::exists(bundled))
        return bundled;
    for (const char* name : {"lrelease", "lrelease-qt6"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

// Writes <resources>/translations/corvanta_<language>.qm holding `texts`
// (key -> translation), compiled with the same tool as the bundle's tables.
bool writeTable(const QString& resources, const std::string& language, const std::map<std::string, std::string>& texts)
{
    const QString dir = QDir(resources).filePath(QStringLiteral("translations"));
    QDir().mkpath(dir);
    const QString base = QDir(dir).filePath(QStringLiteral("corvanta_%1").arg(QString::fromStdString(language)));
    QString ts = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                                "<TS version=\"2.1\" language=\"%1\">\n<context>\n<name></name>\n")
                     .arg(QString::fromStdString(language));
    for (const auto& [key, text] : texts)
        ts += QStringLiteral("<message id=\"%1\"><source>%1</source><translation>%2</translation></message>\n")
                  .arg(xmlEscape(key), xmlEscape(text));
    ts += QStringLiteral("</context>\n</TS>\n");
    QFile file(base + QStringLiteral(".ts"));
    if (!file.open(QIODevice::WriteOnly) || file.write(ts.toUtf8()) < 0)
        return false;
    file.close();

    const QString tool = lreleasePath();
    if (tool.isEmpty())
        return false;
    QProcess lrelease;
    lrelease.start(tool,
                   {QStringLiteral("-idbased"),
                    QStringLiteral("-silent"),
                    base + QStringLiteral(".ts"),
                    QStringLiteral("-qm"),
                    base + QStringLiteral(".qm")});
    return lrelease.waitForFinished(60000) && lrelease.exitStatus() == QProcess::NormalExit && lrelease.exitCode() == 0
        && QFile::exists(base + QStringLiteral(".qm"));
}

class LocalizeTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        SystemClass::SetLanguageForTesting(std::nullopt);
        SetResourcesFolderForTesting(CORVANTA_TEST_RESOURCES_DIR);
    }

    // A Resources folder of the test's own, empty until a test fills it.
    QString useOwnResources()
    {
        EXPECT_TRUE(root_.isValid());
        const QString resources = QDir(root_.path()).filePath(QStringLiteral("Resources"));
        QDir().mkpath(resources);
        SetResourcesFolderForTesting(resources.toStdString());
        return resources;
    }
    // The folder that holds that Resources folder.
    QString root() const { return root_.path(); }

private:
    QTemporaryDir root_;
};

class EveryConstant : public LocalizeTest, public ::testing::WithParamInterface<Constant> {};

TEST_P(EveryConstant, GivesItsEnglishDefaultWithoutATranslation)
{
    const Constant& c = GetParam();
    useOwnResources();
    SystemClass::SetLanguageForTesting("it");
    EXPECT_EQ(c.read({}), c.english);
    EXPECT_EQ(c.read("it"), c.english);
}

TEST_P(EveryConstant, ReadsItsOwnKey)
{
    const Constant& c = GetParam();
    const QString resources = useOwnResources();
    std::map<std::string, std::string> texts;
    for (const Constant& other : kConstants)
        texts[other.key] = std::string("xx:") + other.key;
    ASSERT_TRUE(writeTable(resources, "xx", texts));

    EXPECT_EQ(c.read("xx"), std::string("xx:") + c.key);
    SystemClass::SetLanguageForTesting("xx");
    EXPECT_EQ(c.read({}), std::string("xx:") + c.key);
}

TEST_P(EveryConstant, LooksUpAgainOnEveryRead)
{
    const Constant& c = GetParam();
    const QString resources = useOwnResources();
    SystemClass::SetLanguageForTesting("xx");
    const std::int64_t before = SystemClass::LookupCount();
    EXPECT_EQ(c.read({}), c.english);
    EXPECT_EQ(c.read({}), c.english);
    EXPECT_EQ(SystemClass::LookupCount(), before + 2);

    // Each read is a lookup of its own, but the language's table was looked
    // for once, at the first: one that turns up later is not searched for.
    ASSERT_TRUE(writeTable(resources, "xx", {{c.key, "nuovo"}}));
    EXPECT_EQ(c.read({}), c.english);
    EXPECT_EQ(SystemClass::LookupCount(), before + 3);
    // Another language's table is looked for at its own first read.
    ASSERT_TRUE(writeTable(resources, "yy", {{c.key, "nuovo"}}));
    SystemClass::SetLanguageForTesting("yy");
    EXPECT_EQ(c.read({}), "nuovo");
}

INSTANTIATE_TEST_SUITE_P(Localize,
                         EveryConstant,
                         ::testing::ValuesIn(kConstants),
                         [](const ::testing::TestParamInfo<Constant>& info) { return std::string(info.param.name); });

// A language's table is looked for once, not at every read: the English of
// the bundle has none, and the user's language may have none.

struct TableSearchCase {
    const char* name;
    const char* language;
    // Fills the test's own Resources folder; nothing: the bundle's.
    void (*arrange)(const QString& resources);
    const char* chiudi; // what kChiudi reads
};

void PrintTo(const TableSearchCase& c, std::ostream* os) { *os << c.name; }

void writeJunkTable(const QString& resources)
{
    QDir().mkpath(QDir(resources).filePath(QStringLiteral("translations")));
    QFile file(QDir(resources).filePath(QStringLiteral("translations/corvanta_xx.qm")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a table");
}

const TableSearchCase kTableSearchCases[] = {
    {"EnglishOfTheBundle", "en", nullptr, "Close"},
    {"ItalianOfTheBundle", "it", nullptr, "Chiudi"},
    {"NoTranslationsFolder", "xx", [](const QString&) {}, "Close"},
    {"NoTableInTheFolder",
     "xx",
     [](const QString& resources) {
         ASSERT_TRUE(writeTable(resources, "yy", {{"Localize.kChiudi", "yy"}}));
     },
     "Close"},
    {"UnreadableTable", "xx", writeJunkTable, "Close"},
    {"TableOfTheLanguage",
     "xx",
     [](const QString& resources) {
         ASSERT_TRUE(writeTable(resources, "xx", {{"Localize.kChiudi", "xx"}}));
     },
     "xx"},
};

class TableSearch : public LocalizeTest, public ::testing::WithParamInterface<TableSearchCase> {
protected:
    // Reads every constant, for the user's language and by name.
    void readAll(int times)
    {
        for (int i = 0; i < times; ++i)
            for (const Constant& c : kConstants) {
                c.read({});
                c.read(GetParam().language);
            }
    }
};

TEST_P(TableSearch, OpensNoMoreTablesHoweverManyTheReads)
{
    const TableSearchCase& c = GetParam();
    if (c.arrange) {
        ASSERT_NO_FATAL_FAILURE(c.arrange(useOwnResources()));
    }
    SystemClass::SetLanguageForTesting(c.language);
    const std::int64_t opensBefore = SystemClass::TableOpenCount();
    readAll(1);
    const std::int64_t opensOnce = SystemClass::TableOpenCount();
    EXPECT_LE(opensOnce - opensBefore, 1);

    const std::int64_t lookupsBefore = SystemClass::LookupCount();
    readAll(5);
    EXPECT_EQ(SystemClass::TableOpenCount(), opensOnce);
    // Every read is still a lookup of its own.
    EXPECT_EQ(SystemClass::LookupCount(), lookupsBefore + 5 * 2 * static_cast<std::int64_t>(std::size(kConstants)));
    EXPECT_EQ(Localize::kChiudi(), c.chiudi);
    EXPECT_EQ(Localize::kChiudi(c.language), c.chiudi);
}

INSTANTIATE_TEST_SUITE_P(Localize, TableSearch, ::testing::ValuesIn(kTableSearchCases), [](const auto& info) {
    return std::string(info.param.name);
});

// Written over in place, a table that could not be read is read again, its
// folder unchanged. The times are set, so the clock's grain does not matter.
TEST(LocalizeTable, ListsFortyFourConstants)
{
    // The table above is the whole module; a constant missing from it would go untested.
    EXPECT_EQ(std::size(kConstants), 44u);
}

TEST_F(LocalizeTest, ItalianTableTranslates)
{
    SystemClass::SetLanguageForTesting("it");
    EXPECT_EQ(Localize::Language(), "it");
    EXPECT_EQ(Localize::kChiudi(), "Chiudi");
    // Asking for Italian by name works whatever the user's language.
    SystemClass::SetLanguageForTesting("en");
    EXPECT_EQ(Localize::Language("it"), "it");
    EXPECT_EQ(Localize::kChiudi("it"), "Chiudi");
    EXPECT_EQ(Localize::kChiudi(), "Close");
}

TEST_F(LocalizeTest, KeyMissingFromTheItalianTableGivesTheDefault)
{
    EXPECT_EQ(System()->GetLocalizedString("Localize.kNoSuchKey", "Default", "it"), "Default");
    EXPECT_EQ(System()->GetLocalizedString("", "Default", "it"), "Default");
}

TEST_F(LocalizeTest, EmptyOrMissingTranslationGivesTheDefault)
{
    const QString resources = useOwnResources();
    ASSERT_TRUE(writeTable(resources, "xx", {{"Localize.kChiudi", ""}, {"Localize.kEsci", "Esci!"}}));
    EXPECT_EQ(Localize::kChiudi("xx"), "Close");
    EXPECT_EQ(Localize::kEsci("xx"), "Esci!");
    EXPECT_EQ(Localize::kValida("xx"), "is Valid");
}

TEST_F(LocalizeTest, NonAsciiTranslationComesBackAsUtf8)
{
    const QString resources = useOwnResources();
    ASSERT_TRUE(writeTable(resources, "xx", {{"Localize.kInfo", "Informazioni su Corvanta… è"}}));
    EXPECT_EQ(Localize::kInfo("xx"), "Informazioni su Corvanta… è");
}

struct CorruptCase {
    const char* name;
    QByteArray bytes;
};

void PrintTo(const CorruptCase& c, std::ostream* os) { *os << c.name; }

class CorruptTable : public LocalizeTest, public ::testing::WithParamInterface<CorruptCase> {};

TEST_P(CorruptTable, FallsBackToTheDefaults)
{
    const QString resources = useOwnResources();
    QDir().mkpath(QDir(resources).filePath(QStringLiteral("translations")));
    QFile file(QDir(resources).filePath(QStringLiteral("translations/corvanta_it.qm")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().bytes);
    file.close();

    SystemClass::SetLanguageForTesting("it");
    EXPECT_EQ(Localize::Language(), "en");
    EXPECT_EQ(Localize::kChiudi(), "Close");
    EXPECT_EQ(Localize::kSelTutto("it"), "Select all");
}

const CorruptCase kCorruptCases[] = {
    {"Junk", QByteArray("this is not a translation table at all")},
    {"Empty", QByteArray()},
    // The right magic number followed by garbage.
    {"BadBody", QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd") + QByteArray(64, '\xff')},
};

INSTANTIATE_TEST_SUITE_P(Localize, CorruptTable, ::testing::ValuesIn(kCorruptCases), [](const auto& info) {
    return std::string(info.param.name);
});

TEST_F(LocalizeTest, DirectoryInPlaceOfATableGivesTheDefaults)
{
    const QString resources = useOwnResources();
    QDir().mkpath(QDir(resources).filePath(QStringLiteral("translations/corvanta_it.qm")));
    EXPECT_EQ(Localize::kChiudi("it"), "Close");
}

TEST_F(LocalizeTest, LanguageCodesThatAreNotPlainLettersFindNoTable)
{
    const QString resources = useOwnResources();
    ASSERT_TRUE(writeTable(resources, "xx", {{"Localize.kChiudi", "Chiudi"}}));
    // A table outside the translations folder must not be reachable through the code.
    ASSERT_TRUE(writeTable(root(), "yy", {{"Localize.kChiudi", "fuori"}}));
    for (const char* code : {"../yy", "../../translations/corvanta_yy", "x/x", "..", "x x", "yy/../xx"})
        EXPECT_EQ(Localize::kChiudi(code), "Close") << code;
    // Region and encoding are not part of the table's name.
    EXPECT_EQ(Localize::kChiudi("xx_CH.UTF-8"), "Chiudi");
    EXPECT_EQ(Localize::kChiudi("XX-ch"), "Chiudi");
}

TEST_F(LocalizeTest, EmptyLanguageFollowsTheSeam)
{
    SystemClass::SetLanguageForTesting("it");
    EXPECT_EQ(Localize::Language(""), "it");
    EXPECT_EQ(Localize::kEsci(), Localize::kEsci("it"));
    SystemClass::SetLanguageForTesting("en");
    EXPECT_EQ(Localize::Language(""), "en");
    EXPECT_EQ(Localize::kEsci(), "Quit");
    SystemClass::SetLanguageForTesting("it_IT");
    EXPECT_EQ(Localize::Language(""), "it");
}

// The user's language from the environment, as a fresh process sees it.
// The parent test below runs this binary again with only this probe.
constexpr const char* kProbeVariable = "CORVANTA_LOCALIZE_PROBE";

class EnvironmentProbe : public ::testing::Test {
public:
    void TestBody() override
    {
        std::cout << "PROBE Language=" << Localize::Language() << "\n"
                  << "PROBE kChiudi=" << Localize::kChiudi() << "\n";
    }
};

const bool probeRegistered = [] {
    if (std::getenv(kProbeVariable))
        ::testing::RegisterTest(
            "LocalizeEnvironmentProbe", "Print", nullptr, nullptr, __FILE__, __LINE__, []() -> ::testing::Test* {
                return new EnvironmentProbe;
            });
    return true;
}();

struct EnvironmentCase {
    const char* name;
    std::map<std::string, std::string> variables;
    const char* language;
    const char* chiudi;
};

void PrintTo(const EnvironmentCase& c, std::ostream* os) { *os << c.name; }

class EmptyLanguage : public ::testing::TestWithParam<EnvironmentCase> {};

TEST_P(EmptyLanguage, FollowsTheEnvironment)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QString::fromLatin1(name));
    for (const auto& [name, value] : GetParam().variables)
        env.insert(QString::fromStdString(name), QString::fromStdString(value));
    env.insert(QString::fromLatin1(kProbeVariable), QStringLiteral("1"));
    env.insert(QStringLiteral("CORVANTA_TEST_CALLERS_LOCALE"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QProcess probe;
    probe.setProcessEnvironment(env);
    probe.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=LocalizeEnvironmentProbe.Print")});
    ASSERT_TRUE(probe.waitForFinished(60000));
    ASSERT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
    const std::string out = probe.readAllStandardOutput().toStdString();
    EXPECT_NE(out.find(std::string("PROBE Language=") + GetParam().language + "\n"), std::string::npos) << out;
    EXPECT_NE(out.find(std::string("PROBE kChiudi=") + GetParam().chiudi + "\n"), std::string::npos) << out;
}

const EnvironmentCase kEnvironmentCases[] = {
    {"ItalianLang", {{"LANG", "it_IT.UTF-8"}}, "it", "Chiudi"},
    {"SwissItalianLang", {{"LANG", "it_CH.UTF-8"}}, "it", "Chiudi"},
    {"EnglishLang", {{"LANG", "en_US.UTF-8"}}, "en", "Close"},
    {"LanguageWithoutTable", {{"LANG", "de_DE.UTF-8"}}, "en", "Close"},
    {"LcAllWins", {{"LANG", "en_US.UTF-8"}, {"LC_ALL", "it_IT.UTF-8"}}, "it", "Chiudi"},
    // The first preferred language the bundle has a table for.
    {"PreferenceList", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "de:it"}}, "it", "Chiudi"},
    {"CLocale", {{"LANG", "C.UTF-8"}}, "en", "Close"},
};

INSTANTIATE_TEST_SUITE_P(Localize, EmptyLanguage, ::testing::ValuesIn(kEnvironmentCases), [](const auto& info) {
    return std::string(info.param.name);
});

} // namespace
