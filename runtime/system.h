#pragma once

#include <functional>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace corvanta {

class SystemClass {
public:
    // The key's text in the localization of `language` ("" is the user's
    // current language), or `defaultText` when that localization lacks the
    // key or has no readable table. Never fails, never gives "" for a key
    // whose default is not "".
    std::string GetLocalizedString(const std::string& key, const std::string& defaultText, const std::string& language);

    // Asks the system for a value by four-character selector ("sys1",
    // "sys2", "sys3": the parts of the system version). True when it has
    // set `result`. Off macOS, and for unknown selectors, False.
    bool Gestalt(const std::string& selector, std::int64_t& result);

    // Test seams: the user's current language ("it", "en"; nothing = ask the
    // system), and what Gestalt answers (an empty function = the real system).
    static void SetLanguageForTesting(std::optional<std::string> language);
    using GestaltFunction = std::function<bool(const std::string& selector, std::int64_t& result)>;
    static void SetGestaltForTesting(GestaltFunction gestalt);
    // Counts of lookups, Gestalt calls and attempts to open a localization
    // table made so far.
    static std::int64_t LookupCount();
    static std::int64_t GestaltCount();
    static std::int64_t TableOpenCount();
};

// The system object.
std::shared_ptr<SystemClass> System();

} // namespace corvanta
