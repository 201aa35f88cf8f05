#pragma once
// Names, groups and permitted values of the record's fields, for tools that
// fill or print the record by name.

#include "Lohn_Var.h"

#include <span>
#include <string_view>
#include <variant>

namespace brenvik {

struct FeldInfo {
    std::string_view name;
    FeldGruppe gruppe;
    FeldRegel regel;
    std::variant<byte LohnVar::*, std::int32_t LohnVar::*, std::int64_t LohnVar::*, Zahl LohnVar::*,
                 std::string LohnVar::*>
        feld;
};

std::span<const FeldInfo> lohnVarFelder();
const FeldInfo* findeFeld(std::string_view name);

} // namespace brenvik
