#pragma once

// A representative plan entered through the running program, and the values it holds, for
// the tests that follow a plan from the screens to the file, the documents and back.
//
// The school "Escola Estadual São João", head teacher "Conceição Araújo", dated 07/12/2026,
// started as the new plan "plano.xml". Three problems: "Evasão escolar" in red, a name with
// quotes and an ampersand in a system colour, "Indisciplina" in navy. Two categories:
// Professores (PRO, green: Carla, João, Márcia) and Pais (PAI, blue: Pedro, Rita). Grades
// give totals 28, 15 and 47. The first problem has two indicators and two causes, the first
// with two operations and the second with one, and a review of three lines; the third has
// one indicator and one cause whose sheet was never opened; the second is left as added.

#include "support/InteracaoRoteirizada.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace plano {

inline const QString arquivo = QStringLiteral("plano.xml");
inline const QString escola = QStringLiteral("Escola Estadual São João");
inline const QString diretor = QStringLiteral("Conceição Araújo");
inline const QString data = QStringLiteral("07/12/2026");

inline const QStringList problemas = {QStringLiteral("Evasão escolar"),
                                      QStringLiteral("Falta de \"merenda\" & água"),
                                      QStringLiteral("Indisciplina")};

// Grades [problem][category][voter], as entered.
inline const QList<QList<QList<int>>> notas = {
    {{10, 7, 0}, {5, 6}}, {{1, 2, 3}, {4, 5}}, {{9, 9, 9}, {10, 10}}};

inline const QString indicador1 = QStringLiteral("Taxa de abandono < 5% & faltas");
inline const QString indicador2 = QStringLiteral("Frequência às sextas-feiras");
inline const QString causa1 = QStringLiteral("Distância até a escola");
inline const QString causa2 = QStringLiteral("Trabalho infantil");
inline const QString revisao =
    QStringLiteral("Rever em reunião de pais.\nMetas: ação até junho\nÚltima revisão: dezembro");
// The eight fields of the first operation of the first cause.
inline const QStringList operacao1 = {
    QStringLiteral("Coordenação pedagógica"),
    QStringLiteral("Mapear rotas\nde ônibus"),
    QStringLiteral("Vans"),
    QStringLiteral("Dois motoristas"),
    QStringLiteral("R$ 1.200,00 por mês"),
    QStringLiteral("Março de 2027"),
    QStringLiteral("Evasão abaixo de 5%"),
    QStringLiteral("Mensal, com a família\n\nem roda de conversa")};
inline const QString indicadorIndisciplina = QStringLiteral("Ocorrências por mês");
inline const QString causaIndisciplina = QStringLiteral("Regras pouco claras");

// Starts the program with the school data dialog's Ok on the new plan and enters the rest
// through the tabs and windows. The program must have been created and not started.
void montar(InteracaoRoteirizada &interacao);

// The plan file that plan gives, byte for byte.
QByteArray bytesEsperados();

} // namespace plano
