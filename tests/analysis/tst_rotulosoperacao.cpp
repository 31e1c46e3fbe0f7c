#include "analysis/TfrOperacao.h"
#include "support/Teste.h"

#include <QLabel>

// The operation frame's labels show whole, in their own fonts (one is bold), in every frame:
// frames after the first take their label sizes from the first.
class TesteRotulosOperacao : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rotulosInteirosEmCadaQuadro()
    {
        TfrOperacao primeiro;
        TfrOperacao segundo;
        TfrOperacao terceiro;
        for (const TfrOperacao *quadro : {&primeiro, &segundo, &terceiro}) {
            const QList<QLabel *> rotulos = quadro->findChildren<QLabel *>();
            QCOMPARE(rotulos.size(), 10);
            for (const QLabel *rotulo : rotulos) {
                const QSize inteiro = rotulo->sizeHint();
                QVERIFY2(rotulo->width() >= inteiro.width() && rotulo->height() >= inteiro.height(),
                         qPrintable(rotulo->objectName()));
            }
        }
        QVERIFY(segundo.findChild<QLabel *>(QStringLiteral("lblRecursos"))->font().bold());
    }
};

SORVANE_TESTE_MAIN(TesteRotulosOperacao)
#include "tst_rotulosoperacao.moc"
