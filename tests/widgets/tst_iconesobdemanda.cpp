#include "support/Desenho.h"
#include "support/Teste.h"
#include "widgets/IconeSobDemanda.h"

#include <QIcon>
#include <QImage>

// The program's icon: nothing read until a size is asked for, then the drawing that covers
// that size, read once, never larger than asked for.
class TesteIconeSobDemanda : public QObject {
    Q_OBJECT

private:
    static QList<IconeSobDemanda::Desenho> desenhos()
    {
        // Out of order on purpose: the engine sorts them.
        return {{64, QStringLiteral(":/icones/sorvane-64.png")},
                {16, QStringLiteral(":/icones/sorvane-16.png")},
                {256, QStringLiteral(":/icone.png")},
                {32, QStringLiteral(":/icones/sorvane-32.png")}};
    }

private Q_SLOTS:
    void escolheODesenhoQueCobre_data()
    {
        QTest::addColumn<int>("pedido");
        QTest::addColumn<int>("desenho");
        QTest::addColumn<int>("lado");
        QTest::newRow("exato") << 32 << 32 << 32;
        QTest::newRow("menor que o menor") << 10 << 16 << 10;
        QTest::newRow("entre dois") << 40 << 64 << 40;
        QTest::newRow("maior que o maior") << 300 << 256 << 256;
    }

    void escolheODesenhoQueCobre()
    {
        QFETCH(int, pedido);
        QFETCH(int, desenho);
        QFETCH(int, lado);
        auto *motor = new IconeSobDemanda(desenhos());
        const QIcon icone(motor);
        QCOMPARE(motor->quantidadeLida(), 0);

        const QPixmap imagem = icone.pixmap(QSize(pedido, pedido));
        QCOMPARE(imagem.size(), QSize(lado, lado));
        QCOMPARE(icone.actualSize(QSize(pedido, pedido)), QSize(lado, lado));
        QCOMPARE(motor->quantidadeLida(), 1);
        if (lado == desenho) {
            const QString arquivo = desenho == 256
                                        ? QStringLiteral(":/icone.png")
                                        : QStringLiteral(":/icones/sorvane-%1.png").arg(desenho);
            const QImage original(arquivo);
            QVERIFY(apoio::mesmoDesenho(imagem.toImage(), original));
        }
        icone.pixmap(QSize(pedido, pedido));
        QCOMPARE(motor->quantidadeLida(), 1); // read once
    }

    void tamanhosEModos()
    {
        const QIcon icone(new IconeSobDemanda(desenhos()));
        QCOMPARE(icone.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {64, 64}, {256, 256}}));
        const QImage normal = icone.pixmap(32).toImage();
        const QImage desativado = icone.pixmap(QSize(32, 32), QIcon::Disabled).toImage();
        QCOMPARE(desativado.size(), QSize(32, 32));
        QVERIFY(desativado != normal); // greyed as any disabled icon
        QVERIFY(icone.pixmap(QSize(0, 0)).isNull());
        QVERIFY(QIcon(new IconeSobDemanda({})).pixmap(16).isNull());
    }
};

SORVANE_TESTE_MAIN(TesteIconeSobDemanda)
#include "tst_iconesobdemanda.moc"
