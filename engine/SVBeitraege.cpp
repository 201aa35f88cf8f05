#include "SVBeitraege.h"

#include "sv/SVRoutinen.h"

#include <array>

namespace brenvik {

namespace {
template <int Jahr> void svBeitraege(LohnVar& lv, int modus) {
    if constexpr (Jahr <= 2004)
        sv::svBis2004(lv, modus, Jahr);
    else
        sv::svAb2005(lv, modus, Jahr);
}

template <int... I>
constexpr std::array<SVRoutine, sizeof...(I)> tabelle(std::integer_sequence<int, I...>) {
    return {&svBeitraege<2000 + I>...};
}
constexpr auto kRoutinen = tabelle(std::make_integer_sequence<int, 25>{});
} // namespace

SVRoutine svRoutine(int jahr) {
    if (jahr < 2000 || jahr > 2024) return nullptr;
    return kRoutinen[std::size_t(jahr - 2000)];
}

} // namespace brenvik
