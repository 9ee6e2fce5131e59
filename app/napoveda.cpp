#include "app/napoveda.h"

#include "app/verze.h"
#include "ui/misto_na_obrazovce.h"
#include "ui/pevny_dialog.h"
#include "ui/vzhled.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>

const QString TNapoveda::TextPaty = QStringLiteral("© Dílna Šťovík & spol.");

const QStringList TNapoveda::Prezdivky = {QStringLiteral("Bručoun"),  QStringLiteral("Kometka"),
                                          QStringLiteral("Pixlík"),   QStringLiteral("Šnek Turbo"),
                                          QStringLiteral("Mlhovec"),  QStringLiteral("Ďobík"),
                                          QStringLiteral("Pastelka"), QStringLiteral("Tichošlap")};

namespace {

QFont Patkove(int vyska) {
    QFont pismo(QStringLiteral("Times New Roman"));
    pismo.setStyleHint(QFont::Serif);
    pismo.setPixelSize(vyska);
    return pismo;
}

} // namespace

TNapoveda::TNapoveda(QWidget* rodic) : QDialog(rodic, ZnakyPevnehoDialogu), m_stroj(TextPaty) {
    setObjectName(QStringLiteral("Napoveda"));
    setWindowTitle(QStringLiteral("O Programu"));
    setModal(true);
    setFixedSize(475, 307);
    setFont(PismoPixelu(11));
    NastavBarvuPopisku(this);
    VystredNaObrazovce(this);

    popisek("sLabelFX1", QStringLiteral("Kodovar"), {64, 8, 346, 48}, PismoPixelu(35));
    popisek("sLabelFX2", QStringLiteral("Verze:"), {28, 96, 53, 27}, Patkove(19));
    popisek("sLabel2", QStringLiteral(KODOVAR_VERZE), {96, 93, 26, 23}, PismoPixelu(19));
    popisek("sLabelFX3", QStringLiteral("Autoři a speciální poděkování:"), {24, 144, 235, 27},
            Patkove(19));

    auto* prezdivky = new QListWidget(this);
    prezdivky->setObjectName(QStringLiteral("ListBox1"));
    prezdivky->setGeometry(28, 197, 421, 65);
    prezdivky->setFont(PismoPixelu(12));
    prezdivky->setFlow(QListView::TopToBottom);
    prezdivky->setWrapping(true);
    prezdivky->setUniformItemSizes(true);
    // A list to read, not to pick from: no name looks chosen.
    prezdivky->setSelectionMode(QAbstractItemView::NoSelection);
    prezdivky->setFocusPolicy(Qt::NoFocus);
    // The nicknames fit in two columns; a scroll bar would steal a row.
    prezdivky->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    prezdivky->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    prezdivky->setGridSize({prezdivky->contentsRect().width() / 2, 14});
    prezdivky->addItems(Prezdivky);
    // Item views take no name from a label's buddy.
    prezdivky->setAccessibleName(QStringLiteral("Autoři a speciální poděkování"));

    m_pata = popisek("sLabel1", TextPaty, {301, 283, 166, 16}, PismoPixelu(13));
    m_pata->installEventFilter(this);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(200);
    connect(m_timer1, &QTimer::timeout, this, &TNapoveda::Timer1Timer);
    // A closed dialog is never shown again, so nothing is left ticking behind it.
    connect(this, &QDialog::finished, m_timer1, &QTimer::stop);
}

QLabel* TNapoveda::popisek(const char* jmeno, const QString& text, const QRect& misto,
                           const QFont& pismo) {
    auto* popisek = new QLabel(text, this);
    popisek->setObjectName(QString::fromLatin1(jmeno));
    popisek->setFont(pismo);
    popisek->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Where the design's fonts are missing, wider stand-ins must not cut the text off.
    popisek->setGeometry({misto.topLeft(), misto.size().expandedTo(popisek->sizeHint())});
    return popisek;
}

bool TNapoveda::eventFilter(QObject* objekt, QEvent* udalost) {
    const bool stisk = udalost->type() == QEvent::MouseButtonPress ||
                       udalost->type() == QEvent::MouseButtonDblClick;
    if (objekt == m_pata && stisk &&
        static_cast<QMouseEvent*>(udalost)->button() == Qt::LeftButton) {
        sLabel1Click();
        return true;
    }
    return QDialog::eventFilter(objekt, udalost);
}

void TNapoveda::sLabel1Click() {
    if (!m_timer1->isActive()) {
        m_timer1->start();
        return;
    }
    m_timer1->stop();
    m_stroj.vynuluj();
    m_pata->setText(m_stroj.text());
}

void TNapoveda::Timer1Timer() {
    m_pata->setText(m_stroj.tik());
}
