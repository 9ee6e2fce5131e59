#include "app/ukaz_skript.h"

#include "generators/skript.h"
#include "ui/blok_panelu.h"
#include "ui/hlaseni.h"

bool UkazSkript(const Skript& skript, BlokPanelu* panely, QWidget* rodic) {
    if (skript.odmitnuti) {
        Hlaseni::UkazOdmitnuti(rodic, QString::fromStdString(*skript.odmitnuti));
        return false;
    }
    for (const PopisUdalosti& popis : udalosti)
        if (QPlainTextEdit* panel = panely->panel(popis.udalost))
            VyplnPanel(panel, skript.radky(popis.udalost));
    if (skript.chyba)
        Hlaseni::UkazChybu(rodic, QString::fromStdString(skript.chyba->zprava));
    return true;
}
