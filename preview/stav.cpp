#include "preview/stav.h"

#include <utility>

namespace nahled {

Stav::Stav() {
    promenne["room_speed"] = Hodnota{30.0};
    Pole alarmy(12);
    for (std::optional<Hodnota>& alarm : alarmy)
        alarm.emplace(-1.0);
    promenne["alarm"] = std::move(alarmy);
}

} // namespace nahled
