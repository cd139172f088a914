#include "catalogue/FactionNames.h"

#include "catalogue/StringTable.h"

namespace svdb {

namespace {

// Faction name string id and its three-character short form.
struct ShortForm {
    int longId;
    std::string_view shortName;
};

constexpr ShortForm kShortForms[] = {
    {103, "ティタ"},
    {104, "ネオジ"},
    {108, "ザンス"},
    {109, "クロス"},
};

}  // namespace

std::string ShortFactionName(std::string_view faction) {
    for (const ShortForm& form : kShortForms) {
        if (faction == StringTable::text(form.longId)) return std::string(form.shortName);
    }
    return std::string(faction);
}

std::string LongFactionName(std::string_view faction) {
    for (const ShortForm& form : kShortForms) {
        if (faction == form.shortName) return std::string(StringTable::text(form.longId));
    }
    return std::string(faction);
}

std::vector<std::string_view> ShortenedFactionNames() {
    std::vector<std::string_view> names;
    for (const ShortForm& form : kShortForms) names.push_back(StringTable::text(form.longId));
    return names;
}

}  // namespace svdb
