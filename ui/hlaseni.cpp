#include "ui/hlaseni.h"

#include <QMessageBox>
#include <QPushButton>

namespace Hlaseni {

namespace {

Lapac& lapac() {
    static Lapac instance;
    return instance;
}

void ukaz(QWidget* rodic, Druh druh, const QString& text) {
    if (lapac()) {
        lapac()(druh, text);
        return;
    }
    QMessageBox box(druh == Druh::Chyba ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QStringLiteral("Kodovar"), text, QMessageBox::Ok, rodic);
    box.setObjectName(druh == Druh::Chyba ? QStringLiteral("ChyboveOkno")
                                          : QStringLiteral("Odmitnuti"));
    box.exec();
}

} // namespace

QString TextChyby(const QString& zprava) {
    if (!zprava.isEmpty() && zprava.back().unicode() > u'.')
        return zprava + u'.';
    return zprava;
}

void UkazChybu(QWidget* rodic, const QString& zprava) {
    ukaz(rodic, Druh::Chyba, TextChyby(zprava));
}

void UkazOdmitnuti(QWidget* rodic, const QString& text) {
    ukaz(rodic, Druh::Odmitnuti, text);
}

bool Zeptej(QWidget* rodic, const QString& otazka) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Kodovar"), otazka, QMessageBox::NoButton,
                    rodic);
    box.setObjectName(QStringLiteral("Otazka"));
    QPushButton* ano = box.addButton(QStringLiteral("&Ano"), QMessageBox::YesRole);
    QPushButton* ne = box.addButton(QStringLiteral("&Ne"), QMessageBox::NoRole);
    ano->setObjectName(QStringLiteral("Ano"));
    ne->setObjectName(QStringLiteral("Ne"));
    box.setDefaultButton(ne);
    box.setEscapeButton(ne);
    box.exec();
    return box.clickedButton() == ano;
}

void NastavLapac(Lapac novy) {
    lapac() = std::move(novy);
}

} // namespace Hlaseni
