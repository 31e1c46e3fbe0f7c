#pragma once

// Plans built in memory for the chart's tests, shaped as the program saves them: `escola`,
// `problemas`, `indicadores`, `causas` and `operacoes`, one `problema` per problem in each.

#include "app/Cores.h"
#include "data/DocumentoXml.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace planoOrganograma {

struct Causa {
    QString texto;
    QVector<QStringList> operacoes; // eight texts each; fewer are padded with empty texts
    QString anunciadas;             // the `operacoes` attribute; empty: the stored count
};

struct Problema {
    QString nome;
    ValorCor cor = corPreta;
    QStringList indicadores;
    QVector<Causa> causas;
    QString revisao;
};

// One operation whose eight texts are `prefixo` followed by the field's number (1 … 8).
QStringList operacao(const QString &prefixo);

DocumentoXml montar(const QVector<Problema> &problemas,
                    const QString &data = QStringLiteral("07/12/2026"));

} // namespace planoOrganograma
