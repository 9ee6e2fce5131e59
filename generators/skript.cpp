#include "generators/skript.h"

const std::vector<std::string>& Skript::radky(Udalost udalost) const {
    switch (udalost) {
    case Udalost::Create:
        return create;
    case Udalost::Step:
        return step;
    case Udalost::Draw:
        return draw;
    case Udalost::Alarm0:
        break;
    }
    return alarm0;
}
