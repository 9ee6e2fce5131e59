#include "ukaz_skript.h"

#include "blok_panelu.h"
#include "hlaseni.h"
#include "skript.h"

bool UkazSkript(const Skript& skript, BlokPanelu* panely, QWidget* rodic) {
    if (skript.odmitnuti) {
        Hlaseni::UkazOdmitnuti(rodic, QString::fromStdString(*skript.odmitnuti));
        return false;
    }
    for (Udalost udalost : {Udalost::Create, Udalost::Step, Udalost::Draw, Udalost::Alarm0})
        if (QPlainTextEdit* panel = panely->panel(udalost))
            VyplnPanel(panel, skript.radky(udalost));
    if (skript.chyba)
        Hlaseni::UkazChybu(rodic, QString::fromStdString(skript.chyba->zprava));
    return true;
}
