#pragma once

// A frame of a list that may sit on a tab not shown. It holds its item as plain data from the
// start and builds its controls only when they are first needed: when it is first shown, when
// something asks for them (`montar`), or in idle time once the event loop has nothing else to
// do. Opening and saving a plan whose tabs are never shown builds no controls, and a tab shown
// for the first time finds them built. Until then the data answers every question about the
// item and is what the list writes, so the bytes saved are those the controls would give.
//
// A frame keeps its data current as the user edits its controls; its setters change the data
// and, once the controls exist, the controls.

#include <QFrame>

class QuadroSobDemanda : public QFrame {
    Q_OBJECT
public:
    bool montado() const { return controlesCriados; }
    void montar(); // builds the controls, once

protected:
    explicit QuadroSobDemanda(QWidget *pai);
    ~QuadroSobDemanda() override;

    // Builds the controls from the data and shows them as the data says.
    virtual void criarControles() = 0;
    void showEvent(QShowEvent *evento) override;

private:
    bool controlesCriados = false;
};
