#pragma once

// The frame folder: the editor window every card shares (template, menu and
// commands, focus guard, input gate, page builder, file and print commands,
// the editor registry). Uses editing and the folders below it.

#include "controls/fieldrow.h"
#include "frame/cardeditor.h"
#include "frame/editormenu.h"
#include "frame/namedcontrols.h"

#include <QMainWindow>

class CardPage;
class FocusGuard;
class InputGate;
class QPushButton;
class QTabWidget;

// The frame of the RK and OK editors: the page control above a panel with
// "Вперед", "Назад" and "Кінець введення", the editor's menu, the
// end-of-input gate, the unsaved-changes questions of "Новий", "Вихід" and
// the close box, and help. A derived editor adds its pages (from its field
// catalogue), and its own saving, opening and printing.
class TfrmTemplate : public QMainWindow, public CardEditor
{
    Q_OBJECT
public:
    ~TfrmTemplate() override;

    CardKind cardKind() const override { return m_kind; }
    bool isModified() const override;
    void setModified(bool modified) override;

    FocusGuard &focusGuard() const { return *m_guard; }
    InputGate &inputGate() const override { return *m_gate; }
    QString cardFile() const override { return m_cardFile; }
    void setCardFile(const QString &path) override { m_cardFile = path; }
    const EditorMenu &menu() const { return m_menu; }

protected:
    // `clientSize` is the window below its menu; `panelHeight` that of the
    // bottom panel.
    TfrmTemplate(CardKind kind, const QString &caption, QSize clientSize, int panelHeight,
                 QWidget *parent = nullptr);

    // Builds a page from its catalogue rows, adds it after the others,
    // connects its controls to the frame and registers the page and its
    // named controls and labels.
    CardPage *addPage(const PageSpec &page);
    // The window's pages, controls, labels and panel buttons by name.
    NamedControls &controls() { return m_controls; }
    const NamedControls &controls() const { return m_controls; }
    // Any object of the window by its name (controls, menu actions...).
    template <class T = QWidget> T *control(const QString &name) const
    {
        return findChild<T *>(name);
    }

    // "Друк".
    virtual void printCard() = 0;

    void btnNextClick();
    void btnPrevClick();
    // "Кінець введення": releases saving and printing.
    void BitBtn1Click();
    // The shared changed handler of the fields marked Changed.
    void changed();
    void newCardClick();
    void exitClick();
    void helpClick();

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

    QTabWidget *PageControl;
    QWidget *Panel1;
    QPushButton *BitBtn1; // "&Кінець введення"
    QPushButton *BitBtn2; // "Назад"
    QPushButton *BitBtn3; // "Вперед"

private:
    void buildPanel(int height);
    void keepPanelLastInTabOrder(QWidget *page);

    CardKind m_kind;
    FocusGuard *m_guard;
    InputGate *m_gate;
    EditorMenu m_menu;
    NamedControls m_controls;
    QString m_cardFile;
    bool m_shownOnce = false;
};
