// The floor for start-up: a bare maximised main window with one tab and one text pane,
// ending as soon as its event loop is idle.

#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>

#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication aplikace(argc, argv);
    QMainWindow okno;
    auto* zalozky = new QTabWidget;
    zalozky->addTab(new QPlainTextEdit, QStringLiteral("Menu"));
    okno.setCentralWidget(zalozky);
    okno.showMaximized();
    // The figure ends when the event loop is first idle; tearing the window down afterwards
    // is no part of it, so neither program spends time on that.
    QTimer::singleShot(0, &aplikace, [] { std::_Exit(0); });
    return QApplication::exec();
}
