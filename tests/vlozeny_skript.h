#pragma once

// The pasted script and the events as values of the readers' test tables.

#include "vlozene_texty.h"

#include <QMetaType>

Q_DECLARE_METATYPE(VlozenySkript)
Q_DECLARE_METATYPE(generatory::Udalost)
