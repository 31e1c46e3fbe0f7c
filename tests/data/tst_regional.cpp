#include "data/Regional.h"
#include "support/Teste.h"

// Dates as the plan file stores them: the locale's short format with a four-digit year, and a
// reading that gives an invalid date for anything that is not a real date.
class TesteRegional : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { apoio::usarPortugues(); }
    void cleanupTestCase() { apoio::usarPortugues(); }

    void datasEscritasComQuatroDigitosNoAno_data()
    {
        QTest::addColumn<QLocale>("local");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("português")
            << QLocale(QLocale::Portuguese, QLocale::Brazil) << QStringLiteral("07/12/2026");
        QTest::newRow("inglês americano, cujo formato curto tem dois dígitos")
            << QLocale(QLocale::English, QLocale::UnitedStates) << QStringLiteral("12/7/2026");
        QTest::newRow("alemão") << QLocale(QLocale::German, QLocale::Germany)
                                << QStringLiteral("07.12.2026");
    }

    void datasEscritasComQuatroDigitosNoAno()
    {
        QFETCH(QLocale, local);
        QFETCH(QString, esperado);
        QLocale::setDefault(local);
        QCOMPARE(formatarData(QDate(2026, 12, 7)), esperado);
        QCOMPARE(lerData(esperado), QDate(2026, 12, 7));
    }

    void leituraDeDatas_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QDate>("esperado");
        const QDate dia(2026, 12, 7);
        QTest::newRow("formato curto") << QStringLiteral("07/12/2026") << dia;
        QTest::newRow("sem zeros à esquerda") << QStringLiteral("7/12/2026") << dia;
        QTest::newRow("ano com dois dígitos") << QStringLiteral("07/12/26") << dia;
        QTest::newRow("com hora") << QStringLiteral("07/12/2026 10:30") << dia;
        QTest::newRow("com hora e segundos") << QStringLiteral("07/12/2026 10:30:15") << dia;
        QTest::newRow("espaços em volta") << QStringLiteral("  07/12/2026 ") << dia;
        QTest::newRow("29 de fevereiro bissexto")
            << QStringLiteral("29/02/2028") << QDate(2028, 2, 29);
        QTest::newRow("31 de fevereiro") << QStringLiteral("31/02/2026") << QDate();
        QTest::newRow("29 de fevereiro comum") << QStringLiteral("29/02/2026") << QDate();
        QTest::newRow("mês 13") << QStringLiteral("01/13/2026") << QDate();
        QTest::newRow("texto") << QStringLiteral("amanhã") << QDate();
        QTest::newRow("vazio") << QString() << QDate();
        QTest::newRow("hora inválida") << QStringLiteral("07/12/2026 25:99") << QDate();
        QTest::newRow("lixo depois da data") << QStringLiteral("07/12/2026 xyz") << QDate();
        QTest::newRow("formato ISO") << QStringLiteral("2026-12-07") << QDate();
    }

    void leituraDeDatas()
    {
        QFETCH(QString, texto);
        QFETCH(QDate, esperado);
        QCOMPARE(lerData(texto), esperado);
    }

    void umaDecimalNoSeparadorDoLocal()
    {
        QCOMPARE(formatarUmaDecimal(1234.56), QStringLiteral("1234,6"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(formatarUmaDecimal(0), QStringLiteral("0.0"));
    }
};

SORVANE_TESTE_MAIN(TesteRegional)
#include "tst_regional.moc"
