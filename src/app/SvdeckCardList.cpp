#include "app/SvdeckCardList.h"

#include "app/AppPaths.h"
#include "catalogue/CardListLoader.h"

namespace svdb {

SvdeckCardList SvdeckCardList::From(const CommandArguments& arguments,
                                    const std::string& programDir) {
    SvdeckCardList list{AppPaths::SvdeckCardList(programDir), std::nullopt};
    for (const auto& [option, value] : arguments.options) {
        if (option != "--list") continue;
        if (value.empty()) {
            list.error = "--list needs a file name";
            break;
        }
        list.path = value;
    }
    return list;
}

std::unique_ptr<CardTable> SvdeckCardList::load(std::string& error) const {
    auto table = std::make_unique<CardTable>();
    if (const LoadOutcome outcome = LoadCardList(*table, path); !outcome.opened) {
        error = "cannot read card list '" + path + "': " + outcome.readFault.reason();
        return nullptr;
    }
    return table;
}

}  // namespace svdb
