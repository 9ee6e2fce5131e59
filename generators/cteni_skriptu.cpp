#include "generators/cteni_skriptu.h"

#include "generators/ctene_pole.h"
#include "generators/poznej_kod.h"
#include "generators/ukazka.h"

#include <array>

namespace {

constexpr std::array<Generator, 4> generatory{Generator::Menu, Generator::Nastaveni,
                                              Generator::Highskore, Generator::Titulky};

constexpr std::array udalostiMenu{Udalost::Create, Udalost::Step, Udalost::Draw};
constexpr std::array udalostiHighskore{Udalost::Draw};
constexpr std::array udalostiTitulku{Udalost::Create, Udalost::Alarm0, Udalost::Draw};

bool jePrazdny(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

OdmitnutiCteni odmitnutiPole(Udalost udalost, std::string zprava) {
    return {std::move(zprava), udalost, 1};
}

// The refusal for a box that holds what another box or another tab should get.
std::optional<OdmitnutiCteni> ciziKod(Generator generator, Udalost udalost, std::string_view text) {
    const std::string pole(TitulekUdalosti(udalost));
    for (Generator jiny : generatory) {
        for (Udalost jina : UdalostiGeneratoru(jiny)) {
            if ((jiny == generator && jina == udalost) || !VypadaJako(jiny, jina, text))
                continue;
            const std::string kod(TitulekUdalosti(jina));
            if (jiny == generator)
                return odmitnutiPole(udalost, "V poli " + pole + " je kód události " + kod +
                                                  ". Vložte ho do pole " + kod + ".");
            const std::string zalozka(NazevZalozky(jiny));
            return odmitnutiPole(udalost, "V poli " + pole + " je kód události " + kod +
                                              " ze záložky " + zalozka +
                                              ". Načtěte ho na záložce " + zalozka + ".");
        }
    }
    return std::nullopt;
}

} // namespace

namespace {

constexpr std::array<std::string_view VlozenyKod::*, udalosti.size()> textyUdalosti{
    &VlozenyKod::create, &VlozenyKod::step, &VlozenyKod::draw, &VlozenyKod::alarm0};

} // namespace

std::string_view VlozenyKod::text(Udalost udalost) const {
    return this->*textyUdalosti[static_cast<std::size_t>(udalost)];
}

std::string_view& VlozenyKod::text(Udalost udalost) {
    return this->*textyUdalosti[static_cast<std::size_t>(udalost)];
}

std::string_view NazevZalozky(Generator generator) {
    switch (generator) {
    case Generator::Menu:
        return "Menu";
    case Generator::Nastaveni:
        return "Nastavení";
    case Generator::Highskore:
        return "HighSkóre";
    case Generator::Titulky:
        break;
    }
    return "Titulky";
}

std::span<const Udalost> UdalostiGeneratoru(Generator generator) {
    switch (generator) {
    case Generator::Menu:
    case Generator::Nastaveni:
        return udalostiMenu;
    case Generator::Highskore:
        return udalostiHighskore;
    case Generator::Titulky:
        break;
    }
    return udalostiTitulku;
}

std::optional<OdmitnutiCteni> ZkontrolujVlozeni(Generator generator, const VlozenyKod& kod) {
    bool vseprazdne = true;
    for (Udalost udalost : UdalostiGeneratoru(generator)) {
        const std::string_view text = kod.text(udalost);
        if (jePrazdny(text))
            continue;
        vseprazdne = false;
        if (VypadaJako(generator, udalost, text))
            continue;
        if (JeBinarni(text))
            return odmitnutiPole(udalost, "Pole " + std::string(TitulekUdalosti(udalost)) +
                                              " neobsahuje text skriptu, ale binární data.");
        if (auto odmitnuti = ciziKod(generator, udalost, text))
            return odmitnuti;
    }
    if (vseprazdne)
        return OdmitnutiCteni{"Pole jsou prázdná. Vložte do nich kód událostí tak, jak je ve hře.",
                              std::nullopt, 0};
    return std::nullopt;
}

std::optional<OdmitnutiCteni> Porovnej(Generator generator, const Skript& znovu,
                                       const VlozenyKod& kod) {
    if (znovu.odmitnuti || znovu.chyba)
        return OdmitnutiCteni{"Z tohoto skriptu nejde sestavit formulář, který by ho napsal: " +
                                  (znovu.odmitnuti ? *znovu.odmitnuti : znovu.chyba->zprava),
                              std::nullopt, 0};
    std::optional<OdmitnutiCteni> odmitnuti;
    for (Udalost udalost : UdalostiGeneratoru(generator)) {
        CtenePole pole(udalost, kod.text(udalost), odmitnuti);
        for (const std::string& radek : znovu.radky(udalost))
            if (!pole.vezmiPresne(radek))
                return odmitnuti;
        pole.ocekavejKonec();
        if (odmitnuti)
            return odmitnuti;
    }
    return std::nullopt;
}
