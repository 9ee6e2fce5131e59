#pragma once

// Colours the script in a code pane: keywords, numbers, strings, comments, the engine's
// function names and its colour and key constants. Appearance only: the text stays as it is.

#include <QStringView>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

class Zvyraznovac : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit Zvyraznovac(QTextDocument* dokument);

    enum class Druh { Obycejny, Klicove, Cislo, Text, Komentar, Funkce, Konstanta };
    // What the highlighter makes of a whole word (names, keywords and constants).
    static Druh druhSlova(QStringView slovo);
    static QTextCharFormat formatDruhu(Druh druh);

protected:
    void highlightBlock(const QString& text) override;
};
