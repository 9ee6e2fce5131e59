#include "jazyk/stav.h"

#include <utility>

namespace nahled {

Stav::Stav() {
    promenne["room_speed"] = Hodnota{30.0};
    Pole alarmy(1, std::vector<std::optional<Hodnota>>(12));
    for (std::optional<Hodnota>& alarm : alarmy[0])
        alarm.emplace(-1.0);
    promenne["alarm"] = std::move(alarmy);
}

void Stav::pridejZpravu(Zprava::Druh druh, std::string text, std::optional<MistoChyby> misto) {
    if (zpravy.size() < NejvicZprav)
        zpravy.push_back({druh, std::move(text), std::move(misto)});
    else if (zpravy.size() == NejvicZprav)
        zpravy.push_back({Zprava::Druh::Chyba, "další zprávy náhled vynechal"});
}

} // namespace nahled
