#pragma once

// A form of controls at their design places inside a page that may be smaller than the design,
// as on a small screen or at a large scaling: the form keeps its places and sizes and the page
// scrolls to it. The control that takes the focus is scrolled into view, so Tab, a click on a
// found fault or any other way there never lands on something unseen.

#include <QScrollArea>

class PosuvnaPlocha : public QScrollArea {
    Q_OBJECT
public:
    // The form's least size is what its controls span when it is handed over, shown or not.
    PosuvnaPlocha(QWidget* formular, QWidget* rodic);
    ~PosuvnaPlocha() override;

protected:
    bool focusNextPrevChild(bool dalsi) override;

private:
    void ukaz(QWidget* predtim, QWidget* prvek);

    QMetaObject::Connection m_fokus;
};
