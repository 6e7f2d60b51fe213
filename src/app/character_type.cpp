#include "app/character_type.h"

#include <clocale>
#include <cstdlib>
#include <string>

#include <langinfo.h>
#include <strings.h>

namespace {
// The categories besides the character type that the C library reads one by
// one from the environment.
constexpr const char* OtherCategories[] = {"LC_COLLATE",   "LC_MONETARY", "LC_NUMERIC",     "LC_TIME",
                                           "LC_MESSAGES",  "LC_PAPER",    "LC_NAME",        "LC_ADDRESS",
                                           "LC_TELEPHONE", "LC_MEASUREMENT", "LC_IDENTIFICATION"};

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// What the C library, and Qt after it, take the character type from.
std::string askedCharacterType()
{
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"})
        if (std::string value = environment(name); !value.empty())
            return value;
    return "C";
}

// Leaves the process's character type at the locale when it is installed.
bool utf8CharacterType(const std::string& locale)
{
    if (!std::setlocale(LC_CTYPE, locale.c_str()))
        return false;
    const char* codeset = nl_langinfo(CODESET);
    return strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "utf8") == 0;
}
} // namespace

void keepCharacterTypeUtf8()
{
    const std::string asked = askedCharacterType();
    if (utf8CharacterType(asked))
        return;
    const std::string language = asked.substr(0, asked.find_first_of(".@"));
    std::string chosen;
    for (const std::string& candidate : {language + ".UTF-8", std::string("C.UTF-8")})
        if (chosen.empty() && utf8CharacterType(candidate))
            chosen = candidate;
    if (chosen.empty())
        return;
    // LC_ALL overrides every category: it is spread over the others so that
    // the character type alone can differ.
    if (const std::string all = environment("LC_ALL"); !all.empty()) {
        for (const char* category : OtherCategories)
            setenv(category, all.c_str(), 1);
        unsetenv("LC_ALL");
    }
    setenv("LC_CTYPE", chosen.c_str(), 1);
}
