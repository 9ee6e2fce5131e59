#pragma once

// A box of script code. The plain text of a QPlainTextEdit, and what it copies, turn no-break
// spaces into plain ones; this box gives out its text exactly as it holds it, so the script
// copied from a pane or read from a box is what the generator wrote or the author pasted.

#include <QPlainTextEdit>

class PoleKodu : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PoleKodu(QWidget* rodic = nullptr);

    // The whole text, lines split by '\n'.
    QString celyText() const;

    // A paste longer than this many characters is kept out whole, never cut; 0 takes any.
    void omezVlozeni(qsizetype nejvic);

Q_SIGNALS:
    void vlozeniOdmitnuto(qsizetype delka, qsizetype nejvic);

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* zdroj) override;

private:
    qsizetype m_nejvic = 0;
};

// The exact text of any plain text box.
QString PresnyText(const QPlainTextEdit* box);

// What a read-back box takes in one paste: above the largest pane of any real script (7.4 MB for
// ten thousand settings entries), below ten megabytes, which would keep the box busy for seconds.
inline constexpr qsizetype NejvetsiVlozeniKodu = 8'000'000;
