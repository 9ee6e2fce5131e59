#pragma once

// The About dialog: name, version, contributors, and a footer that types itself out while
// the animation runs.

#include "app/psaci_stroj.h"

#include <QDialog>

class QLabel;
class QTimer;

class TNapoveda : public QDialog {
    Q_OBJECT
public:
    explicit TNapoveda(QWidget* rodic = nullptr);

    static const QString TextPaty;
    static const QStringList Prezdivky;

public Q_SLOTS:
    void sLabel1Click();
    void Timer1Timer();

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    QLabel* popisek(const char* jmeno, const QString& text, const QRect& misto, const QFont& pismo);

    QLabel* m_pata;
    QTimer* m_timer1;
    PsaciStroj m_stroj;
};
