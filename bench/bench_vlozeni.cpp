// A large paste into a box of the read-back dialog: how much a big generated script weighs, and
// how long a paste of ten megabytes takes, in many lines and in one. Prints one line per figure.

#include "generators/generuj_nastaveni.h"
#include "generators/generuj_titulky.h"
#include "ui/pole_kodu.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

namespace {

// The largest pane's text and its longest line, in bytes.
std::pair<std::size_t, std::size_t> velikost(const generatory::Skript& skript) {
    std::size_t panel = 0;
    std::size_t radek = 0;
    for (const auto* radky : {&skript.create, &skript.step, &skript.draw, &skript.alarm0}) {
        std::size_t bajtu = 0;
        for (const std::string& r : *radky) {
            bajtu += r.size() + 1;
            radek = std::max(radek, r.size());
        }
        panel = std::max(panel, bajtu);
    }
    return {panel, radek};
}

double vloz(const QString& text, qsizetype nejvic) {
    PoleKodu box;
    box.setLineWrapMode(QPlainTextEdit::NoWrap);
    box.omezVlozeni(nejvic);
    box.show();
    QGuiApplication::clipboard()->setText(text);
    QKeyEvent ctrlV(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QElapsedTimer cas;
    cas.start();
    QApplication::sendEvent(&box, &ctrlV);
    QApplication::processEvents();
    return static_cast<double>(cas.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QApplication aplikace(argc, argv);
    const bool kratce = argc > 1 && std::string(argv[1]) == "--kratce";
    const int kolik = kratce ? 100 : 1;

    generatory::VstupTitulku titulky{{}, "nahoru", "c_red", "c_aqua", {}, {}};
    for (int p = 0; p < 200 / kolik; ++p) {
        titulky.polozky.push_back({"pozice " + std::to_string(p), true});
        for (int o = 0; o < 99; ++o)
            titulky.polozky.push_back({"osoba " + std::to_string(p) + "_" + std::to_string(o)});
    }
    const auto [titulkyPanel, titulkyRadek] = velikost(generatory::GenerujTitulky(titulky));
    std::printf("titulky %zu uzlu: panel %zu B, radek %zu B\n", titulky.polozky.size(),
                titulkyPanel, titulkyRadek);
    std::vector<generatory::PolozkaNastaveni> nastaveni;
    for (int i = 0; i < 10'000 / kolik; ++i)
        nastaveni.push_back({"Položka " + std::to_string(i), "200", std::to_string(100 + i),
                             "ano;ne;možná", "a = 1;a = 0;a = 2"});
    const auto [nastaveniPanel, nastaveniRadek] = velikost(generatory::GenerujNastaveni(nastaveni));
    std::printf("nastaveni %zu polozek: panel %zu B, radek %zu B\n", nastaveni.size(),
                nastaveniPanel, nastaveniRadek);

    const qsizetype deset = 10'000'000 / kolik;
    QString radky;
    while (radky.size() < deset)
        radky += QStringLiteral("draw_text(200,100,\"Položka\");\n");
    const QString radek(deset, QLatin1Char('x'));
    const qsizetype nejvic = NejvetsiVlozeniKodu / kolik;
    std::printf("10 MB v radcich: %.0f ms\n", vloz(radky, nejvic));
    std::printf("10 MB v jednom radku: %.0f ms\n", vloz(radek, nejvic));
    std::printf("%lld znaku v radcich: %.0f ms\n", static_cast<long long>(nejvic),
                vloz(radky.left(nejvic), nejvic));
    return 0;
}
