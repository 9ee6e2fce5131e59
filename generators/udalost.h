#pragma once

// The events of the target engine's object that the generators write and the preview runs.
enum class Udalost { Create, Step, Draw, Alarm0 };
