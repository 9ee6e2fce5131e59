#pragma once

// Small helpers for driving the real windows: find controls by their names, fire actions,
// read panes, and catch message boxes instead of clicking them.

#include "ui/hlaseni.h"
#include "ui/pole_kodu.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

// Pixel metrics of text and the exact Czech order of the function list are pinned to the Linux
// build, which lays text out with fontconfig and sorts with ICU. The Windows build lays out
// offscreen with FreeType alone, and wine's collation keys do not agree with its own comparison.
#ifdef Q_OS_WIN
#define JEN_NA_LINUXU() QSKIP("pinned to the Linux font and collation stack")
#else
#define JEN_NA_LINUXU()
#endif
#include <QWidget>

#include <functional>
#include <string>
#include <utility>
#include <vector>

template <typename T> T* najdi(QObject* koren, const char* jmeno) {
    T* objekt = koren->findChild<T*>(QString::fromLatin1(jmeno));
    if (!objekt)
        qFatal("no %s named %s", T::staticMetaObject.className(), jmeno);
    return objekt;
}

inline void spustAkci(QObject* koren, const char* jmeno) {
    najdi<QAction>(koren, jmeno)->trigger();
}

inline QString textPanelu(QObject* koren, const char* jmeno) {
    return PresnyText(najdi<QPlainTextEdit>(koren, jmeno));
}

// The text a pane shows once filled with a generator's lines; joined here rather than by the
// program's own joiner, so that a fault there shows.
inline QString textRadku(const std::vector<std::string>& radky) {
    std::string text;
    for (std::size_t i = 0; i < radky.size(); ++i)
        text += (i ? "\n" : "") + radky[i];
    return QString::fromStdString(text);
}

// Records every message box shown while it lives.
class ZachyceniHlaseni {
public:
    ZachyceniHlaseni() {
        Hlaseni::NastavLapac(
            [this](Hlaseni::Druh druh, const QString& text) { zpravy.emplace_back(druh, text); });
    }
    ~ZachyceniHlaseni() { Hlaseni::NastavLapac({}); }
    ZachyceniHlaseni(const ZachyceniHlaseni&) = delete;
    ZachyceniHlaseni& operator=(const ZachyceniHlaseni&) = delete;

    std::vector<std::pair<Hlaseni::Druh, QString>> zpravy;
};

// Runs `akce` on the next modal window once it is up; the caller then opens the modal.
inline void obsluzModalni(std::function<void(QWidget*)> akce) {
    auto* casovac = new QTimer;
    casovac->setInterval(10);
    QObject::connect(casovac, &QTimer::timeout, casovac, [casovac, akce = std::move(akce)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            casovac->stop();
            casovac->deleteLater();
            akce(modal);
        }
    });
    casovac->start();
}

// Picks the item from the box's drop-down list as a person does with the keyboard: opens the
// list, walks down to the item and presses Enter.
inline void vyberZeSeznamu(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    if (index < 0)
        qFatal("%s has no item %s", qPrintable(box->objectName()), qPrintable(text));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* seznam = box->view();
    QTest::keyClick(seznam, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(seznam, Qt::Key_Down);
    QTest::keyClick(seznam, Qt::Key_Return);
}
