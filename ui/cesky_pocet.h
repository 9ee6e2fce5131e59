#pragma once

#include <QString>

// A count with its noun in the form Czech gives that count: "1 řádek", "3 řádky", "12 řádků".
QString CeskyPocet(qsizetype pocet, const char* jeden, const char* dva, const char* pet);
