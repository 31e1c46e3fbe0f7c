#pragma once

// The main() of every test executable: headless, inside the program's application object,
// in a fresh temporary working folder (the program writes config.ini into its working folder),
// with the user's data folder (recovery copies) inside it, and Portuguese (Brazil) as the
// locale.

#include "app/Aplicacao.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

namespace apoio {

inline void prepararAmbiente()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

inline void usarPortugues()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

// Moves into an empty working folder of the current case's own, below `base`: the program
// writes config.ini and plans where it starts, so cases must not see each other's files.
inline bool entrarEmPastaDoCaso(const QString &base)
{
    const QString pasta = base + u'/' + QString::fromLatin1(QTest::currentTestFunction()) + u'_' +
                          QString::number(qHash(QString::fromUtf8(QTest::currentDataTag())));
    return QDir().mkpath(pasta) && QDir::setCurrent(pasta);
}

} // namespace apoio

#define SORVANE_TESTE_MAIN(Classe)                                                                 \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        apoio::prepararAmbiente();                                                                 \
        Aplicacao aplicacao(argc, argv);                                                           \
        apoio::usarPortugues();                                                                    \
        QTemporaryDir pasta;                                                                       \
        if (!pasta.isValid() || !QDir::setCurrent(pasta.path()))                                   \
            return 2;                                                                              \
        qputenv("XDG_DATA_HOME", QFile::encodeName(pasta.path() + QStringLiteral("/dados")));      \
        Classe teste;                                                                              \
        return QTest::qExec(&teste, argc, argv);                                                   \
    }
