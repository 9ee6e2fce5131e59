// Click to filled panes: each tab's generate handler on a large input, against the floor of
// QPlainTextEdit::setPlainText of the same text into the same panes. Prints one line per tab:
// name, fastest handler time and fastest floor time in milliseconds.

#include "app/hlavni.h"
#include "app/model_highskore.h"
#include "app/model_nastaveni.h"
#include "app/strom_titulku.h"
#include "app/zalozka_highskore.h"
#include "app/zalozka_menu.h"
#include "app/zalozka_nastaveni.h"
#include "app/zalozka_titulky.h"
#include "ui/vzhled.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QThreadPool>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// "--kratce" runs every figure once on inputs a hundred times smaller, to show it works.
bool kratce = false;
int opakovani() {
    return kratce ? 1 : 7;
}
int velikost(int plna) {
    return kratce ? plna / 100 : plna;
}

// The fastest run: on a shared machine slower runs only add other people's work.
double nejmensi(const std::vector<double>& hodnoty) {
    return *std::min_element(hodnoty.begin(), hodnoty.end());
}

double zmer(const std::function<void()>& prace) {
    QElapsedTimer mereni;
    mereni.start();
    prace();
    return static_cast<double>(mereni.nsecsElapsed()) / 1e6;
}

// Alternates the handler and the floor so both see the same machine load.
void porovnej(const char* nazev, THlavni& okno, const std::vector<const char*>& panely,
              const std::function<void()>& obsluha) {
    std::vector<QPlainTextEdit*> cile;
    for (const char* jmeno : panely)
        cile.push_back(okno.findChild<QPlainTextEdit*>(QString::fromLatin1(jmeno)));

    std::vector<double> nase, podlaha;
    for (int i = 0; i < opakovani(); ++i) {
        for (QPlainTextEdit* panel : cile)
            panel->clear();
        nase.push_back(zmer(obsluha));
        // The panes' check reads on beside the window: let it end before the next figure.
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();

        QStringList texty;
        for (QPlainTextEdit* panel : cile)
            texty << panel->toPlainText();
        for (QPlainTextEdit* panel : cile)
            panel->clear();
        podlaha.push_back(zmer([&] {
            for (qsizetype k = 0; k < texty.size(); ++k)
                cile[static_cast<std::size_t>(k)]->setPlainText(texty[k]);
        }));
    }
    std::printf("%s\t%.3f\t%.3f\n", nazev, nejmensi(nase), nejmensi(podlaha));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication aplikace(argc, argv);
    kratce = QApplication::arguments().contains(QStringLiteral("--kratce"));
    NastavVzhled(aplikace);
    THlavni okno;
    okno.show();

    auto* menu = okno.findChild<ZalozkaMenu*>();
    porovnej("menu (start values)", okno, {"RichEdit1", "RichEdit2", "RichEdit3"},
             [menu] { menu->sButton1Click(); });

    auto* nastaveni = okno.findChild<ModelNastaveni*>();
    for (int i = 0; i < velikost(1000); ++i) {
        std::string hodnoty, akce;
        for (int k = 0; k < 10; ++k) {
            hodnoty += "hodnota" + std::to_string(k) + ";";
            akce += "global.volba" + std::to_string(i) + " = " + std::to_string(k) + ";";
        }
        nastaveni->pridej(
            {"Volba " + std::to_string(i), "200", std::to_string(150 + 30 * i), hodnoty, akce});
    }
    auto* zalozkaNastaveni = okno.findChild<ZalozkaNastaveni*>();
    porovnej("settings (1,000 entries x 10 values, 10 actions)", okno,
             {"RichEdit4", "RichEdit5", "RichEdit6"},
             [zalozkaNastaveni] { zalozkaNastaveni->sButton2Click(); });

    auto* highskore = okno.findChild<ModelHighskore*>();
    for (int i = 0; i < velikost(20000); ++i)
        highskore->pridej(
            {"", "global.nick" + std::to_string(i), "global.skore" + std::to_string(i)});
    auto* zalozkaHighskore = okno.findChild<ZalozkaHighskore*>();
    porovnej("highscore (20,000 rows)", okno, {"RichEdit9"},
             [zalozkaHighskore] { zalozkaHighskore->sButton3Click(); });

    auto* strom = okno.findChild<StromTitulku*>();
    for (int p = 0; p < velikost(4000); ++p) {
        strom->pridejPozici(QStringLiteral("pozice%1").arg(p));
        QTreeWidgetItem* pozice = strom->topLevelItem(p);
        for (int o = 0; o < 4; ++o)
            strom->pridejOsobu(pozice, QStringLiteral("osoba%1_%2").arg(p).arg(o));
    }
    auto* zalozkaTitulky = okno.findChild<ZalozkaTitulky*>();
    porovnej("credits (20,000 positions and persons)", okno,
             {"RichEdit16", "RichEdit22", "RichEdit18"},
             [zalozkaTitulky] { zalozkaTitulky->sButton4Click(); });
    return 0;
}
