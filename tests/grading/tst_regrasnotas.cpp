#include "grading/OrdemClassificacao.h"
#include "grading/TabelaNotas.h"
#include "support/Teste.h"

#include <cmath>

// The rules under the grades: the grade's text in the plan file and the order of the ranking.
class TesteRegrasNotas : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { apoio::usarPortugues(); }

    void ordemDoRanking_data()
    {
        QTest::addColumn<QVector<float>>("totais");
        QTest::addColumn<QVector<int>>("ordem");
        QTest::newRow("15 22 15 30") << QVector<float>{15, 22, 15, 30} << QVector<int>{3, 1, 0, 2};
        QTest::newRow("ninguém votou") << QVector<float>{0, 0, 0} << QVector<int>{0, 1, 2};
        QTest::newRow("empate no topo fica na ordem da lista")
            << QVector<float>{8, 9, 9, 1} << QVector<int>{1, 2, 0, 3};
        QTest::newRow("negativos de arquivo") << QVector<float>{-1, 0, -2} << QVector<int>{1, 0, 2};
        QTest::newRow("nenhum") << QVector<float>{} << QVector<int>{};
    }

    void ordemDoRanking()
    {
        QFETCH(QVector<float>, totais);
        QFETCH(QVector<int>, ordem);
        const std::vector<int> obtida = ordemClassificacao(totais);
        QCOMPARE(QVector<int>(obtida.begin(), obtida.end()), ordem);
    }

    void notaEscritaNoArquivo_data()
    {
        QTest::addColumn<float>("nota");
        QTest::addColumn<QString>("texto");
        QTest::newRow("zero") << 0.0f << "0";
        QTest::newRow("zero negativo") << -0.0f << "0";
        QTest::newRow("sete") << 7.0f << "7";
        QTest::newRow("sete e meio com ponto") << 7.5f << "7.5";
        QTest::newRow("sete algarismos") << 1.234567f << "1.234567";
        QTest::newRow("fração de float") << 7.1f << "7.1";
        QTest::newRow("inteiro grande") << 1234567.0f << "1234567";
        QTest::newRow("inteiro enorme") << 1e20f << "100000002004087734272";
        QTest::newRow("pequeno") << 1e-5f << "1e-05";
    }

    void notaEscritaNoArquivo()
    {
        QFETCH(float, nota);
        QFETCH(QString, texto);
        QCOMPARE(formatarNota(nota), texto);
        QCOMPARE(lerNota(texto), std::optional<float>(nota));
    }

    void notaLidaDoArquivo_data()
    {
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valida");
        QTest::addColumn<float>("nota");
        const QString pt = QStringLiteral("pt_BR");
        const QString en = QStringLiteral("en_US");
        QTest::newRow("ponto em português") << pt << "7.5" << true << 7.5f;
        QTest::newRow("vírgula em português") << pt << "7,5" << true << 7.5f;
        QTest::newRow("ponto em inglês") << en << "7.5" << true << 7.5f;
        QTest::newRow("vírgula não é decimal em inglês") << en << "7,5" << false << 0.0f;
        QTest::newRow("milhar agrupado") << pt << "1.000,5" << false << 0.0f;
        QTest::newRow("letras") << pt << "sete" << false << 0.0f;
        QTest::newRow("vazio") << pt << "" << false << 0.0f;
        QTest::newRow("nan") << pt << "nan" << false << 0.0f;
        QTest::newRow("inf") << pt << "inf" << false << 0.0f;
        QTest::newRow("além do float") << pt << "1e39" << false << 0.0f;
    }

    void notaLidaDoArquivo()
    {
        QFETCH(QString, local);
        QFETCH(QString, texto);
        QFETCH(bool, valida);
        QFETCH(float, nota);
        QLocale::setDefault(QLocale(local));
        const std::optional<float> lida = lerNota(texto);
        QCOMPARE(lida.has_value(), valida);
        if (valida) {
            QVERIFY(std::isfinite(*lida));
            QCOMPARE(*lida, nota);
        }
    }
};

SORVANE_TESTE_MAIN(TesteRegrasNotas)
#include "tst_regrasnotas.moc"
