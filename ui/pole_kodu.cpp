#include "ui/pole_kodu.h"

#include <QMimeData>
#include <QTextDocument>

namespace {

QString sRadky(QString text) {
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

} // namespace

PoleKodu::PoleKodu(QWidget* rodic) : QPlainTextEdit(rodic) {}

QString PoleKodu::celyText() const {
    return PresnyText(this);
}

void PoleKodu::omezVlozeni(qsizetype nejvic) {
    m_nejvic = nejvic;
}

QMimeData* PoleKodu::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(sRadky(textCursor().selectedText()));
    return data;
}

void PoleKodu::insertFromMimeData(const QMimeData* zdroj) {
    if (m_nejvic > 0 && zdroj && zdroj->hasText()) {
        const qsizetype delka = zdroj->text().size();
        if (delka > m_nejvic) {
            Q_EMIT vlozeniOdmitnuto(delka, m_nejvic);
            return;
        }
    }
    QPlainTextEdit::insertFromMimeData(zdroj);
}

QString PresnyText(const QPlainTextEdit* box) {
    return sRadky(box->document()->toRawText());
}
