#include "stav.h"

namespace nahled {

Stav::Stav() {
    promenne["room_speed"] = Hodnota{30.0};
    promenne["alarm"] = Pole(12, Hodnota{-1.0});
}

} // namespace nahled
