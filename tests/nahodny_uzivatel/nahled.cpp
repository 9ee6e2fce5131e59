// The random user's drags in the preview: a text of the Menu or Nastavení tab, often just
// generated, taken with the mouse and dropped elsewhere, sometimes taken back with Ctrl+Z and
// put again with Ctrl+Shift+Z. A form changed between the drop and the keys leaves the keys
// nothing to take back.

#include "hrac.h"

#include "../pomocnici.h"
#include "../pomocnici_nahledu.h"
#include "app/hlavni.h"
#include "preview/okno_nahledu.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <array>
#include <cmath>

namespace {

// A point just inside the text's top left corner, where no text drawn later (on top) can
// reach; nothing when the text is empty, outside the room or may lie under another.
std::optional<QPointF> volnyBod(const std::vector<nahled::Kresba>& kresby, std::size_t i) {
    const QPointF bod(kresby[i].x + 1.5, kresby[i].y + 2);
    if (kresby[i].text.empty() || !QRectF(0, 0, 630, 470).contains(bod))
        return std::nullopt;
    for (std::size_t j = i + 1; j < kresby.size(); ++j)
        if (!kresby[j].text.empty() && kresby[j].x <= bod.x() && kresby[j].y <= bod.y() &&
            bod.y() < kresby[j].y + 40)
            return std::nullopt;
    return bod;
}

} // namespace

void Hrac::tahniVNahledu() {
    const int zalozka = cislo(0, 1);
    naZalozku(zalozka);
    // Most often a person generates just before looking.
    if (nahoda(2)) {
        zapis(QStringLiteral("  generuje"));
        QTest::mouseClick(najdi<QPushButton>(&m_okno, zalozka == 0 ? "sButton1" : "sButton2"),
                          Qt::LeftButton);
        zalozka == 0 ? m_stin.generujMenu() : m_stin.generujNastaveni();
    }
    spustAkci(&m_okno, "Nahled1");
    auto* nahled = najdi<OknoNahledu>(&m_okno, "Nahled");
    auto* mistnost = najdi<QWidget>(nahled, "Mistnost");
    const auto zavri = [&] {
        nahled->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    if (!QTest::qWaitForWindowExposed(nahled) ||
        !QTest::qWaitFor([nahled] { return !nahled->mistnost()->kresby().empty(); }, 200)) {
        zapis(QStringLiteral("  místnost nic nekreslí"));
        return zavri();
    }

    const std::vector<nahled::Kresba> kresby = nahled->mistnost()->kresby();
    std::vector<std::pair<std::size_t, QPointF>> kandidati;
    for (std::size_t i = 0; i < kresby.size(); ++i)
        if (const auto bod = volnyBod(kresby, i))
            kandidati.emplace_back(i, *bod);
    if (kandidati.empty()) {
        zapis(QStringLiteral("  žádný text k uchopení"));
        return zavri();
    }
    const auto& [kresba, odkud] =
        kandidati[static_cast<std::size_t>(cislo(0, static_cast<int>(kandidati.size()) - 1))];
    const QPoint a = naWidget(mistnost, odkud);
    QPoint b(cislo(0, mistnost->width() - 1), cislo(0, mistnost->height() - 1));
    const double s = meritko(mistnost);
    // A distance of exactly half a pixel could round either way.
    for (int osa = 0; osa < 2; ++osa) {
        int& konec = osa ? b.ry() : b.rx();
        const double d = ((osa ? b.y() - a.y() : b.x() - a.x())) / s;
        if (std::abs(d - std::floor(d) - 0.5) < 1e-3)
            ++konec;
    }
    const QPoint posun(qRound((b.x() - a.x()) / s), qRound((b.y() - a.y()) / s));
    zapis(QStringLiteral("  táhne %1 o %2, %3")
              .arg(Zkrat(QString::fromStdString(kresby[kresba].text)))
              .arg(posun.x())
              .arg(posun.y()));

    const QString panel = QString::fromLatin1(zalozka == 0 ? "RichEdit3" : "RichEdit6");
    const std::optional<Puvod> puvod = m_stin.puvod(panel, kresby[kresba].radek);
    // The text moves from where the room drew it; Ctrl+Z brings back what the fields held.
    const auto vKodu = puvod ? m_stin.poziceVKodu(zalozka, puvod->vstup) : std::nullopt;
    const auto pred = puvod ? m_stin.pozice(zalozka, puvod->vstup) : std::nullopt;
    const bool lze = vKodu && pred && Stin::lzePosunout(*vKodu);
    const int zprav = najdi<QListWidget>(nahled, "Zpravy")->count();

    QTest::mousePress(mistnost, Qt::LeftButton, {}, a);
    for (int i = 1; i <= 3; ++i)
        QTest::mouseMove(mistnost, a + (b - a) * i / 3);
    QTest::mouseRelease(mistnost, Qt::LeftButton, {}, b);

    if (vKodu && pred && !lze && najdi<QListWidget>(nahled, "Zpravy")->count() == zprav)
        chyba(QStringLiteral("a press on a text placed by an expression explained nothing"));
    if (!lze || posun.isNull())
        return zavri();
    const std::array<QString, 2> po{QString::number((*vKodu)[0].toLongLong() + posun.x()),
                                    QString::number((*vKodu)[1].toLongLong() + posun.y())};
    // A drop that leaves the fields as they are is no step and generates nothing.
    if (po == *pred)
        return zavri();
    m_stin.umisti(zalozka, puvod->vstup, po);
    const bool zmenit = nahoda(4);
    if (zmenit) {
        if (zalozka == 0 && nahoda(2)) {
            // A field of the first row, which is always shown, gets a text it does not hold.
            static const std::array<const char*, 4> prvniRadek{"sEdit1", "sEdit6", "sEdit7",
                                                               "sEdit8"};
            const std::size_t pole = static_cast<std::size_t>(cislo(0, 3));
            QString text = nahodnyText();
            if (text == m_stin.menuPole[pole])
                text += QLatin1Char('x');
            m_stin.menuPole[pole] = zadej(najdi<QLineEdit>(&m_okno, prvniRadek[pole]), text, {});
        } else {
            zapis(QStringLiteral("  generuje znovu"));
            QTest::mouseClick(najdi<QPushButton>(&m_okno, zalozka == 0 ? "sButton1" : "sButton2"),
                              Qt::LeftButton);
            zalozka == 0 ? m_stin.generujMenu() : m_stin.generujNastaveni();
        }
    }
    if ((zmenit || nahoda(3)) && aktivuj(nahled)) {
        zapis(QStringLiteral("  Ctrl+Z"));
        QTest::keyClick(mistnost, Qt::Key_Z, Qt::ControlModifier);
        if (!zmenit)
            m_stin.umisti(zalozka, puvod->vstup, *pred);
        if (nahoda(2)) {
            zapis(QStringLiteral("  Ctrl+Shift+Z"));
            QTest::keyClick(mistnost, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            if (!zmenit)
                m_stin.umisti(zalozka, puvod->vstup, po);
        }
        const bool zahozeno =
            !zpravy(nahled).filter(QStringLiteral("Kroky zpět byly zahozeny")).isEmpty();
        if (zahozeno != zmenit)
            chyba(zmenit ? QStringLiteral("the preview did not say its steps were dropped")
                         : QStringLiteral("the preview dropped its steps with the form unchanged"));
    }
    zavri();
}
