#include "ui/hlaseni.h"

#include <QMessageBox>

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

void NastavLapac(Lapac novy) {
    lapac() = std::move(novy);
}

} // namespace Hlaseni
