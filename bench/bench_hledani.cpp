// The function search per keystroke: typing into Edit1 selects the first matching name and
// scrolls to it. The floor is a plain scan of the 1242 names with a case-insensitive prefix
// test. Prints the two medians in microseconds.

#include "app/hlavni.h"
#include "app/seznam_funkci.h"
#include "ui/vzhled.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

double median(std::vector<double> hodnoty) {
    std::sort(hodnoty.begin(), hodnoty.end());
    return hodnoty[hodnoty.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication aplikace(argc, argv);
    NastavVzhled(aplikace);
    THlavni okno;
    okno.show();
    auto* hledani = okno.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    const QStringList nazvy = VestaveneNazvy();
    const int kol = QApplication::arguments().contains(QStringLiteral("--kratce")) ? 1 : 200;

    // Prefixes as they grow key by key, over names spread through the list.
    QStringList predpony;
    for (const char* slovo : {"draw_text_color", "window_set_size", "MCI_command", "choose",
                              "particle_type_life", "xyz", "abs"})
        for (int delka = 1; delka <= int(std::strlen(slovo)); ++delka)
            predpony << QString::fromLatin1(slovo, delka);

    std::vector<double> nase, podlaha;
    QElapsedTimer mereni;
    volatile int nalezeno = 0;
    for (int k = 0; k < kol; ++k) {
        for (const QString& predpona : predpony) {
            mereni.start();
            hledani->setText(predpona);
            nase.push_back(double(mereni.nsecsElapsed()) / 1e3);

            mereni.start();
            int shody = 0;
            for (const QString& nazev : nazvy)
                shody += nazev.startsWith(predpona, Qt::CaseInsensitive);
            nalezeno = nalezeno + shody;
            podlaha.push_back(double(mereni.nsecsElapsed()) / 1e3);
        }
    }
    std::printf("%.3f %.3f\n", median(nase), median(podlaha));
    return 0;
}
