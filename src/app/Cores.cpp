#include "app/Cores.h"

#include <QApplication>
#include <QPalette>

namespace {

ValorCor sistema(int indice)
{
    return corSistema | indice;
}

struct CorDeSistema {
    int indice;
    QPalette::ColorGroup grupo;
    QPalette::ColorRole papel;
};

// The system colour indices and the palette roles that play their part here.
constexpr CorDeSistema coresDeSistema[] = {
    {0, QPalette::Active, QPalette::Mid},                // barra de rolagem
    {1, QPalette::Active, QPalette::Dark},               // área de trabalho
    {2, QPalette::Active, QPalette::Highlight},          // título ativo
    {3, QPalette::Inactive, QPalette::Highlight},        // título inativo
    {4, QPalette::Active, QPalette::Window},             // menu
    {5, QPalette::Active, QPalette::Base},               // janela
    {6, QPalette::Active, QPalette::Shadow},             // moldura da janela
    {7, QPalette::Active, QPalette::WindowText},         // texto do menu
    {8, QPalette::Active, QPalette::Text},               // texto da janela
    {9, QPalette::Active, QPalette::HighlightedText},    // texto do título
    {10, QPalette::Active, QPalette::Midlight},          // borda ativa
    {11, QPalette::Inactive, QPalette::Midlight},        // borda inativa
    {12, QPalette::Active, QPalette::Dark},              // espaço de trabalho
    {13, QPalette::Active, QPalette::Highlight},         // destaque
    {14, QPalette::Active, QPalette::HighlightedText},   // texto destacado
    {15, QPalette::Active, QPalette::Button},            // face do botão
    {16, QPalette::Active, QPalette::Dark},              // sombra do botão
    {17, QPalette::Disabled, QPalette::Text},            // texto desabilitado
    {18, QPalette::Active, QPalette::ButtonText},        // texto do botão
    {19, QPalette::Inactive, QPalette::HighlightedText}, // texto do título inativo
    {20, QPalette::Active, QPalette::Light},             // realce do botão
    {21, QPalette::Active, QPalette::Shadow},            // sombra escura 3D
    {22, QPalette::Active, QPalette::Midlight},          // luz 3D
    {23, QPalette::Active, QPalette::ToolTipText},       // texto de dica
    {24, QPalette::Active, QPalette::ToolTipBase},       // fundo de dica
    {26, QPalette::Active, QPalette::Link},              // item ativo
    {27, QPalette::Active, QPalette::Highlight},         // gradiente do título ativo
    {28, QPalette::Inactive, QPalette::Highlight},       // gradiente do título inativo
    {29, QPalette::Active, QPalette::Highlight},         // destaque do menu
    {30, QPalette::Active, QPalette::Window},            // barra de menu
};

} // namespace

ValorCor valorRgb(int vermelho, int verde, int azul)
{
    return (azul & 0xFF) << 16 | (verde & 0xFF) << 8 | (vermelho & 0xFF);
}

const QVector<CorNomeada> &coresPadrao()
{
    static const QVector<CorNomeada> lista = {
        {0x000000, QStringLiteral("Preto")},
        {0x000080, QStringLiteral("Marrom")},
        {0x008000, QStringLiteral("Verde")},
        {0x008080, QStringLiteral("Oliva")},
        {0x800000, QStringLiteral("Azul-marinho")},
        {0x800080, QStringLiteral("Roxo")},
        {0x808000, QStringLiteral("Azul-petróleo")},
        {0x808080, QStringLiteral("Cinza")},
        {0xC0C0C0, QStringLiteral("Prata")},
        {0x0000FF, QStringLiteral("Vermelho")},
        {0x00FF00, QStringLiteral("Lima")},
        {0x00FFFF, QStringLiteral("Amarelo")},
        {0xFF0000, QStringLiteral("Azul")},
        {0xFF00FF, QStringLiteral("Fúcsia")},
        {0xFFFF00, QStringLiteral("Água")},
        {0xFFFFFF, QStringLiteral("Branco")},
        {0xC0DCC0, QStringLiteral("Verde-dinheiro")},
        {0xF0CAA6, QStringLiteral("Azul-céu")},
        {0xF0FBFF, QStringLiteral("Creme")},
        {0xA4A0A0, QStringLiteral("Cinza médio")},
        {sistema(0), QStringLiteral("Barra de rolagem")},
        {sistema(1), QStringLiteral("Área de trabalho")},
        {sistema(2), QStringLiteral("Título ativo")},
        {sistema(3), QStringLiteral("Título inativo")},
        {sistema(4), QStringLiteral("Menu")},
        {sistema(5), QStringLiteral("Fundo da janela")},
        {sistema(6), QStringLiteral("Moldura da janela")},
        {sistema(7), QStringLiteral("Texto do menu")},
        {sistema(8), QStringLiteral("Texto da janela")},
        {sistema(9), QStringLiteral("Texto do título")},
        {sistema(10), QStringLiteral("Borda ativa")},
        {sistema(11), QStringLiteral("Borda inativa")},
        {sistema(12), QStringLiteral("Espaço de trabalho")},
        {sistema(13), QStringLiteral("Destaque")},
        {sistema(14), QStringLiteral("Texto destacado")},
        {sistema(15), QStringLiteral("Face do botão")},
        {sistema(16), QStringLiteral("Sombra do botão")},
        {sistema(17), QStringLiteral("Texto desabilitado")},
        {sistema(18), QStringLiteral("Texto do botão")},
        {sistema(19), QStringLiteral("Texto do título inativo")},
        {sistema(20), QStringLiteral("Realce do botão")},
        {sistema(21), QStringLiteral("Sombra escura 3D")},
        {sistema(22), QStringLiteral("Luz 3D")},
        {sistema(23), QStringLiteral("Texto de dica")},
        {sistema(24), QStringLiteral("Fundo de dica")},
        {sistema(26), QStringLiteral("Item ativo")},
        {sistema(27), QStringLiteral("Gradiente do título ativo")},
        {sistema(28), QStringLiteral("Gradiente do título inativo")},
        {sistema(29), QStringLiteral("Destaque do menu")},
        {sistema(30), QStringLiteral("Barra de menu")},
    };
    return lista;
}

QColor paraQColor(ValorCor valor)
{
    const auto bits = static_cast<quint32>(valor);
    if ((bits & 0xFF000000u) == 0xFF000000u) {
        const int indice = static_cast<int>(bits & 0xFFu);
        const QPalette paleta = QApplication::palette();
        for (const CorDeSistema &cor : coresDeSistema) {
            if (cor.indice == indice)
                return paleta.color(cor.grupo, cor.papel);
        }
        return QColor(Qt::black);
    }
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}
