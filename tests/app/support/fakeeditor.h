#pragma once

#include "app/cardeditor.h"

#include <QStringList>
#include <QWidget>

// A small editor window standing in for a card editor: it keeps its card as
// one line of text, saves and opens it through the dialogs service and, like
// the real editors, asks about unsaved changes when its close box is used.
// Everything it does is written to `journal` as "<name> <what>".
class FakeEditor : public QWidget, public CardEditor
{
    Q_OBJECT

public:
    explicit FakeEditor(CardKind kind);

    CardKind cardKind() const override { return kind_; }
    bool isModified() const override { return modified_; }
    void setModified(bool modified) override { modified_ = modified; }
    bool saveAs() override;
    QStringList writeCard() override { return {card}; }
    bool open() override;

    // Registers a factory for each kind that names its editors RK1, RK2, OKD1...
    static void registerAll();
    static void unregisterAll();

    QString card;
    static QStringList journal;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    CardKind kind_;
    bool modified_ = false;
};
