#pragma once

// Placing a text by dragging it: the fields that place it get their numbers plus the distance.
// A field holding anything but a plain whole number is the author's expression and is kept.

#include <optional>
#include <string>

namespace nahled {

struct TextyPozice {
    std::string x, y;
    bool operator==(const TextyPozice&) const = default;
};

// Why a text placed by these fields cannot be dragged; nothing when it can.
std::optional<std::string> ProcNelzePosunout(const TextyPozice& texty);

// The fields' texts after a drag by (dx, dy) room pixels; nothing when one is an expression.
std::optional<TextyPozice> Posun(const TextyPozice& texty, int dx, int dy);

} // namespace nahled
