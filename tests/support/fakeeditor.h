#pragma once

#include "editing/carddocument.h"
#include "frame/cardeditor.h"
#include "frame/inputgate.h"

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
    bool isModified() const override { return gate_->isModified(); }
    void setModified(bool modified) override { gate_->setModified(modified); }
    bool saveAs() override;
    QStringList writeCard() override { return {card}; }
    bool open() override;
    bool readCard(const QString &path) override;
    QString cardFile() const override { return cardFile_; }
    void setCardFile(const QString &path) override { cardFile_ = path; }
    InputGate &inputGate() const override { return *gate_; }

    // Registers factories for each kind that name its editors and documents
    // RK1, RK2, OKD1...
    static void registerAll();
    static void unregisterAll();

    QString card;
    static QStringList journal;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    CardKind kind_;
    InputGate *gate_ = new InputGate(this);
    QString cardFile_;
};

// A windowless document standing in for a card kind's: it keeps its card as
// one line of text and cannot print. Reading and writing go to
// FakeEditor::journal as "<name> opened <path>" and "<name> written".
class FakeDocument : public CardDocument
{
public:
    explicit FakeDocument(CardKind kind);

    CardKind cardKind() const override { return kind_; }
    bool read(const QString &path) override;
    QStringList writeCard() override;
    std::shared_ptr<const PreparedReport> printedPages() override;
    QList<FieldFailure> checkFields() const override { return {}; }

private:
    CardKind kind_;
    QString name_;
    QString card_;
};
