// The floor for start-up: a bare maximised main window with one tab and one text pane,
// ending as soon as its event loop is idle.

#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication aplikace(argc, argv);
    QMainWindow okno;
    auto* zalozky = new QTabWidget;
    zalozky->addTab(new QPlainTextEdit, QStringLiteral("Menu"));
    okno.setCentralWidget(zalozky);
    okno.showMaximized();
    QTimer::singleShot(0, &aplikace, &QCoreApplication::quit);
    return QApplication::exec();
}
