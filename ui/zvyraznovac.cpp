#include "ui/zvyraznovac.h"

#include "generators/nazvy_funkci.h"
#include "generators/slovnik.h"

#include <QHash>

#include <vector>

namespace {

// Block state: the line ends inside a /* comment.
constexpr int uvnitrKomentare = 1;

QString zPohledu(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

bool jePismeno(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

// Built once for all panes. Keywords win over constants and constants over function names,
// so a word in two lists takes the first kind inserted.
const QHash<QString, Zvyraznovac::Druh>& slovnik() {
    static const QHash<QString, Zvyraznovac::Druh> slova = [] {
        QHash<QString, Zvyraznovac::Druh> s;
        for (std::string_view slovo : KlicovaSlova())
            s.insert(zPohledu(slovo), Zvyraznovac::Druh::Klicove);
        std::vector<std::string_view> konstanty;
        for (const Barva& b : Barvy())
            konstanty.push_back(b.jmeno);
        for (const KonstantaKlavesy& k : KonstantyKlaves())
            konstanty.push_back(k.jmeno);
        for (std::string_view jmeno : konstanty)
            if (!s.contains(zPohledu(jmeno)))
                s.insert(zPohledu(jmeno), Zvyraznovac::Druh::Konstanta);
        for (std::string_view nazev : NazvyFunkci)
            if (!s.contains(zPohledu(nazev)))
                s.insert(zPohledu(nazev), Zvyraznovac::Druh::Funkce);
        return s;
    }();
    return slova;
}

} // namespace

Zvyraznovac::Zvyraznovac(QTextDocument* dokument) : QSyntaxHighlighter(dokument) {}

Zvyraznovac::Druh Zvyraznovac::druhSlova(QStringView slovo) {
    return slovnik().value(slovo.toString(), Druh::Obycejny);
}

QTextCharFormat Zvyraznovac::formatDruhu(Druh druh) {
    QTextCharFormat f;
    switch (druh) {
    case Druh::Obycejny:
        break;
    case Druh::Klicove:
        f.setForeground(QColor(0, 0, 160));
        f.setFontWeight(QFont::Bold);
        break;
    case Druh::Cislo:
        f.setForeground(QColor(160, 0, 0));
        break;
    case Druh::Text:
        f.setForeground(QColor(0, 120, 0));
        break;
    case Druh::Komentar:
        f.setForeground(QColor(128, 128, 128));
        f.setFontItalic(true);
        break;
    case Druh::Funkce:
        f.setForeground(QColor(0, 110, 140));
        break;
    case Druh::Konstanta:
        f.setForeground(QColor(130, 0, 130));
        break;
    }
    return f;
}

void Zvyraznovac::highlightBlock(const QString& text) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    setCurrentBlockState(0);
    if (previousBlockState() == uvnitrKomentare) {
        const qsizetype konec = text.indexOf(QLatin1String("*/"));
        i = konec < 0 ? n : konec + 2;
        setFormat(0, static_cast<int>(i), formatDruhu(Druh::Komentar));
        if (konec < 0)
            setCurrentBlockState(uvnitrKomentare);
    }
    while (i < n) {
        const QChar c = text[i];
        const qsizetype od = i;
        if (text.mid(i, 2) == QLatin1String("//")) {
            setFormat(static_cast<int>(i), static_cast<int>(n - i), formatDruhu(Druh::Komentar));
            return;
        }
        if (text.mid(i, 2) == QLatin1String("/*")) {
            const qsizetype konec = text.indexOf(QLatin1String("*/"), i + 2);
            i = konec < 0 ? n : konec + 2;
            if (konec < 0)
                setCurrentBlockState(uvnitrKomentare);
            setFormat(static_cast<int>(od), static_cast<int>(i - od), formatDruhu(Druh::Komentar));
        } else if (c == u'"') {
            const qsizetype konec = text.indexOf(u'"', i + 1);
            i = konec < 0 ? n : konec + 1;
            setFormat(static_cast<int>(od), static_cast<int>(i - od), formatDruhu(Druh::Text));
        } else if (c.isDigit() || c == u'$') {
            for (++i; i < n && (text[i].isLetterOrNumber() || text[i] == u'.');)
                ++i;
            setFormat(static_cast<int>(od), static_cast<int>(i - od), formatDruhu(Druh::Cislo));
        } else if (jePismeno(c)) {
            while (i < n && jePismeno(text[i]))
                ++i;
            const Druh druh = druhSlova(QStringView(text).sliced(od, i - od));
            if (druh != Druh::Obycejny)
                setFormat(static_cast<int>(od), static_cast<int>(i - od), formatDruhu(druh));
        } else {
            ++i;
        }
    }
}
