#pragma once

// How a tab shows what its generator returned: a refusal in the refusal box with the panes
// untouched; otherwise every pane of the block filled, and an error, if one stopped the
// generator, in the error box.

class BlokPanelu;
class QWidget;
namespace generatory {
struct Skript;
}

// False when the generator refused.
bool UkazSkript(const generatory::Skript& skript, BlokPanelu* panely, QWidget* rodic);
