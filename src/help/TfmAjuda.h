#pragma once

// The help window: the user guide from ajuda.txt in a read-only view, read afresh at every
// opening. When no guide can be read it says so and opens empty.

#include <QDialog>
#include <QStringList>

class QTextEdit;

class TfmAjuda : public QDialog {
    Q_OBJECT
public:
    static constexpr int largura = 640;
    static constexpr int altura = 480;

    explicit TfmAjuda(QWidget *pai = nullptr); // looks in pastasAjuda()
    explicit TfmAjuda(const QStringList &pastas, QWidget *pai = nullptr);

private:
    void montar();
    void carregar(const QStringList &pastas);

    QTextEdit *redtAjuda = nullptr;
};

extern TfmAjuda *fmAjuda;
