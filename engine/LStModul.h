#pragma once
// One wage-tax module: the flowchart of one year (or of part of a year).

#include "Lohn_Var.h"

#include <span>
#include <string_view>

namespace brenvik {

class LStModul {
public:
    virtual ~LStModul() = default;
    virtual std::string_view name() const = 0;
    // Reads its inputs from the record and writes its results into it.
    virtual void Lohnsteuer(LohnVar& lv) = 0;
    // The output fields of the record this module writes, in record order.
    virtual std::span<const std::string_view> ausgaben() const = 0;
};

} // namespace brenvik
