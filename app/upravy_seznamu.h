#pragma once

// How an entry list is edited through its dialog, the same on every list tab: the context menu
// of add, edit and delete; the edit index, −1 unless the edit command set it to the selected
// row, and −1 again once the dialog closes, whichever way; and the dialog, opened with the row
// being edited or none, whose accepted record edits that row or is added.

#include "ui/kontextova_nabidka.h"

#include <QDialog>
#include <QItemSelectionModel>
#include <QTreeView>

#include <functional>
#include <optional>

// The object names of the context menu and its three items, and the delete item's caption.
struct NabidkaSeznamu {
    const char* jmeno;
    const char* pridat;
    const char* upravit;
    const char* smazat;
    QString textSmazat;
};

template <typename Model, typename Dialog> class UpravySeznamu {
public:
    UpravySeznamu(Model* model, QTreeView* seznam) : m_model(model), m_seznam(seznam) {}

    // The menu's items run these; the tab keeps its handlers under their own names.
    void pripojNabidku(const NabidkaSeznamu& nabidka, std::function<void()> pridat,
                       std::function<void()> upravit, std::function<void()> smazat) {
        PripojNabidku(
            m_seznam,
            VytvorNabidku(
                m_seznam->parentWidget(), nabidka.jmeno,
                {{nabidka.pridat, QStringLiteral("&Přidat položku"), std::move(pridat)},
                 {nullptr, {}, {}},
                 {nabidka.upravit, QStringLiteral("&Upravit položku"), std::move(upravit)},
                 {nullptr, {}, {}},
                 {nabidka.smazat, nabidka.textSmazat, std::move(smazat)}}));
    }

    int ktere() const { return m_ktere; }
    void nastavKtere(int index) { m_ktere = index; }

    // -1 when no row is selected.
    int vybranyRadek() const {
        const QModelIndexList vybrane = m_seznam->selectionModel()->selectedRows();
        return vybrane.isEmpty() ? -1 : vybrane.first().row();
    }

    void pridej() { otevriDialog(); }

    // Does nothing without a selected row.
    void upravVybrany() {
        const int radek = vybranyRadek();
        if (radek < 0)
            return;
        m_ktere = radek;
        otevriDialog();
    }

private:
    void otevriDialog() {
        std::optional<typename Model::Polozka> upravovana;
        if (m_ktere >= 0 && m_ktere < m_model->pocet())
            upravovana = m_model->polozky()[static_cast<std::size_t>(m_ktere)];
        Dialog dialog(upravovana, m_model->pocet(), m_seznam->parentWidget());
        if (dialog.exec() == QDialog::Accepted) {
            if (upravovana)
                m_model->uprav(m_ktere, dialog.polozka());
            else
                m_model->pridej(dialog.polozka());
        }
        m_ktere = -1;
    }

    Model* m_model;
    QTreeView* m_seznam;
    int m_ktere = -1;
};
