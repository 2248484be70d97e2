#include "system.h"

#include "picture.h"
#include "private/qtconversions.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QOperatingSystemVersion>
#include <QStringList>
#include <QTranslator>

#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <utility>
#include <vector>

namespace corvanta {
namespace {

std::atomic<std::int64_t> lookupCount{0};
std::atomic<std::int64_t> gestaltCount{0};

std::mutex& seamMutex()
{
    static std::mutex m;
    return m;
}
std::optional<std::string>& languageOverride()
{
    static std::optional<std::string> language;
    return language;
}
SystemClass::GestaltFunction& gestaltOverride()
{
    static SystemClass::GestaltFunction gestalt;
    return gestalt;
}

// A loaded localization table. QTranslator reads the bytes in place, so they
// live beside it.
struct Table {
    QByteArray bytes;
    QTranslator translator;
};

// Tables are kept once loaded; the texts themselves are looked up on every
// call. A table is looked for once: one that is missing or unreadable is
// remembered as such for the rest of the run, as a bundle's localizations do
// not change under a running application.
class TableCache {
public:
    const QTranslator* find(const QString& path)
    {
        std::lock_guard lock(mutex_);
        if (auto it = tables_.find(path); it != tables_.end())
            return &it->second->translator;
        if (misses_.count(path))
            return nullptr;
        ++opens_;
        QFile file(path);
        auto table = std::make_unique<Table>();
        if (file.open(QIODevice::ReadOnly))
            table->bytes = file.readAll();
        if (table->bytes.isEmpty()
            || !table->translator.load(reinterpret_cast<const uchar*>(table->bytes.constData()),
                                       static_cast<int>(table->bytes.size()))) {
            misses_.insert(path);
            return nullptr;
        }
        const QTranslator* result = &table->translator;
        tables_.emplace(path, std::move(table));
        return result;
    }

    std::int64_t opens()
    {
        std::lock_guard lock(mutex_);
        return opens_;
    }

private:
    std::mutex mutex_;
    std::map<QString, std::unique_ptr<Table>> tables_;
    std::set<QString> misses_;
    std::int64_t opens_ = 0;
};

TableCache& tableCache()
{
    static TableCache cache;
    return cache;
}

// "it", "it-IT", "it_IT.UTF-8" -> "it". Only letters make it into a file
// name; anything else gives "" (no table).
std::string languagePart(const std::string& code)
{
    std::string result;
    for (char c : code) {
        if (c == '-' || c == '_' || c == '.' || c == '@')
            break;
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return {};
        result += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return result;
}

QString tablePath(const std::string& language)
{
    return QDir(toQString(ResourcesFolder()))
        .filePath(QStringLiteral("translations/corvanta_%1.qm").arg(toQString(language)));
}

// The user's languages in order of preference (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG on Unix; the system's preferred languages on macOS).
std::vector<std::string> userLanguages()
{
    {
        std::lock_guard lock(seamMutex());
        if (languageOverride())
            return {languagePart(*languageOverride())};
    }
    std::vector<std::string> result;
    const QLocale locale = QLocale::system();
    QStringList names = locale.uiLanguages();
    names.append(locale.name());
    for (const QString& name : names) {
        std::string part = languagePart(toStdString(name));
        if (!part.empty() && std::find(result.begin(), result.end(), part) == result.end())
            result.push_back(std::move(part));
    }
    return result;
}

// The table for an explicit language, or for the user's first language that
// the bundle has a table for.
const QTranslator* tableFor(const std::string& language)
{
    if (!language.empty()) {
        const std::string part = languagePart(language);
        return part.empty() ? nullptr : tableCache().find(tablePath(part));
    }
    for (const std::string& part : userLanguages()) {
        if (part.empty())
            continue;
        if (const QTranslator* table = tableCache().find(tablePath(part)))
            return table;
    }
    return nullptr;
}

#ifdef Q_OS_MACOS
bool systemGestalt(const std::string& selector, std::int64_t& result)
{
    const QOperatingSystemVersion version = QOperatingSystemVersion::current();
    int part = -1;
    if (selector == "sys1")
        part = version.majorVersion();
    else if (selector == "sys2")
        part = version.minorVersion();
    else if (selector == "sys3")
        part = version.microVersion();
    else
        return false;
    if (part < 0)
        return false;
    result = part;
    return true;
}
#else
bool systemGestalt(const std::string&, std::int64_t&) { return false; }
#endif

} // namespace

std::string
SystemClass::GetLocalizedString(const std::string& key, const std::string& defaultText, const std::string& language)
{
    ++lookupCount;
    const QTranslator* table = tableFor(language);
    if (!table || key.empty())
        return defaultText;
    const QString text = table->translate(nullptr, key.c_str());
    if (text.isEmpty())
        return defaultText;
    return toStdString(text);
}

bool SystemClass::Gestalt(const std::string& selector, std::int64_t& result)
{
    ++gestaltCount;
    GestaltFunction gestalt;
    {
        std::lock_guard lock(seamMutex());
        gestalt = gestaltOverride();
    }
    if (gestalt)
        return gestalt(selector, result);
    return systemGestalt(selector, result);
}

void SystemClass::SetLanguageForTesting(std::optional<std::string> language)
{
    std::lock_guard lock(seamMutex());
    languageOverride() = std::move(language);
}

void SystemClass::SetGestaltForTesting(GestaltFunction gestalt)
{
    std::lock_guard lock(seamMutex());
    gestaltOverride() = std::move(gestalt);
}

std::int64_t SystemClass::LookupCount() { return lookupCount.load(); }

std::int64_t SystemClass::GestaltCount() { return gestaltCount.load(); }

std::int64_t SystemClass::TableOpenCount() { return tableCache().opens(); }

std::shared_ptr<SystemClass> System()
{
    static const auto system = std::make_shared<SystemClass>();
    return system;
}

} // namespace corvanta
